// The yearly pages of the main report (a monthly table per subarea with its soil line, crop block
// and crop yields; then the annual watershed table), the soil tables and the closing line.
#include "main_report.h"

#include <algorithm>

#include "core/text_utils.h"
#include "report_layouts.h"
#include "variable_catalogue.h"

namespace ivorn::stand_in {
namespace {

const char* const month_names[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
const char* const watershed_names[] = {"PRCP", "QSS", "QSW", "QTS", "QTW", "YS", "YW", "YNS", "YNW",
                                       "YPS", "YPW", "QNS", "QNW", "QPS", "QPW", "YMUS", "YMUW"};

std::string month_heading(const monthly_table_columns& columns)
{
    fixed_line line;
    for (int m = 0; m < 12; ++m)
        line.put(column_field{columns.months.at(m).first, columns.months.at(m).last, "%s"}, month_names[m]);
    line.put(column_field{columns.annual.first, columns.annual.last, "%s"}, "YR");
    return line.str();
}

// The variables of the monthly table: those the print file asks for, in its order, then those
// the program's summaries need; each once, and none of the crop block's.
std::vector<std::string> table_variables(const input_set& inputs)
{
    std::vector<std::string> names;
    const auto add = [&](const std::string& name) {
        const std::string printed = printed_name(name);
        if (trim_copy(printed).empty())
            return;
        for (const std::string& crop_name : crop_block_variables())
            if (crop_name == printed)
                return;
        for (const std::string& known : names)
            if (known == printed)
                return;
        names.push_back(printed);
    };
    for (const int number : inputs.print.variable_numbers) {
        const auto listed = inputs.names.variables.find(number);
        const variable_entry* builtin = variable_by_number(number);
        if (listed != inputs.names.variables.end())
            add(listed->second);
        else if (builtin)
            add(builtin->name);
        else
            add(format_printf("V%d", number));
    }
    for (const std::string& name : always_printed_variables())
        add(name);
    return names;
}

fixed_line variable_line(const simulated_run& run, const monthly_table_columns& columns, int s, int y,
                         const std::string& name, bool trailing_name)
{
    fixed_line line;
    line.put(columns.name, name);
    for (int m = 0; m < 12; ++m)
        line.put(columns.months.at(m), run.monthly(s, y, m, name));
    line.put(columns.annual, run.annual(s, y, name));
    if (trailing_name)
        line.put(columns.trailing_name, name);
    line.pad_to(columns.minimum_length);
    return line;
}

void write_soil_year(const simulated_run& run, int s, int y, report_text& out)
{
    const soil_year_columns& columns = soil_year_layout();
    out.line(format_printf(" SOIL WATER AT END OF YEAR %d", run.calendar_year(y)));
    out.line("   L   DEPTH      PO      FC      WP      SW     SAT     HCL      BD");
    out.line("         (m)  (m/m)   (m/m)   (m/m)   (m/m)   (m/m)  (mm/h)  (t/m3)");
    out.line("");
    for (int layer = 0; layer < run.subarea(s).soil.layer_count; ++layer) {
        const double fc = run.soil_value(s, y, field_capacity, layer);
        const double wp = run.soil_value(s, y, wilting_point, layer);
        out.line(fixed_line()
                     .put(columns.layer, layer + 1)
                     .put(columns.depth, run.soil_value(s, y, layer_depth, layer))
                     .put(columns.porosity, 1.0 - run.soil_value(s, y, bulk_density, layer) / 2.65)
                     .put(columns.field_capacity, fc)
                     .put(columns.wilting_point, wp)
                     .put(columns.soil_water, wp + (fc - wp) * run.subarea_value(s, "SW", y, layer, 0.2, 0.9))
                     .put(columns.saturation, fc + run.subarea_value(s, "SAT", y, layer, 0.05, 0.15))
                     .put(columns.conductivity, run.soil_value(s, y, saturated_conductivity, layer))
                     .put(columns.bulk_density, run.soil_value(s, y, bulk_density, layer)));
    }
}

void write_crop_yields(const simulated_run& run, int s, int y, report_text& out)
{
    const auto crops = run.harvested(s, y);
    for (size_t i = 0; i < crops.size(); ++i) {
        const crop_in_run& crop = *crops[i];
        const harvest_values h = run.harvest(s, y, crop);
        out.line(format_printf(yield_line_format(run.version()), crop.name.c_str(), h.grain, h.forage, h.biomass,
                               h.water_use, h.nitrogen_in_yield, h.phosphorus_in_yield));
        out.line(format_printf("%6s PHU=%8.1f  HUI=%6.2f", crop.name.c_str(),
                               run.subarea_value(s, "PHU", y, crop.number, 1200.0, 2400.0),
                               run.subarea_value(s, "HUI", y, crop.number, 0.8, 1.3)));
        if (newer_report_files(run.version())) {
            const stress_columns& columns = fixed_stress_layout();
            // Each value has its label four columns to its left.
            out.line(fixed_line(format_printf("%6s STRESS DAYS (BIOM)", crop.name.c_str()))
                         .text_at(columns.water.first - 4, " WS=").put(columns.water, h.water_stress)
                         .text_at(columns.nitrogen.first - 4, " NS=").put(columns.nitrogen, h.nitrogen_stress)
                         .text_at(columns.phosphorus.first - 4, " PS=").put(columns.phosphorus, h.phosphorus_stress)
                         .text_at(columns.temperature.first - 4, " TS=").put(columns.temperature, h.temperature_stress));
        } else {
            out.line(format_printf(scanned_stress_line_format(), crop.name.c_str(), h.water_stress, h.nitrogen_stress,
                                   h.phosphorus_stress, h.temperature_stress));
        }
        // A line of its own between two crops; an empty line after the last.
        out.line(i + 1 < crops.size() ? "       ----" : "");
    }
}

void write_monthly_table(const simulated_run& run, const std::vector<std::string>& variables, int s, int y,
                         report_text& out)
{
    const monthly_table_columns& columns = monthly_table_layout(run.version());
    const subarea_input& subarea = run.subarea(s);
    out.line(page_eject(run));
    out.line(format_printf(" SUBAREA %d  ID %ld  YEAR %d (%d OF %d)", subarea.position, subarea.number,
                           run.calendar_year(y), y + 1, run.duration()));
    out.line(month_heading(columns));
    for (const std::string& name : variables)
        out.line(variable_line(run, columns, s, y, name, true));
    // 1307 ends the table with an "O" in column 6, the others with the next page.
    out.line(run.version() == model_version::v1307 ? std::string("     OUTPUT OF THE YEAR ENDS") : page_eject(run));
    write_soil_year(run, s, y, out);
    out.line("");
    for (const std::string& name : crop_block_variables())
        out.line(variable_line(run, narrow_table_layout(), s, y, name, false));
    out.line(" ---- CROP YIELDS ----");
    write_crop_yields(run, s, y, out);
}

void write_watershed_table(const simulated_run& run, int y, report_text& out)
{
    const monthly_table_columns& columns = monthly_table_layout(run.version());
    out.line(page_eject(run));
    out.line(format_printf(" ANNUAL WATERSHED TABLE  YEAR %d", run.calendar_year(y)));
    out.line(month_heading(columns));
    for (const char* name : watershed_names) {
        fixed_line line;
        line.put(columns.name, printed_name(name));
        for (int m = 0; m < 12; ++m)
            line.put(columns.months.at(m), run.watershed_monthly(y, m, name));
        line.put(columns.annual, run.watershed_annual(y, name));
        out.line(line);
    }
    out.line("");
}

} // namespace

void write_year_tables(const simulated_run& run, int y, report_text& out)
{
    const std::vector<std::string> variables = table_variables(run.inputs());
    for (int s = 0; s < run.subarea_count(); ++s)
        write_monthly_table(run, variables, s, y, out);
    write_watershed_table(run, y, out);
}

void write_soil_tables(const simulated_run& run, report_text& out)
{
    const int last_year = run.duration() - 1;
    for (int s = 0; s < run.subarea_count(); ++s) {
        const subarea_input& subarea = run.subarea(s);
        const int layers = subarea.soil.layer_count;
        out.line(page_eject(run));
        out.line(format_printf(" SOIL PHYSICAL DATA  SUBAREA %d  ID %ld  %s", subarea.position, subarea.number,
                               subarea.soil.name.c_str()));
        out.line(soil_physical_header(run.version()));
        out.line("                 (m/m)   (m/m)   (m/m)   (m/m)   (m/m)  (mm/h)  (t/m3)  (t/m3)     (%)     (%)     (%)");
        const soil_table_columns& physical = soil_physical_layout();
        for (int layer = 0; layer < layers; ++layer) {
            const double sand = run.soil_value(s, last_year, sand_content, layer);
            const double silt = run.soil_value(s, last_year, silt_content, layer);
            const double bd = run.soil_value(s, last_year, bulk_density, layer);
            out.line(fixed_line()
                         .put(physical.layer, layer + 1)
                         .put(physical.depth, run.soil_value(s, last_year, layer_depth, layer))
                         .put(physical.porosity, 1.0 - bd / 2.65)
                         .put(physical.field_capacity, run.soil_value(s, last_year, field_capacity, layer))
                         .put(physical.wilting_point, run.soil_value(s, last_year, wilting_point, layer))
                         .put(physical.soil_water, run.soil_value(s, last_year, soil_water_storage, layer))
                         .put(physical.saturation, 1.0 - bd / 2.65 - 0.02)
                         .put(physical.conductivity, run.soil_value(s, last_year, saturated_conductivity, layer))
                         .put(physical.bulk_density, bd)
                         .put(physical.dry_bulk_density, run.soil_value(s, last_year, bulk_density_dry, layer))
                         .put(physical.sand, sand)
                         .put(physical.silt, silt)
                         .put(physical.clay, std::max(0.0, 100.0 - sand - silt)));
        }
        out.line("");
        out.line(" SOIL CHEMICAL DATA");
        out.line(soil_chemistry_header());
        out.line("          (m)           (cmol/kg)    (%)      (%)  (cmol/kg)");
        const soil_chemistry_columns& chemistry = soil_chemistry_layout();
        for (int layer = 0; layer < layers; ++layer)
            out.line(fixed_line()
                         .put(chemistry.layer, layer + 1)
                         .put(chemistry.depth, run.soil_value(s, last_year, layer_depth, layer))
                         .put(chemistry.ph, run.soil_value(s, last_year, soil_ph, layer))
                         .put(chemistry.sum_of_bases, run.soil_value(s, last_year, sum_of_bases, layer))
                         .put(chemistry.organic_carbon, run.soil_value(s, last_year, organic_carbon, layer))
                         .put(chemistry.calcium_carbonate, run.soil_value(s, last_year, calcium_carbonate, layer))
                         .put(chemistry.cation_exchange, run.soil_value(s, last_year, cation_exchange, layer)));
        out.line("");
    }
}

std::string main_report(const simulated_run& run, bool with_total_line)
{
    report_text out;
    write_general_information(run, out);
    write_schedule_listings(run, out);
    write_subarea_table(run, out);
    for (int y = 0; y < run.duration(); ++y)
        write_year_tables(run, y, out);
    write_soil_tables(run, out);
    if (with_total_line)
        out.line(format_printf("          TOTAL RUN TIME =%8.2f SEC",
                               0.01 * run.subarea_count() * run.duration() + run.run_value("TIME", 0, 0, 0, 0.0, 0.5)));
    return out.str();
}

} // namespace ivorn::stand_in
