// The annual watershed file ".AWP": one Annual Watershed Output row per year, its values in
// 10-character columns in the table's column order; newer layouts add columns at the end.
#include "output/output_loaders_common.h"
#include "output/output_tables.h"

namespace ivorn {
namespace {

// A run of values that share a unit: `count` values from table value `first_value` (0 = Prcp),
// read from file value `first_in_file` on (value i at columns 10+10i to 19+10i).
struct watershed_value_run {
    int first_value;
    int count;
    int first_in_file;
    unit_factor factor;
    int first_variant;
    int last_variant;
};

const watershed_value_run watershed_value_runs[] = {
    {0, 10, 0, unit_factor::depth, 1, 3},     // Prcp to Wy
    {10, 1, 10, unit_factor::tonnage, 1, 3},  // Y
    {11, 5, 11, unit_factor::mass, 1, 3},     // Ywnd to Rsfn
    {16, 2, 16, unit_factor::tonnage, 1, 3},  // Yn, Ynwn
    {18, 17, 18, unit_factor::mass, 1, 3},    // Qdrn to Ycwn
    {35, 1, 35, unit_factor::none, 1, 3},     // Rfn
    {36, 8, 36, unit_factor::mass, 1, 3},     // Yln to Ftc
    {44, 2, 44, unit_factor::none, 1, 3},     // Bpdpl, Fpdpl
    {46, 4, 46, unit_factor::mass, 1, 3},     // Bslt to Ftcsa1
    {50, 1, 50, unit_factor::tonnage, 1, 3},  // Rus2sa1
    {51, 2, 51, unit_factor::none, 2, 3},     // Ythsd, Ywthd
    {53, 4, 55, unit_factor::none, 3, 3},     // Qdrp to Tpthd; file values 53 and 54 are not read
};
constexpr int watershed_value_count = 57;
constexpr int first_value_column = 2; // after Id and Year

} // namespace

bool load_annual_watershed(vorn_output_class& out, output_sink& sink, int variant, std::string& log)
{
    loader_file file(out);
    if (!open_loader_file(out, file, ".AWP", log) || !file.skip_headings(variant == 1 ? 8 : 10))
        return false;
    bulk_inserter* row = open_output_table(out, sink, annual_watershed_output_table(),
                                           "Cannot open table Annual Watershed Output");
    if (!row)
        return false;
    while (file.next_data()) {
        const int year = file.integer(6, 9);
        if (file.stopped())
            return false;
        if (!out.in_calendar_window(year))
            continue;
        row->set_integer(0, out.run_id);
        row->set_integer(1, year);
        // What this layout does not hold stays unset.
        for (int v = 0; v < watershed_value_count; ++v)
            row->set(first_value_column + v, field_value{});
        for (const watershed_value_run& run : watershed_value_runs) {
            if (variant < run.first_variant || variant > run.last_variant)
                continue;
            for (int i = 0; i < run.count; ++i) {
                const int first = 10 + 10 * (run.first_in_file + i);
                row->set_single(first_value_column + run.first_value + i,
                                out.convert(file.real(first, first + 9), run.factor));
            }
        }
        if (file.stopped() || !insert_output_row(out, *row))
            return false;
    }
    return file.finish(log);
}

} // namespace ivorn
