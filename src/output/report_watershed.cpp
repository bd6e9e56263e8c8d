// The annual watershed table that closes each simulated year: seventeen variables with twelve
// monthly values each, every name right-justified in columns 2-5.
#include "core/field_readers.h"
#include "core/text_utils.h"
#include "output/vorn_output_class.h"

namespace ivorn {
namespace {

struct watershed_line {
    const char* name;
    int column;
};

const watershed_line watershed_lines[watershed_variable_count] = {
    {"PRCP", 2}, {"QSS", 3}, {"QSW", 3}, {"QTS", 3}, {"QTW", 3}, {"YS", 4},   {"YW", 4},   {"YNS", 3}, {"YNW", 3},
    {"YPS", 3},  {"YPW", 3}, {"QNS", 3}, {"QNW", 3}, {"QPS", 3}, {"QPW", 3}, {"YMUS", 2}, {"YMUW", 2}};

} // namespace

bool vorn_output_class::read_watershed_table(int year_index)
{
    const int width = wide_layout() ? 12 : 9;
    for (int v = 0; v < watershed_variable_count; ++v) {
        if (!find_line(watershed_lines[v].column, watershed_lines[v].name)) {
            if (v == 0)
                record_error("Cannot find PRCP to start annual watershed table\n");
            else
                record_error(format_printf("Cannot find %s in the annual watershed table\n", watershed_lines[v].name));
            return false;
        }
        auto& months = watershed[static_cast<size_t>(v)][static_cast<size_t>(year_index)];
        for (int m = 0; m < months_per_year; ++m) {
            const int first = 6 + width * m;
            const int last = 5 + width * (m + 1);
            read_float_field(without_line_end(line_), first, last, months[static_cast<size_t>(m)]);
            if (float_field_overflows(without_line_end(line_), first, last)) {
                record_error("Number beyond a single float",
                             field_position(report_.path(), report_.line_number(), first, last));
                return false;
            }
        }
    }
    return true;
}

} // namespace ivorn
