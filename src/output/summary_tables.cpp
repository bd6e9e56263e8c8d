// Average Output and Yearly Output share one row writer: the averages are the report's values at
// the duration's year slot, the yearly rows its values at each year.
#include "output/summary_tables.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "core/text_utils.h"
#include "output/output_loaders_common.h"
#include "output/output_tables.h"
#include "output/output_variables.h"

namespace ivorn {
namespace {

struct report_value_column {
    const char* column;
    const char* variable; // as the report prints it, right-justified in 4 characters
    unit_factor factor;
};

const report_value_column report_values[] = {
    {"Tmx", " TMX", unit_factor::temperature}, {"Prcp", "PRCP", unit_factor::depth}, {"Q", "   Q", unit_factor::depth},
    {"Prk", " PRK", unit_factor::depth},       {"Yp", "  YP", unit_factor::mass},    {"Ssf", " SSF", unit_factor::depth},
    {"Rssf", "RSSF", unit_factor::depth},      {"Yn", "  YN", unit_factor::mass},    {"Qn", "  QN", unit_factor::mass},
    {"Ssfn", "SSFN", unit_factor::mass},       {"Prkn", "PRKN", unit_factor::mass},  {"Gmn", " GMN", unit_factor::mass},
    {"Dn", "  DN", unit_factor::mass},         {"Dprk", "DPRK", unit_factor::depth}, {"Nfix", "NFIX", unit_factor::mass},
    {"Et", "  ET", unit_factor::depth},        {"Qp", "  QP", unit_factor::mass},    {"Mnp", " MNP", unit_factor::mass},
    {"Avol", "AVOL", unit_factor::mass},       {"Nitr", "NITR", unit_factor::mass},  {"Musl", "MUSL", unit_factor::tonnage},
    {"Fnmn", "FNMN", unit_factor::mass},       {"Fnma", "FNMA", unit_factor::mass},  {"Fno", " FNO", unit_factor::mass},
    {"Fpo", " FPO", unit_factor::mass},        {"Fpl", " FPL", unit_factor::mass}};

const report_value_column yearly_only_values[] = {{"Sw10", "SW10", unit_factor::none},
                                                  {"Rzsw", "RZSW", unit_factor::none},
                                                  {"Grzd", "GRZD", unit_factor::none},
                                                  {"Hay", " HAY", unit_factor::mass}};

enum crop_column {
    crop_id, crop_yield, crop_biomass, crop_yln, crop_ylp, crop_fn, crop_fp, crop_water_stress, crop_nitrogen_stress,
    crop_phosphorus_stress, crop_temperature_stress, crop_curve_number, crop_column_count
};
const char* const crop_column_names[crop_column_count] = {
    "Id", "Yield", "Biomass", "Yln", "Ylp", "Fn", "Fp", "Water Stress", "Nitrogen Stress", "Phosphorus Stress",
    "Temperature Stress", "Curve Number"};
constexpr int crop_groups = 5;

// Column positions of Average Output or Yearly Output, looked up once per table.
struct subarea_row_columns {
    int select_id, farm_id, subarea, year, area, soil_depth, soil_water, soil_bd, soil_sand, soil_clay, soil_ph, fc, wp,
        number_crops;
    std::vector<int> values;
    std::vector<int> yearly_values;
    int selected[max_report_selected];
    int crops[crop_groups][crop_column_count];

    explicit subarea_row_columns(const table_description& t)
    {
        auto at = [&t](const std::string& name) { return t.column_index(name); };
        select_id = at("Select Id");
        farm_id = at("Farm Id");
        subarea = at("Subarea");
        year = at("Year");
        area = at("Area by Field");
        soil_depth = at("Soil Depth");
        soil_water = at("Soil Water");
        soil_bd = at("Soil Bd");
        soil_sand = at("Soil Sand");
        soil_clay = at("Soil Clay");
        soil_ph = at("Soil Ph");
        fc = at("Fc");
        wp = at("Wp");
        number_crops = at("Number Crops");
        for (const auto& value : report_values)
            values.push_back(at(value.column));
        for (const auto& value : yearly_only_values)
            yearly_values.push_back(at(value.column));
        for (int k = 0; k < max_report_selected; ++k)
            selected[k] = at("Selected Variable " + std::to_string(k + 1));
        for (int k = 0; k < crop_groups; ++k) {
            for (int c = 0; c < crop_column_count; ++c)
                crops[k][c] = at("Crop " + std::to_string(k + 1) + " " + crop_column_names[c]);
        }
    }
};

template <class T>
T truncated(float value, T low, T high)
{
    if (!std::isfinite(value))
        return 0;
    const double whole = std::trunc(static_cast<double>(value));
    return static_cast<T>(whole < low ? low : whole > high ? high : whole);
}

void set_real(bulk_inserter& row, int column, float value) { row.set_single(column, value); }

float selected_value(vorn_output_class& out, int s, int slot, int k)
{
    const selected_output_variable& variable = out.selected[static_cast<size_t>(k)];
    float value = -1.0f;
    if (!trim_copy(variable.name).empty()) {
        value = 0.0f;
        out.get_yearly_value(s, variable.name, slot, value);
    }
    return convert_selected_value(value, variable.english_unit_label, out.english);
}

// The crop's nutrient pair: averages from the subarea summary list, a year's from the crop
// yield file's table.
void crop_nutrients(const vorn_output_class& out, const subarea_output& sa, const crop_yield_slot& slot, int year,
                    bool yearly, float& fn, float& fp)
{
    fn = fp = 0.0f;
    if (yearly) {
        for (const rotation_crop& crop : sa.rotation_crops) {
            if (names_equal_over(crop.name, slot.name, 5)) {
                fn = crop.nitrogen_applied[static_cast<size_t>(year)] * out.mass;
                fp = crop.phosphorus_applied[static_cast<size_t>(year)] * out.mass;
                return;
            }
        }
        return;
    }
    for (const summary_crop& crop : sa.summary_crops) {
        if (names_equal_over(crop.name, slot.name, 5)) {
            fn = crop.nitrogen * out.mass;
            fp = crop.phosphorus * out.mass;
            return;
        }
    }
}

void set_crop_group(const vorn_output_class& out, const subarea_output& sa, bulk_inserter& row, const int* columns,
                    int k, int slot_year, bool yearly)
{
    if (sa.crop_count <= k) {
        for (int c = 0; c < crop_column_count; ++c)
            row.set(columns[c], field_value{});
        return;
    }
    const crop_yield_slot& slot = sa.crop_yields[static_cast<size_t>(k)];
    const size_t y = static_cast<size_t>(slot_year);
    // Averages divide the sums by the harvests; a year's values stand as they are.
    const float divisor = yearly ? 1.0f : static_cast<float>(slot.harvest_count);
    auto value = [&](const year_values& values) { return divisor == 0.0f ? 0.0f : values[y] / divisor; };
    row.set(columns[crop_id], field_value(slot.name));
    set_real(row, columns[crop_yield], value(slot.yield) * out.tonnage);
    set_real(row, columns[crop_biomass], value(slot.biomass) * out.tonnage);
    set_real(row, columns[crop_yln], value(slot.yln) * out.mass);
    set_real(row, columns[crop_ylp], value(slot.ylp) * out.mass);
    float fn = 0.0f, fp = 0.0f;
    crop_nutrients(out, sa, slot, slot_year, yearly, fn, fp);
    set_real(row, columns[crop_fn], fn);
    set_real(row, columns[crop_fp], fp);
    row.set_integer(columns[crop_water_stress], truncated<short>(value(slot.water_stress), SHRT_MIN, SHRT_MAX));
    row.set_integer(columns[crop_nitrogen_stress], truncated<short>(value(slot.nitrogen_stress), SHRT_MIN, SHRT_MAX));
    row.set_integer(columns[crop_phosphorus_stress],
                    truncated<short>(value(slot.phosphorus_stress), SHRT_MIN, SHRT_MAX));
    row.set_integer(columns[crop_temperature_stress],
                    truncated<std::int32_t>(value(slot.temperature_stress), INT32_MIN, INT32_MAX));
    set_real(row, columns[crop_curve_number], sa.schedule_crops[static_cast<size_t>(k)].curve_number);
}

// One row of Average Output (slot = duration) or Yearly Output (slot = the year index).
void set_subarea_row(vorn_output_class& out, bulk_inserter& row, const subarea_row_columns& c, int s, int slot,
                     bool yearly)
{
    const subarea_output& sa = out.subareas[static_cast<size_t>(s)];
    const size_t y = static_cast<size_t>(slot);
    row.set_integer(c.select_id, out.select_id);
    row.set_integer(c.farm_id, out.run_id);
    row.set_integer(c.subarea, s + 1);
    if (yearly)
        row.set_integer(c.year, slot + 1);
    set_real(row, c.area, sa.area * out.area_factor);
    for (size_t i = 0; i < std::size(report_values); ++i) {
        float value = 0.0f;
        out.get_yearly_value(s, report_values[i].variable, slot, value);
        set_real(row, c.values[i], out.convert(value, report_values[i].factor));
    }
    if (yearly) {
        for (size_t i = 0; i < std::size(yearly_only_values); ++i) {
            float value = 0.0f;
            out.get_yearly_value(s, yearly_only_values[i].variable, slot, value);
            set_real(row, c.yearly_values[i], out.convert(value, yearly_only_values[i].factor));
        }
    }
    set_real(row, c.soil_depth, sa.soil_depth * out.length);
    if (!yearly) {
        set_real(row, c.soil_water, sa.soil_water_1 - sa.soil_water_2);
        set_real(row, c.soil_bd, sa.soil_bulk_density);
    } else {
        set_real(row, c.soil_water, sa.yearly_soil_1[y] - sa.yearly_soil_2[y]);
        const bool soil_by_year = out.vorn_version == 1307;
        row.set(c.fc, soil_by_year ? field_value(static_cast<double>(sa.yearly_soil_1[y])) : field_value{});
        row.set(c.wp, soil_by_year ? field_value(static_cast<double>(sa.yearly_soil_2[y])) : field_value{});
        row.set(c.soil_bd, soil_by_year ? field_value(static_cast<double>(sa.yearly_soil_3[y])) : field_value{});
    }
    set_real(row, c.soil_sand, sa.soil_sand);
    set_real(row, c.soil_clay, sa.soil_clay);
    set_real(row, c.soil_ph, sa.soil_ph);
    for (int k = 0; k < max_report_selected; ++k)
        set_real(row, c.selected[k], selected_value(out, s, slot, k));
    row.set_integer(c.number_crops, sa.crop_count);
    for (int k = 0; k < crop_groups; ++k)
        set_crop_group(out, sa, row, c.crops[k], k, slot, yearly);
}

bulk_inserter* open_table(vorn_output_class& out, output_sink& sink, const table_description& table)
{
    return open_output_table(out, sink, table, "Cannot open table " + table.name);
}

bool write_selected_variables(vorn_output_class& out, output_sink& sink)
{
    std::string message;
    bulk_inserter* row = sink.open_selected_variables(out.select_id, message);
    if (!row) {
        out.record_error("Cannot open table Selected Variables", trim_copy(message));
        return false;
    }
    for (int k = 0; k < max_report_selected; ++k) {
        row->set_integer(0, out.select_id);
        row->set(1, field_value(format_printf("Selected %d", k + 1)));
        row->set(2, field_value(out.selected[static_cast<size_t>(k)].name));
        if (!insert_output_row(out, *row))
            return false;
    }
    out.selected_variables_written = true;
    return true;
}

bool write_residue_output(vorn_output_class& out, output_sink& sink)
{
    bulk_inserter* row = open_table(out, sink, residue_output_table());
    if (!row)
        return false;
    for (int s = 0; s < out.subarea_count; ++s) {
        for (int y = 0; y < out.duration; ++y) {
            if (!out.year_index_in_window(y))
                continue;
            for (int m = 0; m < months_per_year; ++m) {
                row->set_integer(0, out.run_id);
                row->set_integer(1, s + 1);
                row->set_integer(2, y + 1);
                row->set_integer(3, m + 1);
                row->set_single(4, out.subareas[static_cast<size_t>(s)]
                                       .monthly_residue[static_cast<size_t>(y)][static_cast<size_t>(m)]
                                       * out.tonnage);
                if (!insert_output_row(out, *row))
                    return false;
            }
        }
    }
    return true;
}

// PRCP to QTW are water depths, YS and YW sediment, the rest nutrient masses.
unit_factor watershed_factor(int v)
{
    return v < 5 ? unit_factor::depth : v < 7 ? unit_factor::tonnage : unit_factor::mass;
}

bool write_watershed_output(vorn_output_class& out, output_sink& sink)
{
    bulk_inserter* row = open_table(out, sink, watershed_output_table());
    if (!row)
        return false;
    for (int y = 0; y < out.duration; ++y) {
        if (!out.year_index_in_window(y))
            continue;
        for (int m = 0; m < months_per_year; ++m) {
            row->set_integer(0, out.run_id);
            row->set_integer(1, y + 1);
            row->set_integer(2, m + 1);
            for (int v = 0; v < watershed_variable_count; ++v)
                row->set_single(3 + v, out.watershed[static_cast<size_t>(v)][static_cast<size_t>(y)]
                                                    [static_cast<size_t>(m)]
                                           * out.factor(watershed_factor(v)));
            if (!insert_output_row(out, *row))
                return false;
        }
    }
    return true;
}

} // namespace

bool is_summary_variable(std::string_view name)
{
    auto named = [name](const report_value_column& value) { return trim_copy(value.variable) == name; };
    return name == "RSD" || std::any_of(std::begin(report_values), std::end(report_values), named)
           || std::any_of(std::begin(yearly_only_values), std::end(yearly_only_values), named);
}

float convert_selected_value(float value, const std::string& english_unit_label, bool english)
{
    if (!english)
        return value;
    struct conversion {
        const char* label;
        double scale;
        double offset;
    };
    static const conversion conversions[] = {{"in", 0.03937, 0.0},  {"Degrees F", 1.8, 32.0}, {"mph", 2.23668, 0.0},
                                             {"t/ac", 0.44609, 0.0}, {"f", 3.2808, 0.0},       {"lb/ac", 0.89217, 0.0},
                                             {"T", 1.1023, 0.0}};
    for (const conversion& c : conversions) {
        if (names_equal_over(english_unit_label, c.label, 10))
            return static_cast<float>(value * c.scale + c.offset);
    }
    return value;
}

bool write_summary_tables(vorn_output_class& out, output_sink& sink, bool want_watershed, bool want_residue)
{
    // The flag belongs to the application, not to this database: another project database may
    // never have been given this counter's rows, and its Select Id must still decode.
    std::string ignored;
    const bool write_selection = out.selection_changed || !sink.has_selected_variables(out.select_id, ignored);
    if (write_selection && !write_selected_variables(out, sink))
        return false;
    bulk_inserter* row = open_table(out, sink, average_output_table());
    if (!row)
        return false;
    const subarea_row_columns columns(average_output_table());
    for (int s = 0; s < out.subarea_count; ++s) {
        set_subarea_row(out, *row, columns, s, out.duration, false);
        if (!insert_output_row(out, *row))
            return false;
    }
    if (want_residue && !write_residue_output(out, sink))
        return false;
    if (want_watershed && !write_watershed_output(out, sink))
        return false;
    return true;
}

bool write_yearly_output(vorn_output_class& out, output_sink& sink)
{
    bulk_inserter* row = open_table(out, sink, yearly_output_table());
    if (!row)
        return false;
    const subarea_row_columns columns(yearly_output_table());
    for (int y = 0; y < out.duration; ++y) {
        if (!out.year_index_in_window(y))
            continue;
        for (int s = 0; s < out.subarea_count; ++s) {
            set_subarea_row(out, *row, columns, s, y, true);
            if (!insert_output_row(out, *row))
                return false;
        }
    }
    return true;
}

} // namespace ivorn
