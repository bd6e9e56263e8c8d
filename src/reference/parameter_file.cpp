// The model's parameter file as data: each line is a run of 8-column values taken from one of
// the set's arrays, with the decimals the model's own file uses for each coefficient.
#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "reference/fixed_line_layout.h"
#include "reference/parameter_set.h"

namespace ivorn {
namespace {

enum class parameter_block { s_curve, parm, cost };

// One line: `count` values of a block from its 1-based `first` value on.
struct parameter_line {
    parameter_block block;
    int first;
    int count;
};

std::vector<parameter_line> build_layout(int last_parm, bool with_costs)
{
    std::vector<parameter_line> lines;
    for (int curve = 1; curve <= 30; ++curve)
        lines.push_back({parameter_block::s_curve, 2 * curve - 1, 2});
    for (int first = 1; first <= last_parm; first += 10)
        lines.push_back({parameter_block::parm, first, std::min(10, last_parm - first + 1)});
    if (with_costs)
        lines.push_back({parameter_block::cost, 1, 5});
    return lines;
}

const std::vector<parameter_line>& layout(int model_version)
{
    static const std::vector<parameter_line> newer = build_layout(97, true);
    static const std::vector<parameter_line> older = build_layout(95, false);
    return uses_newer_layout(model_version) ? newer : older;
}

// Coefficients written with other than three decimals.
constexpr std::array<std::pair<int, int>, 8> parm_decimals = {
    {{23, 4}, {33, 4}, {43, 4}, {53, 4}, {58, 4}, {65, 6}, {84, 4}, {85, 4}}};

const char* format_of(parameter_block block, int number)
{
    if (block == parameter_block::parm) {
        for (const auto& [parm, decimals] : parm_decimals) {
            if (parm == number)
                return decimals == 4 ? "%8.4f" : "%8.6f";
        }
    }
    return "%8.3f";
}

template <class Set>
auto& value_of(Set& set, parameter_block block, int number)
{
    switch (block) {
    case parameter_block::s_curve:
        return set.s_curve[(number - 1) / 2][(number - 1) % 2];
    case parameter_block::parm:
        return set.parm[number - 1];
    case parameter_block::cost:
        break;
    }
    return set.cost[number - 1];
}

} // namespace

bool parameter_set::read_parameter_file(const std::string& file_name, int model_version, std::string& log,
                                        int* lines_read)
{
    if (lines_read)
        *lines_read = 0;
    line_reader in;
    const auto opened = in.open(file_name, log);
    if (opened == line_reader::open_result::not_text)
        return false;
    if (opened == line_reader::open_result::missing)
        return true;
    std::string text;
    int count = 0;
    for (const parameter_line& line : layout(model_version)) {
        if (!in.next_line(text))
            break;
        const std::string_view values = without_line_end(text);
        field_overflow overflow;
        for (int i = 0; i < line.count; ++i) {
            overflow.read_float(values, eight_column_start(1, i), eight_column_start(8, i),
                                value_of(*this, line.block, line.first + i));
        }
        if (overflow.found()) {
            log += overflow.message(file_name, in.line_number());
            return false;
        }
        ++count;
    }
    if (count == 0)
        log += "Unable to read vorn parameter file line 1\r\n";
    if (lines_read)
        *lines_read = count;
    return true;
}

bool parameter_set::write_parameter_file(const std::string& file_name, int model_version, line_end_style line_ends,
                                         std::string& log) const
{
    model_file_writer out;
    if (!out.open(file_name, line_ends)) {
        log += format_printf("Cannot open parm file %s for write", file_name.c_str()) + "\r\n";
        return false;
    }
    for (const parameter_line& line : layout(model_version)) {
        for (int i = 0; i < line.count; ++i) {
            const int number = line.first + i;
            out.printf(format_of(line.block, number), static_cast<double>(value_of(*this, line.block, number)));
        }
        out.write("\n");
    }
    if (out.close())
        return true;
    log += format_printf("Cannot open parm file %s for write", file_name.c_str()) + "\r\n";
    // A file cut short (a full disk) would pass for a parameter file; leave none.
    std::remove(file_name.c_str());
    return false;
}

} // namespace ivorn
