// The control file: the simulation period, and the version marks its layout carries (the number
// of fields of lines 2 and 6 differs between the model versions).
#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "input_readers.h"

namespace ivorn::stand_in {
namespace {

constexpr int max_years = 200;

struct control_layout {
    model_version version;
    int line_2_fields;   // four columns each
    int line_6_fields;   // eight columns each
};

const control_layout control_layouts[] = {
    {model_version::v2110, 11, 6},
    {model_version::v604, 14, 7},
    {model_version::v806, 19, 7},
    {model_version::v1307, 20, 9},
};

int field_count(const std::string& line, int width)
{
    return static_cast<int>((line.size() + static_cast<size_t>(width) - 1) / static_cast<size_t>(width));
}

bool numeric_fields(const std::string& line, int width, bool integers)
{
    for (int first = 1; first <= static_cast<int>(line.size()); first += width) {
        const int last = std::min(first + width - 1, static_cast<int>(line.size()));
        if (trim_copy(line.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1))).empty())
            return false;
        int whole = 0;
        float real = 0.0f;
        if (integers ? !read_int_field(line, first, last, whole) : !read_float_field(line, first, last, real))
            return false;
    }
    return true;
}

bool read_period(const std::string& file, const std::string& line, input_set& inputs, std::string& error)
{
    const bool read = read_int_field(line, 1, 4, inputs.duration) && read_int_field(line, 5, 8, inputs.start_year)
        && read_int_field(line, 9, 12, inputs.start_month) && read_int_field(line, 13, 16, inputs.start_day);
    if (!read || line.size() < 16) {
        error = line_problem(file, 1, "the simulation length and beginning date (columns 1-16) are not numbers");
        return false;
    }
    if (inputs.duration < 1 || inputs.duration > max_years) {
        error = line_problem(file, 1, format_printf("a simulation length of %d years is outside 1 to %d", inputs.duration, max_years));
        return false;
    }
    if (inputs.start_year < 0 || inputs.start_month < 1 || inputs.start_month > 12 || inputs.start_day < 1 || inputs.start_day > 31) {
        error = line_problem(file, 1, "the beginning date is not a date");
        return false;
    }
    return true;
}

} // namespace

bool read_control_file(input_set& inputs, bool newer_version, std::string& error)
{
    const std::string file = "vorncont.dat";
    if (!read_whole_file(file, inputs.control_text)) {
        error = file_problem(file, "missing (cannot be opened)");
        return false;
    }
    std::vector<std::string> lines;
    if (!read_model_lines(file, lines, error))
        return false;
    if (lines.size() < 6) {
        error = line_problem(file, static_cast<int>(lines.size()) + 1, "the control file has fewer than 6 lines");
        return false;
    }
    if (!read_period(file, lines[0], inputs, error))
        return false;
    for (const int line : {3, 4, 5})
        if (field_count(lines[static_cast<size_t>(line - 1)], 8) != 10 || !numeric_fields(lines[static_cast<size_t>(line - 1)], 8, false)) {
            error = line_problem(file, line, "expected ten numbers of eight columns");
            return false;
        }

    const int line_2 = field_count(lines[1], 4);
    const int line_6 = field_count(lines[5], 8);
    if (newer_version)
        inputs.version = line_2 == 20 ? model_version::v1307 : model_version::v806;
    for (const control_layout& layout : control_layouts) {
        if (layout.version != inputs.version)
            continue;
        if (line_2 != layout.line_2_fields || !numeric_fields(lines[1], 4, true)) {
            error = line_problem(file, 2, format_printf("expected %d numbers of four columns for model version %d (the model file list's)",
                                                        layout.line_2_fields, version_number(layout.version)));
            return false;
        }
        if (line_6 != layout.line_6_fields || !numeric_fields(lines[5], 8, false)) {
            error = line_problem(file, 6, format_printf("expected %d numbers of eight columns for model version %d",
                                                        layout.line_6_fields, version_number(layout.version)));
            return false;
        }
    }
    return true;
}

} // namespace ivorn::stand_in
