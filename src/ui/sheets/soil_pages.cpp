// The soil's pages. Layer values go under their column names; the soil-wide values take "Soil "
// in front as their help variable, as several of their names are columns of other tables too.
#include "sheets/soil_sheets.h"

#include "site/soil_tables.h"
#include "site/vorn_soil.h"

namespace ivorn {

namespace {

const choice_table hydrologic_groups = {{1, "A"}, {2, "B"}, {3, "C"}, {4, "D"}};
const choice_table weathering_codes = {{0, "Calcareous or noncalcareous without weather information"},
                                       {1, "Noncalcareous slightly weathered"},
                                       {2, "Noncalcareous moderately weathered"},
                                       {3, "Noncalcareous highly weathered"},
                                       {4, "P sorption coefficients"}};
const choice_table soil_group_types = {{0, "Kaolinitic"}, {1, "Mixed"}, {2, "Smectitic"}};

field_entry soil_field(const char* column, editor_kind editor = editor_kind::automatic,
                       const choice_table* choices = nullptr)
{
    return {column, column, editor, choices, std::string("Soil ") + column};
}

page_description build_soil()
{
    return {"Soil",
            {{"Identification",
              {soil_field("Name"), soil_field("Soils 5 ID"), soil_field("Map Unit Symbol"),
               soil_field("Hydrologic Group", editor_kind::choice, &hydrologic_groups),
               soil_field("Weathering Code", editor_kind::choice, &weathering_codes),
               soil_field("Soil Group Type", editor_kind::choice, &soil_group_types)}},
             {"Water and groundwater",
              {soil_field("Albedo"), soil_field("Initial Water Content"), soil_field("Minimum Water Table Depth"),
               soil_field("Maximum Water Table Depth"), soil_field("Initial Water Table Depth"),
               soil_field("Subsurface Flow Travel Time"), soil_field("Initial Groundwater Storage"),
               soil_field("Maximum Groundwater Storage"), soil_field("Return Flow Root Zone")},
              2},
             {"Profile",
              {soil_field("Maximum Layers"), soil_field("Previous Years Cultivation"),
               soil_field("Minimum Thickness of Maximum Layer"), soil_field("Minimum Profile Thickness"),
               soil_field("Minimum Beginning Layer Thickness"), soil_field("Fraction of Org C in Biomass"),
               soil_field("Fraction of Humus in Passive")},
              2}}};
}

// The layer columns from `first` (0-based among the 42) up to `last`.
field_group layer_group(const char* caption, int first, int last)
{
    const auto& columns = soil_layers_table().columns;
    // [Soil Id] and [Layer Number] come first.
    constexpr int first_value = 2;
    field_group group{caption, {}, 2};
    for (int index = first; index <= last; ++index) {
        const std::string& column = columns[static_cast<size_t>(first_value + index)].name;
        group.fields.push_back({column, column});
    }
    return group;
}

sheet_description build_layer()
{
    return {"Soil Layer",
            &soil_layers_table(),
            {{"Soil Layer 1",
              {layer_group("Depth, water and texture", layer_depth, silt_content),
               layer_group("Chemistry and hydraulics", silt_content + 1, soil_layer_columns_read - 1)}},
             {"Soil Layer 2", {layer_group("Litter, carbon and nitrogen pools", soil_layer_columns_read,
                                           soil_layer_columns - 1)}}}};
}

} // namespace

const page_description& soil_page()
{
    static const page_description page = build_soil();
    return page;
}

const sheet_description& soil_layer_sheet()
{
    static const sheet_description sheet = build_layer();
    return sheet;
}

} // namespace ivorn
