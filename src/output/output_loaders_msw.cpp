// The monthly SWAT file ".MSW": one Monthly SWAT Output row per month and pesticide, or one row
// without a pesticide when the line has none.
#include <algorithm>
#include <array>

#include "output/output_loaders_swat.h"
#include "output/output_tables.h"

namespace ivorn {

bool load_monthly_swat(vorn_output_class& out, output_sink& sink, int variant, std::string& log)
{
    bulk_inserter* row = open_output_table(out, sink, monthly_swat_output_table(),
                                           "Cannot open table Monthly SWAT Output");
    if (!row)
        return false;
    loader_file file(out);
    if (!open_loader_file(out, file, ".MSW", log))
        return false;
    std::vector<std::string> names;
    if (!read_swat_heading(file, variant == 2 ? 9 : 8, monthly_swat_layout, names))
        return false;
    // Year, Month, then Runoff to P in Runoff as the file holds them.
    const std::array<swat_columns, 6> values = {{{11, 22}, {23, 33}, {34, 44}, {45, 55}, {56, 66}, {67, 77}}};
    const std::array<unit_factor, 6> factors = {unit_factor::depth, unit_factor::tonnage, unit_factor::mass,
                                                unit_factor::mass,  unit_factor::mass,    unit_factor::mass};
    while (file.next_data()) {
        const int year = file.integer(1, 5);
        const int month = file.integer(6, 10);
        if (file.stopped())
            return false;
        if (!out.in_calendar_window(year))
            continue;
        std::array<float, values.size()> month_values{};
        for (size_t i = 0; i < values.size(); ++i)
            month_values[i] = out.convert(file.real(values[i].first, values[i].last), factors[i]);
        const int pesticides = swat_pesticides_on_line(file.line, monthly_swat_layout, names.size());
        for (int k = 0; k < std::max(pesticides, 1); ++k) {
            row->set_integer(0, out.run_id);
            row->set_integer(1, year);
            row->set_integer(2, month);
            for (size_t i = 0; i < values.size(); ++i)
                row->set_single(3 + static_cast<int>(i), month_values[i]);
            if (pesticides > 0) {
                float q = 0.0f, y = 0.0f;
                swat_pesticide_amounts(file, monthly_swat_layout, k, {78, 88}, {89, 99}, q, y);
                row->set_text(9, names[static_cast<size_t>(k)]);
                row->set_single(10, q * out.small_mass);
                row->set_single(11, y * out.small_mass);
            } else {
                row->set(9, field_value{});
                row->set(10, field_value{});
                row->set(11, field_value{});
            }
            if (file.stopped() || !insert_output_row(out, *row))
                return false;
        }
    }
    return file.finish(log);
}

} // namespace ivorn
