// The daily SWAT file ".SWT": a runoff row and a sediment row for each day that has any, and a
// pesticide row for each pesticide that moved that day.
#include "output/output_loaders_swat.h"
#include "output/output_tables.h"

namespace ivorn {

bool load_daily_swat(vorn_output_class& out, output_sink& sink, int variant, std::string& log)
{
    bulk_inserter* runoff = open_output_table(out, sink, swat_output_table(), "Cannot open table SWAT Output");
    if (!runoff)
        return false;
    bulk_inserter* sediment = open_output_table(out, sink, swat_output_2_table(), "Cannot open table SWAT Output2");
    if (!sediment)
        return false;
    bulk_inserter* pesticide = open_output_table(out, sink, swat_pesticide_output_table(),
                                                 "Cannot open table SWAT Pesticide Output");
    if (!pesticide)
        return false;
    loader_file file(out);
    if (!open_loader_file(out, file, ".SWT", log))
        return false;
    std::vector<std::string> names;
    if (!read_swat_heading(file, variant == 2 ? 9 : 8, daily_swat_layout, names))
        return false;
    auto set_day = [&out](bulk_inserter& row, int year, int day) {
        row.set_integer(0, out.run_id);
        row.set_integer(1, year);
        row.set_integer(2, day);
    };
    while (file.next_data()) {
        const int day = file.integer(1, 5);
        const int year = file.integer(6, 10);
        if (file.stopped())
            return false;
        if (!out.in_calendar_window(year))
            continue;
        const float water = file.real(12, 28);
        const float soil = file.real(29, 45);
        const float n_sediment = file.real(46, 62);
        const float p_sediment = file.real(63, 79);
        const float n_runoff = file.real(80, 96);
        const float p_runoff = file.real(97, 113);
        if (file.stopped())
            return false;
        if (water > 0.0f) {
            set_day(*runoff, year, day);
            runoff->set_single(3, water * out.depth);
            runoff->set_single(4, n_runoff * out.mass);
            runoff->set_single(5, p_runoff * out.mass);
            if (!insert_output_row(out, *runoff))
                return false;
        }
        if (soil > 0.0f) {
            set_day(*sediment, year, day);
            sediment->set_single(3, soil * out.tonnage);
            sediment->set_single(4, n_sediment * out.mass);
            sediment->set_single(5, p_sediment * out.mass);
            if (!insert_output_row(out, *sediment))
                return false;
        }
        const int pesticides = swat_pesticides_on_line(file.line, daily_swat_layout, names.size());
        for (int k = 0; k < pesticides; ++k) {
            float q = 0.0f, y = 0.0f;
            swat_pesticide_amounts(file, daily_swat_layout, k, {114, 130}, {131, 147}, q, y);
            if (file.stopped())
                return false;
            if (!(q > 0.0f || y > 0.0f))
                continue;
            set_day(*pesticide, year, day);
            pesticide->set_text(3, names[static_cast<size_t>(k)]);
            pesticide->set_single(4, q * out.small_mass);
            pesticide->set_single(5, y * out.small_mass);
            if (!insert_output_row(out, *pesticide))
                return false;
        }
    }
    return file.finish(log);
}

} // namespace ivorn
