// The reference records' pages. A crop's fields carry the crop file's header labels as their
// help variables, the names the model itself gives them.
#include "sheets/reference_sheets.h"

#include "reference/reference_tables.h"

namespace ivorn {

namespace {

const choice_table crop_categories = {{1, "Warm season annual legume"}, {2, "Cold season annual legume"},
                                      {3, "Perennial legume"},          {4, "Warm season annual"},
                                      {5, "Cold season annual"},        {6, "Perennial"},
                                      {7, "Tree crop"}};

// (column, help variable) pairs shown under their column names.
field_group crop_group(const char* caption, std::initializer_list<std::pair<const char*, const char*>> fields)
{
    field_group group{caption, {}, 2};
    for (const auto& [column, variable] : fields)
        group.fields.push_back({column, column, editor_kind::automatic, nullptr, variable});
    return group;
}

sheet_description build_crop()
{
    sheet_description sheet{"Crops", &crops_table(), {}};
    sheet.pages.push_back(
        {"Page 1",
         {crop_group("Radiation use and leaf area",
                     {{"Biomass Energy Ratio", "WA"}, {"Harvest Index", "HI"}, {"Optimal Temperature", "TOP"},
                      {"Minimum Temperature", "TBS"}, {"Maximum Leaf Area Index", "DMLA"},
                      {"Growing Season Leaf Decline", "DLAI"}, {"Leaf Development First Point", "DLAP1"},
                      {"Leaf Development Second Point", "DLAP2"}, {"Leaf Area Decline Rate", "RLAD"},
                      {"Biomass Energy Ratio Decline", "RBMD"}}),
          crop_group("Plant", {{"Aluminum Tolerance", "ALT"}, {"Maximum Stomatal Conductance", "GSI"},
                               {"Critical Aeration Factor", "CAF"}, {"Seeding Rate", "SDW"},
                               {"Maximum Crop Height", "HMX"}, {"Maximum Root Depth", "RDMX"},
                               {"CO2 Concentration", "WAC2"}})}});
    sheet.pages.push_back(
        {"Page 2",
         {crop_group("Yield composition", {{"Nitrogen in Yield", "CNY"}, {"Phosphorus in Yield", "CPY"},
                                           {"Cky", "CKY"}, {"Water in Yield", "WCY"}}),
          crop_group("Uptake", {{"Nitrogen Uptake Emergence", "BN1"}, {"Nitrogen Uptake Midseason", "BN2"},
                                {"Nitrogen Uptake Maturity", "BN3"}, {"Phosphorus Uptake Emergence", "BP1"},
                                {"Phosphorus Uptake Midseason", "BP2"}, {"Phosphorus Uptake Maturity", "BP3"},
                                {"Bk1", "BK1"}, {"Bk2", "BK2"}, {"Bk3", "BK3"}})}});
    sheet.pages.push_back(
        {"Page 3",
         {crop_group("Harvest and costs", {{"Minimum Harvest Index", "WSYF"}, {"Pest Factor", "PST"},
                                           {"Seed Cost", "COSD"}, {"Price for Yield", "PRYG"},
                                           {"Price for Yield Forage", "PRYF"}}),
          crop_group("Wind erosion", {{"Wind Erosion Factor Live", "BW1"}, {"Wind Erosion Factor Dead", "BW2"},
                                      {"Wind Erosion Factor Flat", "BW3"}})}});
    sheet.pages.push_back(
        {"Growth",
         {crop_group("Frost and vapor pressure",
                     {{"Frost Damage First Point", "FRST1"}, {"Frost Damage Second Point", "FRST2"},
                      {"Vapor Pressure Deficit", "WAVP"}, {"VPD Threshold", "VPTH"}, {"VPD", "VPD2"}}),
          crop_group("Roots, germination and population",
                     {{"Root Weight Emergence", "RWPC1"}, {"Root Weight Maturity", "RWPC2"},
                      {"Germination Heat Units", "GMHU"}, {"Plant Population Point1", "PPLP1"},
                      {"Plant Population Point2", "PPLP2"}}),
          crop_group("Salinity, lignin and residue",
                     {{"Stx1", "STX1"}, {"Stx2", "STX2"}, {"Lignin at Half Maturity", "BLG1"},
                      {"Lignin at Full Maturity", "BLG2"}, {"Wub", "WUB"}, {"Fto", "FTO"}, {"Flt", "FLT"}})}});
    sheet.pages.push_back({"Identification && Units",
                           {{"Crop",
                             {{"Name", "Name", editor_kind::text, nullptr, "NAME"},
                              {"Category", "Category", editor_kind::choice, &crop_categories, "IDC"}}}}});
    return sheet;
}

// The columns after ID and Name, each under its own name; `prefixed` columns take the table's
// name in front as their help variable, where another table has a column of the same name.
sheet_description build_supply(const char* caption, const table_description& table, const char* kind,
                               std::initializer_list<const char*> prefixed)
{
    field_group values{"Values", {}, 1};
    for (size_t index = 2; index < table.columns.size(); ++index) {
        const std::string& column = table.columns[index].name;
        std::string variable;
        for (const char* name : prefixed)
            variable = column == name ? std::string(kind) + " " + column : variable;
        values.fields.push_back({column, column, editor_kind::automatic, nullptr, variable});
    }
    return {caption, &table,
            {{caption,
              {{"Identification", {{"Name", "Name", editor_kind::text, nullptr, std::string(kind) + " Name"}}},
               values}}}};
}

} // namespace

const sheet_description& crop_sheet()
{
    static const sheet_description sheet = build_crop();
    return sheet;
}

const sheet_description& fertilizer_sheet()
{
    static const sheet_description sheet = build_supply("Fertilizer", fertilizer_table(), "Fertilizer", {"Organic Carbon"});
    return sheet;
}

const sheet_description& pesticide_sheet()
{
    static const sheet_description sheet = build_supply("Pesticide", pesticide_table(), "Pesticide", {"Cost"});
    return sheet;
}

} // namespace ivorn
