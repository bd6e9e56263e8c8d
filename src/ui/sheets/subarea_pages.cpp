// "Subarea" and its management dialogs, each a one-page sheet over the subarea's "Subareas" and
// "Management" columns, and "HERD" over one herd slot of the control record. Every column the
// subarea record binds is shown by exactly one of them (identity columns aside).
#include "sheets/subarea_sheets.h"

#include <string>

#include "site/control_record.h"
#include "site/livestock_tables.h"
#include "site/subarea_tables.h"
#include "site/vorn_subarea.h"

namespace ivorn {

namespace {

const choice_table hydrologic_conditions = {{0, "Good"}, {1, "Fair"}, {2, "Poor"}};

field_entry flag(const char* column, const char* label)
{
    return {column, label, editor_kind::flag};
}

sheet_description one_page(const char* caption, std::vector<field_group> groups)
{
    return {caption, &subarea_dialog_table(), {{caption, std::move(groups)}}};
}

field_group herd_limits()
{
    field_group group{"Grazing herds", {}, 2};
    for (int herd = 1; herd <= subarea_herds; ++herd) {
        const std::string n = std::to_string(herd);
        group.fields.push_back({"Herd " + n + " Id", "Herd " + n});
        group.fields.push_back({"Grazing Limit for Herd " + n, "Grazing limit " + n});
    }
    return group;
}

std::vector<sheet_description> build_management()
{
    std::vector<sheet_description> sheets;
    sheets.push_back(one_page("Auto Irrigation",
                              {{"Trigger and code",
                                {{"Irrigation", "Irrigation code"},
                                 {"Irrigation Rigidity", "Rigidity"},
                                 {"Autoirrigation Number", "Auto-irrigation number"},
                                 {"Irrigation Trigger", "Trigger"},
                                 {"Minimum Auto Irrigation Interval", "Minimum interval (days)"},
                                 {"Adjust Auto Irrigation", "Adjustment", editor_kind::automatic, nullptr, "Subarea Adjust Auto Irrigation"}}},
                               {"Volumes",
                                {{"Irrigation Runoff Ratio", "Runoff ratio"},
                                 {"Maximum Annual Irrigation Volume", "Maximum annual volume"},
                                 {"Minimum Single Irrigation Volume", "Minimum single volume"},
                                 {"Maximum Single Irrigation Volume", "Maximum single volume"}}}}));
    sheets.push_back(one_page("Auto Fertilization",
                              {{"Nitrogen",
                                {{"Auto Fertilizer Trigger", "Trigger"},
                                 {"Minimum Auto Fertilizer Interval", "Minimum interval (days)"},
                                 {"Fertilizer Auto N Rate", "N rate"},
                                 {"Maximum Annual N", "Maximum annual N"},
                                 {"Auto Commercial N Code", "Commercial N code"}}},
                               {"Phosphorus and manure",
                                {{"Auto P Code", "P code"},
                                 {"Auto Solid Manure Code", "Solid manure code"},
                                 {"Auto Manure Application Rate", "Manure application rate"}}}}));
    sheets.push_back(one_page("Lagoon",
                              {{"Lagoon",
                                {{"Lagoon Fertigation Code", "Fertigation code"},
                                 {"Lagoon Control Fraction", "Fraction of area drained"},
                                 {"Lagoon Volume Ratio", "Volume ratio"},
                                 {"Lagoon Input from Wash", "Input from wash"},
                                 {"Lagoon Time from Max", "Time to empty from maximum"},
                                 {"Lagoon Safety Factor", "Safety factor"}}},
                               {"Feeding area manure",
                                {{"Feeding Area Manure Code", "Manure code"},
                                 {"Liquid to Total Manure Ratio", "Liquid to total manure"},
                                 {"Feeding Stock Pile Rate", "Stock pile rate"}}}}));
    sheets.push_back(one_page("Grazing", {herd_limits()}));
    sheets.push_back(one_page("Reservoir",
                              {{"Spillways",
                                {{"RS Elev at Emergency Spillway", "Emergency elevation"},
                                 {"RS Surface Area at Emergency Spillway", "Emergency surface area"},
                                 {"RS Volume at Emergency Spillway Elev", "Emergency volume"},
                                 {"RS Elev at Principal Spillway", "Principal elevation"},
                                 {"RS Surface Area at Principal Spillway", "Principal surface area"},
                                 {"RS Volume at Principal Spillway Elev", "Principal volume"},
                                 {"RS Principal Spillway Release Rate", "Principal release rate"}},
                                2},
                               {"Storage and sediment",
                                {{"RS Initial Volume", "Initial volume"},
                                 {"RS Initial Sediment Concentration", "Initial sediment conc."},
                                 {"RS Normal Sediment Concentration", "Normal sediment conc."},
                                 {"RS Time Required to Return to Normal Sed Conc", "Days to normal conc."},
                                 {"RS Bottom Hydraulic Conductivity", "Bottom conductivity"},
                                 {"RS Bulk Density", "Bulk density"},
                                 {"Fraction Subarea Controlled by Ponds", "Fraction behind ponds"}},
                                2}}));
    sheets.push_back(one_page("Routing Reach",
                              {{"Routing reach",
                                {{"RR Channel Length of Routing Reach", "Channel length"},
                                 {"RR Routing Reach Channel Depth", "Channel depth"},
                                 {"RR Bottom Width of Channel", "Bottom width"},
                                 {"RR Top Width of Channel", "Top width"},
                                 {"RR Slope", "Slope"},
                                 {"RR Mannings N for Channel", "Manning's n"},
                                 {"RR USLE C for Channel", "USLE C"},
                                 {"RR USLE K for Channel", "USLE K"},
                                 {"RR Floodplain Width", "Floodplain width"},
                                 {"RR Floodplain Length", "Floodplain length"}},
                                2}}));
    sheets.push_back(one_page("Channel",
                              {{"Channel",
                                {{"Channel Length", "Length"},
                                 {"Channel Depth", "Depth"},
                                 {"Channel Slope", "Slope"},
                                 {"Mannings N for Channel", "Manning's n"}}},
                               {"Filter strip and buffers",
                                {flag("Filter Strip Flag", "Filter strip"),
                                 {"Filter Strip Flow Fraction", "Flow fraction through strip"},
                                 {"Fraction Subarea Controlled by Buffers", "Fraction behind buffers"},
                                 {"Buffer Flow Length", "Buffer flow length"}}}}));
    sheets.push_back(one_page(
        "Miscellaneous",
        {{"Land",
          {{"Hydrologic Condition", "Hydrologic condition", editor_kind::choice, &hydrologic_conditions},
           {"Land Use Number", "Land use number"},
           {"Luns", "Land use (subarea file)"},
           {"Conservation Practice Factor", "Conservation practice factor"},
           {"Auto Mow Min Interval", "Auto mow interval (days)"}}},
         {"Liming, dikes and drainage",
          {{"Liming Code", "Liming code"},
           {"Furrow Dike Code", "Furrow dike code"},
           {"Furrow Dike Safety Factor", "Furrow dike safety factor"},
           {"Drainage Code", "Drainage code"},
           {"Drainage End Stress", "Drainage end stress"}}}}));
    return sheets;
}

table_description build_dialog_table()
{
    table_description table = subareas_table();
    table.name = "Subareas and Management";
    table.indexes.clear();
    for (const column_description& column : management_table().columns) {
        if (!table.column(column.name))
            table.columns.push_back(column);
    }
    table.index_positions();
    return table;
}

} // namespace

const table_description& subarea_dialog_table()
{
    static const table_description table = build_dialog_table();
    return table;
}

const sheet_description& subarea_sheet()
{
    static const sheet_description sheet = one_page(
        "Subarea", {{"Subarea",
                     {{"Owner Id", "Owner"},
                      {"Daily Weather Station Number", "Daily weather station"},
                      {"Point Source Number", "Point source"},
                      {"Pipe Outflow Subarea Id", "Pipe outflow to subarea"},
                      {"Feeding Area", "Feeding area"},
                      {"Manure App Area", "Manure application area"}},
                     2},
                    {"Hydrology and slope",
                     {{"Drainage Area", "Drainage area"},
                      {"Curve Number Type", "Curve number type"},
                      {"Slope", "Slope"},
                      {"Slope Length", "Slope length"},
                      {"Mannings N for Upland", "Manning's n, upland"},
                      {"Urban Fraction of Subarea", "Urban fraction"},
                      {"Water Content of Snow Cover", "Snow water content"},
                      {"Standing Dead Crop Residue", "Standing dead residue"}},
                     2},
                    {"Location and shape",
                     {{"Subarea X Centroid", "Centroid X"},
                      {"Subarea Y Centroid", "Centroid Y"},
                      {"Orientation of Slope", "Slope orientation"},
                      {"Angle Field", "Field angle"},
                      {"Field Length", "Field length"},
                      {"Field Width", "Field width"}},
                     2}});
    return sheet;
}

const std::vector<sheet_description>& management_sheets()
{
    static const std::vector<sheet_description> sheets = build_management();
    return sheets;
}

binding_list subarea_dialog_bindings(vorn_subarea& subarea)
{
    binding_list bindings = subarea.subarea_bindings();
    for (field_binding& binding : subarea.management_bindings())
        bindings.push_back(std::move(binding));
    return bindings;
}

const sheet_description& herd_sheet()
{
    static const sheet_description sheet{
        "HERD",
        &livestock_table(),
        {{"HERD",
          {{"Herd",
            {{"Owner Id", "Owner (all herds)", editor_kind::automatic, nullptr, "Herd Owner Id"},
             {"Herd Id", "Herd number"},
             {"Number of Animals", "Number of animals"},
             {"Manure Id", "Manure number"}}},
           {"Feeding and manure",
            {{"Fraction Herd in Feeding Area", "Fraction in feeding area"},
             {"Grazing Rate", "Grazing rate"},
             {"Daily Manure Dump", "Daily manure"},
             {"Urine Volume", "Urine volume"}}}}}}};
    return sheet;
}

binding_list herd_bindings(control_record& record, int slot)
{
    herd_slot& herd = record.herds.slots.at(static_cast<size_t>(slot));
    return {{"Owner Id", &record.herds.owner_number},
            {"Herd Id", &herd.herd_id},
            {"Number of Animals", &herd.number_of_animals},
            {"Fraction Herd in Feeding Area", &herd.fraction_herd_in_feeding_area},
            {"Grazing Rate", &herd.grazing_rate},
            {"Daily Manure Dump", &herd.daily_manure_dump},
            {"Manure Id", &herd.manure_id},
            {"Urine Volume", &herd.urine_volume}};
}

} // namespace ivorn
