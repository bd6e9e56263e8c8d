// The annual report files: subarea summary (.SUS), crop yields (.ACY), soil organic carbon and
// nitrogen (.ACN), pesticides (.APS) and the annual watershed file (.AWP).
#include "core/text_utils.h"
#include "report_files.h"
#include "report_layouts.h"
#include "report_text.h"

namespace ivorn::stand_in {

std::string report_heading(const simulated_run& run, const char* title, int lines, const std::string& last_line)
{
    report_text out;
    out.line(format_printf(" %s", title));
    out.line(format_printf(" VORN%5d   STAND-IN MODEL (TEST DOUBLE)", version_number(run.version())));
    out.line(" RUN " + run.inputs().run_name);
    out.blank_lines(lines - 4);
    out.line(last_line);
    return out.str();
}

std::string subarea_summary_report(const simulated_run& run)
{
    const sus_columns& columns = sus_layout();
    std::string text = report_heading(run, "SUBAREA SUMMARY", columns.heading_lines,
                                      "      SA   ID    CROP     YLDG      YLDF      BIOM       WS        NS        PS");
    report_text out;
    for (int s = 0; s < run.subarea_count(); ++s) {
        fixed_line line;
        int block = 0;
        for (const crop_in_run& crop : run.crops(s)) {
            const int offset = block * columns.block_width;
            const auto shifted = [offset](column_field field) {
                field.first += offset;
                field.last += offset;
                return field;
            };
            line.put(shifted(columns.number), run.subarea(s).number);
            line.put(shifted(columns.subarea), run.subarea(s).position);
            line.put(shifted(columns.crop), crop.name);
            for (int k = 0; k < columns.value_count; ++k)
                line.put(shifted(columns.values.at(k)), run.subarea_value(s, "SUS", crop.number, k, 0.0, 500.0));
            line.put(shifted(columns.last_value), run.subarea_value(s, "SUS", crop.number, 99, 0.0, 100.0));
            ++block;
        }
        out.line(line);
    }
    return text + out.str();
}

std::string crop_yield_report(const simulated_run& run)
{
    const acy_columns& columns = acy_layout(run.version());
    std::string text = report_heading(run, "ANNUAL CROP YIELD", columns.heading_lines,
                                      "   SA   ID    YR   YR# CROP      YLDG      YLDF      BIOM       FN        FP        WS        NS        PS");
    report_text out;
    for (int s = 0; s < run.subarea_count(); ++s) {
        for (int y = 0; y < run.duration(); ++y) {
            for (const crop_in_run* crop : run.harvested(s, y)) {
                const harvest_values h = run.harvest(s, y, *crop);
                fixed_line line;
                line.put(columns.number, run.subarea(s).number).put(columns.subarea, run.subarea(s).position);
                line.put(columns.calendar_year, run.calendar_year(y)).put(columns.year, y + 1).put(columns.crop, crop->name);
                line.put(columns.grain, h.grain).put(columns.forage, h.forage).put(columns.biomass, h.biomass);
                line.put(columns.nitrogen_applied, h.nitrogen_applied).put(columns.phosphorus_applied, h.phosphorus_applied);
                line.put(columns.water_stress, h.water_stress).put(columns.nitrogen_stress, h.nitrogen_stress);
                line.put(columns.phosphorus_stress, h.phosphorus_stress).put(columns.temperature_stress, h.temperature_stress);
                line.put(columns.aeration_stress, h.aeration_stress).put(columns.salt_stress, h.salt_stress);
                for (int k = 0; k < columns.extra_count; ++k)
                    line.put(columns.extras.at(k), run.subarea_value(s, "ACY", y, k, 0.0, 50.0));
                out.line(line);
            }
        }
    }
    return text + out.str();
}

namespace {

constexpr int acn_layer_rows = 20;   // before the carbon row
constexpr int acn_rows_to_nitrogen = 6;
constexpr int acn_rows_to_salt = 2;

// A value row of the organic carbon and nitrogen table: a label, the layers, then their total.
fixed_line acn_row(const acn_columns& columns, const char* label, const std::vector<double>& layers)
{
    fixed_line line(pad_to_width(label, static_cast<size_t>(columns.label_width)));
    double total = 0.0;
    int k = 0;
    for (const double value : layers) {
        line.put(columns.values.at(k++), value);
        total += value;
    }
    line.put(columns.values.at(k), total);
    return line;
}

std::vector<double> layer_values(const simulated_run& run, int s, int y, const char* what, double low, double high)
{
    std::vector<double> values;
    for (int layer = 0; layer < run.subarea(s).soil.layer_count; ++layer)
        values.push_back(run.subarea_value(s, what, y, layer, low, high));
    return values;
}

void write_acn_block(const simulated_run& run, const acn_columns& columns, int s, int y, report_text& out)
{
    const int layers = run.subarea(s).soil.layer_count;
    out.line(" ------------------------------------------------------------");
    out.line(" SOIL ORGANIC C AND N TABLE");
    out.line(fixed_line("   YR  =").put(columns.year, run.calendar_year(y)));
    out.line(fixed_line(" SUBAREA NO =").put(columns.subarea, run.subarea(s).position));
    std::vector<double> depth;
    std::vector<double> carbon;
    std::vector<double> nitrogen;
    std::vector<double> salt;
    double top = 0.0;
    for (int layer = 0; layer < layers; ++layer) {
        const double bottom = run.soil_value(s, y, layer_depth, layer);
        const double mass = run.soil_value(s, y, bulk_density, layer) * std::max(0.0, bottom - top) * 100000.0;
        depth.push_back(bottom);
        carbon.push_back(run.soil_value(s, y, organic_carbon, layer) * mass);
        nitrogen.push_back(run.soil_value(s, y, organic_n, layer) * mass / 10000.0);
        salt.push_back(run.soil_value(s, y, static_cast<soil_column>(22), layer) * mass / 1000.0);
        top = bottom;
    }
    out.line(acn_row(columns, " DEPTH(m)", depth));
    for (int row = 1; row < acn_layer_rows; ++row)
        out.line(acn_row(columns, format_printf(" POOL %2d", row).c_str(), layer_values(run, s, y, "ACN", 0.0, 900.0)));
    out.line(acn_row(columns, " TOTAL ORGANIC C", carbon));
    for (int row = 1; row < acn_rows_to_nitrogen; ++row)
        out.line(acn_row(columns, format_printf(" N POOL %d", row).c_str(), layer_values(run, s, y, "ACNN", 0.0, 90.0)));
    out.line(acn_row(columns, " TOTAL ORGANIC N", nitrogen));
    out.line("");
    out.line(acn_row(columns, " SALT", salt));
}

} // namespace

std::string organic_carbon_report(const simulated_run& run)
{
    const acn_columns& columns = acn_layout(run.version());
    std::string text = report_heading(run, "ANNUAL SOIL ORGANIC C AND N TABLE", columns.heading_lines, " (kg/ha)");
    report_text out;
    for (int y = 0; y < run.duration(); ++y)
        for (int s = 0; s < run.subarea_count(); ++s)
            write_acn_block(run, columns, s, y, out);
    return text + out.str();
}

std::string pesticide_report(const simulated_run& run)
{
    const aps_columns& columns = aps_layout(run.version());
    std::string text = report_heading(run, "ANNUAL PESTICIDE", columns.heading_lines,
                                      "    SA   ID   YR  YR#       Q     SSF     PRK     QDR       Y     YOC PSTN");
    report_text out;
    for (int s = 0; s < run.subarea_count(); ++s) {
        for (int y = 0; y < run.duration(); ++y) {
            fixed_line line;
            line.put(columns.subarea, run.subarea(s).position).put(columns.number, run.subarea(s).number);
            line.put(columns.calendar_year, run.calendar_year(y)).put(columns.year, y + 1);
            line.put(columns.runoff, run.annual(s, y, "Q")).put(columns.subsurface_flow, run.annual(s, y, "SSF"));
            line.put(columns.percolation, run.annual(s, y, "PRK")).put(columns.drainage, run.annual(s, y, "QDR"));
            line.put(columns.sediment, run.annual(s, y, "MUSL")).put(columns.organic_carbon, run.subarea_value(s, "YOC", y, 0, 0.0, 90.0));
            const auto& pesticides = run.pesticides(s);
            if (pesticides.empty())
                out.line(line);
            for (size_t p = 0; p < pesticides.size(); ++p) {
                // Further pesticides of the subarea-year go on lines of their own, blank in front.
                fixed_line pesticide_line = p == 0 ? line : fixed_line();
                pesticide_line.put(columns.pesticide, pesticides[p].name);
                for (int k = 0; k < 10; ++k)
                    pesticide_line.put(columns.amounts.at(k), run.pesticide_amount(s, y, pesticides[p], k));
                out.line(pesticide_line);
            }
        }
    }
    return text + out.str();
}

std::string annual_watershed_report(const simulated_run& run)
{
    const awp_columns& columns = awp_layout(run.version());
    std::string text = report_heading(run, "ANNUAL WATERSHED", columns.heading_lines,
                                      "      YR      PRCP        ET         Q       SSF      RSSF       QRF       QDR       PRK      IRGA        WY");
    report_text out;
    for (int y = 0; y < run.duration(); ++y) {
        fixed_line line;
        line.put(columns.year, run.calendar_year(y));
        for (int k = 0; k < columns.value_count; ++k)
            line.put(columns.values.at(k), run.run_value("AWP", y, k, 0, 0.0, 900.0));
        out.line(line);
    }
    return text + out.str();
}

} // namespace ivorn::stand_in
