// The output object's storage, its error record, its unit factors and window, the yearly value
// table and the line-search primitives every reader shares.
#include "output/vorn_output_class.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "core/file_lookup.h"
#include "core/text_utils.h"

namespace ivorn {

vorn_output_class::vorn_output_class()
{
    reset();
}

void vorn_output_class::reset()
{
    subarea_count = 0;
    subareas.assign(max_report_subareas, subarea_output{});
    variable_names.clear();
    watershed = {};
    yearly_.clear();
    files_.reset();
    error_flag = false;
    error_text.clear();
    selected_variables_written = false;
    notes.clear();
    report_stars = 0;
}

void vorn_output_class::record_error(std::string_view text)
{
    if (!error_flag)
        error_text = "ERROR: " + std::string(text) + "\n";
    error_flag = true;
}

void vorn_output_class::record_error(std::string_view text, std::string_view detail)
{
    if (!error_flag)
        error_text = "ERROR: " + std::string(text) + ": " + std::string(detail) + "\n";
    error_flag = true;
}

void vorn_output_class::set_english_units(bool on)
{
    english = on;
    tonnage = on ? 0.44609f : 1.0f;
    depth = on ? 0.03937f : 1.0f;
    mass = on ? 0.89217f : 1.0f;
    small_mass = on ? 0.00089217f : 1.0f;
    area_factor = on ? 2.47105f : 1.0f;
    length = on ? 3.2808f : 1.0f;
}

float vorn_output_class::factor(unit_factor kind) const
{
    switch (kind) {
    case unit_factor::tonnage: return tonnage;
    case unit_factor::depth: return depth;
    case unit_factor::mass: return mass;
    case unit_factor::small_mass: return small_mass;
    case unit_factor::area: return area_factor;
    case unit_factor::length: return length;
    case unit_factor::none:
    case unit_factor::temperature: break;
    }
    return 1.0f;
}

float vorn_output_class::convert(float value, unit_factor kind) const
{
    if (kind == unit_factor::temperature)
        return english ? static_cast<float>(value * 1.8 + 32.0) : value;
    return value * factor(kind);
}

bool vorn_output_class::in_calendar_window(long long year) const
{
    const long long first = static_cast<long long>(start_year) + window_first - 1;
    const long long last = static_cast<long long>(start_year) + window_last - 1;
    return year >= first && year <= last;
}

std::string vorn_output_class::report_path(std::string_view extension) const
{
    if (!files_ || files_directory_ != directory) {
        files_ = std::make_unique<directory_lookup>(directory);
        files_directory_ = directory;
    }
    return files_->find(base_name + std::string(extension));
}

size_t vorn_output_class::value_slot(int year, int subarea)
{
    return static_cast<size_t>(year) * max_report_subareas + static_cast<size_t>(subarea);
}

vorn_output_class::variable_values& vorn_output_class::values_of(int variable)
{
    if (yearly_.size() <= static_cast<size_t>(variable))
        yearly_.resize(static_cast<size_t>(variable) + 1);
    variable_values& block = yearly_[static_cast<size_t>(variable)];
    if (block.values.empty()) {
        block.values.assign(static_cast<size_t>(report_year_slots) * max_report_subareas, 0.0f);
        block.status.assign(block.values.size(), 0);
    }
    return block;
}

int vorn_output_class::variable_index(std::string_view name)
{
    for (size_t i = 0; i < variable_names.size(); ++i) {
        if (names_equal(variable_names[i], name))
            return static_cast<int>(i);
    }
    if (variable_names.size() >= static_cast<size_t>(max_report_variables)) {
        record_error("Report exceeds the limit of 200 output variables", name);
        return -1;
    }
    variable_names.emplace_back(name.substr(0, 10));
    return static_cast<int>(variable_names.size() - 1);
}

namespace {

// "%f" on a value text: leading blanks, then the longest number; false for none or a value a
// single float cannot hold.
bool scan_float(std::string_view text, float& value)
{
    const std::string copy(text);
    char* end = nullptr;
    const double parsed = std::strtod(copy.c_str(), &end);
    if (end == copy.c_str() || !std::isfinite(parsed) || std::fabs(parsed) > 3.4028234e38)
        return false;
    value = static_cast<float>(parsed);
    return true;
}

} // namespace

bool names_equal(std::string_view a, std::string_view b)
{
    return a.substr(0, 10) == b.substr(0, 10);
}

bool vorn_output_class::set_yearly_value(int subarea, int variable, int year, std::string_view value_text)
{
    std::string text(value_text);
    std::uint8_t status = 1;
    if (text.compare(0, 9, "*********") == 0) {
        text = "9999999.";
        status = 2;
        ++report_stars;
    }
    float value = 0.0f;
    if (!scan_float(text, value)) {
        record_error("Unable to scan yearly value", text);
        return false;
    }
    if (variable < 0 || variable >= max_report_variables || subarea < 0 || subarea >= max_report_subareas
        || year < 0 || year >= duration || duration > max_report_years)
        return false;
    variable_values& block = values_of(variable);
    const size_t slot = value_slot(year, subarea);
    if (block.values[slot] != 0.0f) {
        record_error(format_printf("Cannot set yearly value\nfor %s field %d index %d year %d", text.c_str(), subarea,
                                   variable, year));
        return false;
    }
    block.values[slot] = value;
    const size_t average = value_slot(duration, subarea);
    block.values[average] += value / static_cast<float>(duration);
    block.status[slot] = status;
    if (block.status[average] != 2)
        block.status[average] = status;
    return true;
}

bool vorn_output_class::get_yearly_value(int subarea, std::string_view name, int year, float& result)
{
    const int variable = variable_index(name);
    if (variable < 0) {
        record_error("Negative index for yearly value", name);
        return true;
    }
    if (subarea < 0 || subarea >= max_report_subareas || year < 0 || year >= report_year_slots)
        return true;
    const size_t slot = value_slot(year, subarea);
    const std::uint8_t state = static_cast<size_t>(variable) < yearly_.size()
                                   && !yearly_[static_cast<size_t>(variable)].status.empty()
                                   ? yearly_[static_cast<size_t>(variable)].status[slot]
                                   : 0;
    if (state == 1)
        result = yearly_[static_cast<size_t>(variable)].values[slot];
    else if (state == 2)
        result = 9999999.0f;
    else
        record_error("value not set", name);
    return true;
}

bool find_line_in(line_reader& file, std::string& line, int column, std::string_view target)
{
    const line_reader::position began = file.tell();
    const size_t needed = static_cast<size_t>(column) + target.size();
    while (file.next_line(line)) {
        if (line.size() >= needed && line.compare(static_cast<size_t>(column - 1), target.size(), target) == 0)
            return true;
    }
    file.seek(began);
    return false;
}

bool vorn_output_class::find_line(int column, std::string_view target)
{
    return find_line_in(report_, line_, column, target);
}

bool vorn_output_class::next_line()
{
    return report_.next_line(line_);
}

bool vorn_output_class::skip_lines(int count)
{
    for (int i = 0; i < count; ++i) {
        if (!next_line()) {
            record_error("Skip fails");
            return false;
        }
    }
    return true;
}

std::string_view field_of(std::string_view line, int first, int last)
{
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    if (first < 1 || last < first || static_cast<size_t>(first) > line.size())
        return {};
    const size_t begin = static_cast<size_t>(first - 1);
    return line.substr(begin, std::min(static_cast<size_t>(last - first + 1), line.size() - begin));
}

std::string first_word(std::string_view text, size_t max_length)
{
    size_t begin = 0;
    while (begin < text.size() && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    size_t end = begin;
    while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])))
        ++end;
    return std::string(text.substr(begin, std::min(end - begin, max_length)));
}

} // namespace ivorn
