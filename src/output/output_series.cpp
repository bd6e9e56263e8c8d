// The series layouts of the output tables and the units of their columns. The units follow the
// factors the loaders convert with: a column converted as a depth is in mm, as a tonnage in t/ha.
#include "output/output_series.h"

#include "core/text_utils.h"
#include "output/output_tables.h"
#include "store/database.h"

namespace ivorn {

namespace {

std::vector<series_layout> build_layouts()
{
    const auto yearly = series_step::yearly;
    const auto monthly = series_step::monthly;
    const auto daily = series_step::daily;
    return {
        {&yearly_output_table(), "Farm Id", "Subarea", "Year", "", "", "", yearly},
        {&annual_watershed_output_table(), "Id", "", "Year", "", "", "", yearly},
        {&crop_yield_output_table(), "Id", "Subarea Id", "Year", "", "", "Crop Name", yearly},
        {&annual_pesticide_output_table(), "Id", "Subarea Id", "Year", "", "", "", yearly},
        {&annual_pesticide_output_2_table(), "Id", "Subarea Id", "Year", "", "", "Pesticide Name", yearly},
        {&organic_c_and_n_output_table(), "Id", "Subarea Id", "Year", "", "", "", yearly},
        {&soil_salt_output_table(), "Id", "Subarea Id", "Year", "", "", "", yearly},
        {&monthly_subarea_output_table(), "ID", "Subarea Id", "Yr", "Mon", "", "", monthly},
        {&monthly_swat_output_table(), "Id", "", "Year", "Month", "", "", monthly},
        {&watershed_output_table(), "ID", "", "Year", "Month", "", "", monthly},
        {&residue_output_table(), "Id", "Subarea", "Year", "Month", "", "", monthly},
        {&swat_output_table(), "Id", "", "Year", "", "Day", "", daily},
        {&swat_output_2_table(), "Id", "", "Year", "", "Day", "", daily},
        {&swat_pesticide_output_table(), "Id", "", "Year", "", "Day", "Pesticide Name", daily},
    };
}

// Columns that only tell rows apart or count them.
bool is_bookkeeping(std::string_view column)
{
    for (const char* name : {"Select Id", "Said", "Number Crops"}) {
        if (equals_ignoring_case(column, name))
            return true;
    }
    return false;
}

struct unit_group {
    const char* table;
    unit_factor unit;
    std::vector<const char*> columns; // a name ending in '*' is a prefix
};

// Columns not named here have no unit (counts of stress days, indexes, ratios).
const std::vector<unit_group>& unit_groups()
{
    using u = unit_factor;
    static const std::vector<unit_group> groups = {
        {"Yearly Output", u::area, {"Area by Field"}},
        {"Yearly Output", u::temperature, {"Tmx"}},
        {"Yearly Output", u::depth, {"Prcp", "Q", "Prk", "Ssf", "Rssf", "Dprk", "Et"}},
        {"Yearly Output", u::tonnage, {"Musl", "Crop * Yield", "Crop * Biomass"}},
        {"Yearly Output", u::mass, {"Yp", "Yn", "Qn", "Ssfn", "Prkn", "Gmn", "Dn", "Nfix", "Qp", "Mnp", "Avol", "Nitr",
                                    "Fnmn", "Fnma", "Fno", "Fpo", "Fpl", "Hay", "Crop * Fn", "Crop * Fp",
                                    "Crop * Yln", "Crop * Ylp"}},
        {"Yearly Output", u::length, {"Soil Depth"}},
        {"Annual Watershed Output", u::depth, {"Prcp", "Et", "Q", "Ssf", "Rssf", "Qrf", "Qdr", "Prk", "Irga", "Wy"}},
        {"Annual Watershed Output", u::tonnage, {"Y", "Yn", "Ynwn", "Rus2sa1"}},
        {"Annual Watershed Output", u::mass, {"Ywnd", "Qn", "Ssfn", "Qrfn", "Rsfn", "Qdrn", "Prkn", "Dn", "Avol", "Nfix",
                                              "Fno", "Fnmn", "Fnma", "Qp", "Yp", "Ypwn", "Prkp", "Fpo", "Fpl", "Qc",
                                              "Yc", "Ycwn", "Yln", "Ylp", "Btn", "Btp", "Ftn", "Ftp", "Btc", "Ftc",
                                              "Bslt", "Fslt", "Btcsa1", "Ftcsa1"}},
        {"Crop Yield Output", u::tonnage, {"Grain Yield", "Forage Yield", "Biomass"}},
        {"Crop Yield Output", u::mass, {"Nitrogen Applied", "Phosphorus Applied"}},
        {"Annual Pesticide Output", u::depth, {"Runoff", "Subsurface Flow"}},
        {"Annual Pesticide Output", u::mass, {"Percolation", "Drainage"}},
        {"Annual Pesticide Output", u::tonnage, {"Sediment", "Yoc"}},
        {"Annual Pesticide Output 2", u::small_mass, {"Pesticide *"}},
        {"Organic C and N Output", u::mass, {"Total Organic *", "Organic *"}},
        {"Soil Salt Output", u::mass, {"Total Salt", "Salt Layer *"}},
        {"Monthly Subarea Output", u::depth, {"Precipitation", "Evapotranspiration", "Runoff", "Subsurface Flow",
                                             "Percolation", "Irrigation", "Return Flow"}},
        {"Monthly Subarea Output", u::mass, {"Organic N", "Ammonium N", "Organic P", "Mineral P", "Carbon in Residue",
                                            "N Uptake", "P Uptake"}},
        {"Monthly Subarea Output", u::tonnage, {"Crop Residue", "Surface Residue"}},
        {"Monthly SWAT Output", u::depth, {"Runoff"}},
        {"Monthly SWAT Output", u::tonnage, {"Sediment"}},
        {"Monthly SWAT Output", u::mass, {"N in *", "P in *"}},
        {"Monthly SWAT Output", u::small_mass, {"Qpst", "Ypst"}},
        {"Watershed Output", u::depth, {"Prcp", "Qss", "Qsw", "Qts", "Qtw"}},
        {"Watershed Output", u::tonnage, {"Ys", "Yw"}},
        {"Watershed Output", u::mass, {"Yns", "Ynw", "Yps", "Ypw", "Qns", "Qnw", "Qps", "Qpw", "Ymus", "Ymuw"}},
        {"Residue Output", u::tonnage, {"Rsd"}},
        {"SWAT Output", u::depth, {"Runoff"}},
        {"SWAT Output", u::mass, {"N in Runoff", "P in Runoff"}},
        {"SWAT Output 2", u::tonnage, {"Sediment"}},
        {"SWAT Output 2", u::mass, {"N in Sediment", "P in Sediment"}},
        {"SWAT Pesticide Output", u::small_mass, {"Qpst", "Ypst"}},
    };
    return groups;
}

// "Crop * Yield" matches "Crop 3 Yield"; "Salt Layer *" every salt layer.
bool matches(std::string_view pattern, std::string_view column)
{
    const size_t star = pattern.find('*');
    if (star == std::string_view::npos)
        return equals_ignoring_case(pattern, column);
    const std::string_view head = pattern.substr(0, star);
    const std::string_view tail = pattern.substr(star + 1);
    if (column.size() < head.size() + tail.size())
        return false;
    if (!equals_ignoring_case(column.substr(0, head.size()), head))
        return false;
    if (!equals_ignoring_case(column.substr(column.size() - tail.size()), tail))
        return false;
    const std::string_view middle = column.substr(head.size(), column.size() - head.size() - tail.size());
    // A crop number in the middle; a prefix pattern takes any rest.
    return tail.empty() || middle.find(' ') == std::string_view::npos;
}

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

} // namespace

std::vector<std::string> series_layout::value_columns() const
{
    std::vector<std::string> names;
    for (const column_description& column : table->columns) {
        if (column.type == column_type::text || is_bookkeeping(column.name))
            continue;
        bool key = false;
        for (const std::string* k : {&id, &subarea, &year, &month, &day, &category})
            key = key || equals_ignoring_case(*k, column.name);
        // "SAID" of the monthly subarea table is the subarea's own number, not a value.
        if (!key && !equals_ignoring_case(column.name, "SAID"))
            names.push_back(column.name);
    }
    return names;
}

std::string series_layout::value_column(std::string_view name) const
{
    for (std::string& column : value_columns()) {
        if (equals_ignoring_case(column, trim_copy(name)))
            return column;
    }
    return {};
}

const std::vector<series_layout>& series_layouts()
{
    static const std::vector<series_layout> layouts = build_layouts();
    return layouts;
}

const series_layout* find_series_layout(std::string_view table)
{
    const std::string wanted = trim_copy(strip_brackets(trim_copy(table)));
    for (const series_layout& layout : series_layouts()) {
        if (equals_ignoring_case(layout.table->name, wanted))
            return &layout;
    }
    return nullptr;
}

bool resolve_series_columns(std::string_view table, const std::vector<std::string>& columns,
                            const series_layout*& layout, std::vector<std::string>& resolved, std::string& log)
{
    layout = find_series_layout(table);
    if (!layout) {
        std::vector<std::string> names;
        for (const series_layout& each : series_layouts())
            names.push_back(each.table->name);
        log += "Unknown output table \"" + std::string(table) + "\". Valid tables: " + joined(names) + ".\r\n";
        return false;
    }
    resolved.clear();
    for (const std::string& column : columns) {
        std::string name = layout->value_column(column);
        if (name.empty()) {
            log += "Unknown column \"" + column + "\" in table " + layout->table->name +
                   ". Valid columns: " + joined(layout->value_columns()) + ".\r\n";
            return false;
        }
        resolved.push_back(std::move(name));
    }
    return true;
}

unit_factor column_unit(const series_layout& layout, std::string_view column)
{
    for (const unit_group& group : unit_groups()) {
        if (layout.table->name != group.table)
            continue;
        for (const char* pattern : group.columns) {
            if (matches(pattern, column))
                return group.unit;
        }
    }
    return unit_factor::none;
}

std::string unit_text(unit_factor unit)
{
    switch (unit) {
    case unit_factor::tonnage: return "t/ha";
    case unit_factor::depth: return "mm";
    case unit_factor::mass: return "kg/ha";
    case unit_factor::small_mass: return "g/ha";
    case unit_factor::area: return "ha";
    case unit_factor::length: return "m";
    case unit_factor::temperature: return "\u00b0C";
    case unit_factor::none: break;
    }
    return {};
}

bool is_depth_or_rate(unit_factor unit)
{
    return unit == unit_factor::depth || unit == unit_factor::tonnage || unit == unit_factor::mass ||
           unit == unit_factor::small_mass;
}

std::string area_column(const series_layout& layout)
{
    return layout.table->column_index("Area by Field") >= 0 ? "Area by Field" : "";
}

} // namespace ivorn
