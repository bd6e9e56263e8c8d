// The annual pesticide file ".APS": one line per subarea, year and pesticide; a line whose
// column 6 is blank continues the subarea-year of the line before it and repeats its values.
#include <array>

#include "core/text_utils.h"
#include "output/output_loaders_common.h"
#include "output/output_tables.h"

namespace ivorn {
namespace {

struct subarea_year_field {
    const char* column;
    int first, last;
    unit_factor factor;
};

const std::array<subarea_year_field, 6> subarea_year_values = {{
    {"Runoff", 22, 29, unit_factor::depth},
    {"Subsurface Flow", 30, 37, unit_factor::depth},
    {"Percolation", 38, 45, unit_factor::mass},
    {"Drainage", 46, 53, unit_factor::mass},
    {"Sediment", 54, 61, unit_factor::tonnage},
    {"Yoc", 62, 69, unit_factor::tonnage},
}};

const std::array<const char*, 10> pesticide_columns = {
    "Pesticide Application Rate", "Pesticide Surface Runoff", "Pesticide Leached", "Pesticide in Subsurface",
    "Pesticide in Sediment",      "Pesticide Foliage Degraded", "Pesticide Soil Degraded", "Pesticide Drainage",
    "Pesticide Return Flow",      "Pesticide 4 Day Runoff"};

struct subarea_year {
    int subarea = 0, said = 0, year = 0;
    std::array<float, subarea_year_values.size()> values{};
};

bool starts_subarea_year(const std::string& line)
{
    return line.size() >= 6 && line[5] != ' ' && line[5] != '\n';
}

void set_keys(bulk_inserter& row, std::int32_t run_id, const subarea_year& current)
{
    row.set_integer(0, run_id);
    row.set_integer(1, current.subarea);
    row.set_integer(2, current.said);
    row.set_integer(3, current.year);
}

} // namespace

bool load_annual_pesticides(vorn_output_class& out, output_sink& sink, int variant, std::string& log)
{
    loader_file file(out);
    if (!open_loader_file(out, file, ".APS", log, "Unable to open .APS output file")
        || !file.skip_headings(variant == 2 ? 10 : 9))
        return false;
    bulk_inserter* annual = open_output_table(out, sink, annual_pesticide_output_table(),
                                              "Cannot open table Annual Pesticide Output");
    if (!annual)
        return false;
    bulk_inserter* pesticide = open_output_table(out, sink, annual_pesticide_output_2_table(),
                                                 "Cannot open table Annual Pesticide Output2");
    if (!pesticide)
        return false;
    std::array<const char*, subarea_year_values.size()> value_names{};
    for (size_t i = 0; i < value_names.size(); ++i)
        value_names[i] = subarea_year_values[i].column;
    const auto value_columns = column_positions(annual_pesticide_output_table(), value_names);
    const auto amount_columns = column_positions(annual_pesticide_output_2_table(), pesticide_columns);
    const int name_column = annual_pesticide_output_2_table().column_index("Pesticide Name");

    subarea_year current;
    while (file.next_data()) {
        if (starts_subarea_year(file.line)) {
            current.subarea = file.integer(1, 6);
            current.said = file.integer(7, 11);
            current.year = file.integer(17, 21);
            for (size_t i = 0; i < current.values.size(); ++i)
                current.values[i] = file.real(subarea_year_values[i].first, subarea_year_values[i].last);
        }
        std::array<float, pesticide_columns.size()> amounts{};
        if (file.line.size() > 70) {
            for (size_t i = 0; i < amounts.size(); ++i) {
                const int first = 87 + 13 * static_cast<int>(i);
                amounts[i] = file.real(first, first + 12);
            }
        }
        if (file.stopped())
            return false;
        if (!out.in_relative_window(current.year))
            continue;
        set_keys(*annual, out.run_id, current);
        for (size_t i = 0; i < current.values.size(); ++i)
            annual->set_single(value_columns[i], out.convert(current.values[i], subarea_year_values[i].factor));
        if (!insert_output_row(out, *annual))
            return false;
        if (file.line.size() <= 70)
            continue;
        set_keys(*pesticide, out.run_id, current);
        pesticide->set(name_column, field_value(latin1_to_utf8(trim_copy(field_of(file.line, 71, 86)))));
        for (size_t i = 0; i < amount_columns.size(); ++i)
            pesticide->set_single(amount_columns[i], amounts[i] * out.small_mass);
        if (!insert_output_row(out, *pesticide))
            return false;
    }
    return file.finish(log);
}

} // namespace ivorn
