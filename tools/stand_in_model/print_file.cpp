// The print file: the numbers of the variables to print in the monthly tables and the 30
// output-file switches, around fixed lines that tell the 1307 layout from the others. And the
// variable names of "output variables.csv", which describes the model's numbering.
#include <sstream>

#include "core/field_readers.h"
#include "core/text_utils.h"
#include "input_readers.h"

namespace ivorn::stand_in {
namespace {

const char* const step_3_line = "   1   2   3   4   5   6   7   8   9  10  11  12  13  14  15";
const char* const step_3_line_1307 = "   1   2   3   4   5   6   7   8   9  10  11  12  13  14  15  18";
const char* const fixed_lines[] = {
    "   4  13  14  15  27  37  38  39  48  49  72  80  82  83  84      37  41  42  43",
    "  37  41  42  43  44  45  46  47  48  50  51  52  53  54  55  56  57  58  61  62",
    "  75  11  13  14  15  16  17   4  77  25  29  78  18  49  64  65  66  67  68  69",
    "  70 141 150",
};
constexpr int numbers_per_line = 20;

bool four_column_numbers(const std::string& line, std::vector<int>& numbers)
{
    for (int first = 1; first <= static_cast<int>(line.size()); first += 4) {
        const int last = std::min(first + 3, static_cast<int>(line.size()));
        if (trim_copy(line.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1))).empty())
            continue;
        int number = 0;
        if (!read_int_field(line, first, last, number))
            return false;
        numbers.push_back(number);
    }
    return true;
}

size_t find_step_3(const std::vector<std::string>& lines)
{
    for (size_t i = 1; i + 1 < lines.size(); ++i)
        if ((lines[i] == step_3_line || lines[i] == step_3_line_1307) && lines[i + 1] == fixed_lines[0]
            && lines[i - 1].empty())
            return i;
    return 0;
}

bool read_switches(const std::string& file, const std::vector<std::string>& lines, size_t at, print_settings& print,
                   std::string& error)
{
    std::vector<int> switches;
    for (size_t line = at; line < at + 2 && line < lines.size(); ++line)
        if (!four_column_numbers(lines[line], switches))
            break;
    if (switches.size() != output_switch_count) {
        error = line_problem(file, static_cast<int>(at + 1), "expected the 30 output-file switches on two lines");
        return false;
    }
    for (int k = 0; k < output_switch_count; ++k)
        print.switches[static_cast<size_t>(k)] = switches[static_cast<size_t>(k)];
    return true;
}

void read_variable_names(std::map<int, std::string>& names)
{
    std::vector<std::string> lines;
    std::string ignored;
    if (!read_model_lines("output variables.csv", lines, ignored))
        return;
    for (size_t i = 2; i < lines.size(); ++i) {
        std::istringstream fields(lines[i]);
        std::string state;
        std::string number;
        std::string name;
        if (!std::getline(fields, state, ',') || !std::getline(fields, number, ',') || !std::getline(fields, name, ','))
            continue;
        char* end = nullptr;
        const long parsed = std::strtol(number.c_str(), &end, 10);
        if (end != number.c_str() && !trim_copy(name).empty())
            names[static_cast<int>(parsed)] = trim_copy(name);
    }
}

} // namespace

bool read_print_file(const std::string& file, input_set& inputs, std::string& error)
{
    read_variable_names(inputs.names.variables);
    std::vector<std::string> lines;
    if (!read_model_lines(file, lines, error))
        return false;
    bool empty = true;
    for (const std::string& line : lines)
        empty = empty && trim_copy(line).empty();
    if (empty)
        return true;   // what the program writes when it has no selection: nothing printed, no files

    const size_t step_3 = find_step_3(lines);
    if (step_3 == 0) {
        error = file_problem(file, "the fixed lines of a print file are missing");
        return false;
    }
    const bool layout_1307 = lines[step_3] == step_3_line_1307;
    if (layout_1307 != (inputs.version == model_version::v1307)) {
        error = line_problem(file, static_cast<int>(step_3 + 1),
                             format_printf("written for another model version than %d", version_number(inputs.version)));
        return false;
    }
    for (size_t k = 1; k < std::size(fixed_lines); ++k)
        if (step_3 + 1 + k >= lines.size() || lines[step_3 + 1 + k] != fixed_lines[k]) {
            error = line_problem(file, static_cast<int>(step_3 + 2 + k), "not the print file's fixed line");
            return false;
        }
    for (size_t line = 0; line + 1 < step_3; ++line)
        if (!four_column_numbers(lines[line], inputs.print.variable_numbers)) {
            error = line_problem(file, static_cast<int>(line + 1), "expected variable numbers of four columns");
            return false;
        }
    const size_t count = inputs.print.variable_numbers.size();
    const size_t minimum_lines = newer_report_files(inputs.version) ? 5 : 3;
    const size_t expected_lines = std::max(minimum_lines, (count + numbers_per_line - 1) / numbers_per_line);
    if (step_3 - 1 != expected_lines) {
        error = file_problem(file, format_printf("its variable numbers take %zu lines; model version %d writes %zu",
                                                 step_3 - 1, version_number(inputs.version), expected_lines));
        return false;
    }
    return read_switches(file, lines, step_3 + 1 + std::size(fixed_lines), inputs.print, error);
}

} // namespace ivorn::stand_in
