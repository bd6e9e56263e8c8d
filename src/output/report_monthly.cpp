// The monthly table of one subarea and year: one line per printed variable with twelve monthly
// values and the annual one (9-character columns in the 2110 layout, 12 in the wide one), the
// yearly soil values below it and the eight crop-growth lines that start at "HUI".
#include <cstdio>
#include <cstdlib>

#include <algorithm>

#include "core/field_readers.h"
#include "core/text_utils.h"
#include "output/summary_tables.h"
#include "output/vorn_output_class.h"

namespace ivorn {
namespace {

struct variable_line_layout {
    const char* too_short_message;
    int column_width;
    int annual_first, annual_last;
    int december_first, december_last;
};

const variable_line_layout narrow_layout = {"Line too short to set variables", 9, 114, 122, 105, 113};
const variable_line_layout wide_layout_columns = {"Line too short to set variable", 12, 150, 161, 138, 149};

bool is_blank(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

bool column_is(const std::string& line, int column, char c)
{
    return line.size() >= static_cast<size_t>(column) && line[static_cast<size_t>(column - 1)] == c;
}

} // namespace

bool vorn_output_class::end_of_monthly_table(bool wide) const
{
    if (wide && vorn_version == 1307)
        return column_is(line_, 6, 'O');
    return column_is(line_, 1, '1');
}

vorn_output_class::line_step vorn_output_class::variable_step(int subarea, int year_index, bool wide)
{
    if (end_of_monthly_table(wide))
        return line_step::end;
    const variable_line_layout& layout = wide ? wide_layout_columns : narrow_layout;
    if (line_.size() < 123) {
        record_error(layout.too_short_message, trim_copy(line_));
        return line_step::failed;
    }
    const std::string_view name = field_of(line_, 2, 5);
    std::string_view value = field_of(line_, layout.annual_first, layout.annual_last);
    if (is_blank(value))
        value = field_of(line_, layout.december_first, layout.december_last);
    if (name == " RSD") {
        auto& residue = subareas[static_cast<size_t>(subarea)].monthly_residue[static_cast<size_t>(year_index)];
        for (int m = 0; m < months_per_year; ++m) {
            const int first = 6 + layout.column_width * m;
            const int last = first + layout.column_width - 1;
            const std::string month(field_of(line_, first, last));
            float amount = 0.0f;
            if (float_field_overflows(without_line_end(line_), first, last)) {
                record_error("Number beyond a single float", field_position(report_.path(), report_.line_number(), first, last));
                return line_step::failed;
            }
            if (std::sscanf(month.c_str(), "%f", &amount) == 1 && std::abs(amount) <= 3.4e38f)
                residue[static_cast<size_t>(m)] = amount;
        }
    }
    const int variable = variable_index(name);
    if (variable < 0)
        return line_step::failed;
    return set_yearly_value(subarea, variable, year_index, value) ? line_step::next : line_step::failed;
}

// A variable's line or the table's end line: a page heading never starts with those, though the
// names of one or two letters leave column 3 blank as a heading does.
bool vorn_output_class::starts_table_line() const
{
    if (end_of_monthly_table(true))
        return true;
    const std::string word = first_word(line_, 10);
    if (word.empty())
        return false;
    auto named = [&word](const std::string& name) { return trim_copy(name) == word; };
    return std::any_of(variable_names.begin(), variable_names.end(), named)
           || std::any_of(printed_variables.begin(), printed_variables.end(), named) || is_summary_variable(word);
}

void vorn_output_class::skip_page_heading()
{
    // A page eject inside a table is followed by a heading whose lines leave column 3 blank.
    if (!next_line())
        return;
    while ((line_.size() < 3 || line_[2] == ' ' || line_[2] == '\n') && !starts_table_line()) {
        if (!next_line())
            return;
    }
}

void vorn_output_class::read_yearly_soil_values(int subarea, int year_index)
{
    float values[3] = {0.0f, 0.0f, 0.0f};
    const int items = std::sscanf(line_.c_str(), "%*d %*f %*f %f %f %*f %*f %*f %f", &values[0], &values[1], &values[2]);
    subarea_output& sa = subareas[static_cast<size_t>(subarea)];
    year_values* targets[3] = {&sa.yearly_soil_1, &sa.yearly_soil_2, &sa.yearly_soil_3};
    for (int i = 0; i < items && i < 3; ++i) {
        if (!(std::abs(values[i]) <= 3.4e38f)) {
            record_error("Number beyond a single float", report_.path() + " line " + std::to_string(report_.line_number()));
            return;
        }
        (*targets[i])[static_cast<size_t>(year_index)] = values[i];
    }
}

bool vorn_output_class::read_monthly_table(int subarea, int year)
{
    const int year_index = year - start_year;
    const bool wide = wide_layout();
    if (first_printed_variable.empty() || !find_line(wide ? 164 : 125, first_printed_variable)) {
        record_error(format_printf("Cannot find first variable to start year monthly array year=%d field=%d\n", year,
                                   subarea));
        return false;
    }
    for (;;) {
        const line_step step = variable_step(subarea, year_index, wide);
        if (step == line_step::failed)
            return false;
        if (step == line_step::end)
            break;
        if (!next_line())
            return false;
        if (vorn_version == 1307 && column_is(line_, 1, '1'))
            skip_page_heading();
    }
    for (int i = 0; i < 5; ++i) {
        if (!next_line())
            return false;
    }
    read_yearly_soil_values(subarea, year_index);
    if (!find_line(3, "HUI")) {
        record_error("Cannot find HUI to start year monthly array\n");
        return false;
    }
    for (int i = 0; i < 8; ++i) {
        variable_step(subarea, year_index, false);
        if (!next_line())
            return false;
    }
    return read_crop_yields(subarea, year);
}

} // namespace ivorn
