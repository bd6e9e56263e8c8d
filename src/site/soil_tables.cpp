// Column layouts of "Soils" and "Soil Layers". The 42 layer columns are in the order of the soil
// file's layer lines, which is also the order of the soil's layer arrays.
#include "site/soil_tables.h"

namespace ivorn {

namespace {

table_description build_soils()
{
    table_builder t("Soils");
    t.long_col("Soil Id")
        .text_col("Name", 60)
        .text_col("Soils 5 ID", 25)
        .text_col("Map Unit Symbol", 25)
        .shorts({"Hydrologic Group", "Number of Layers", "Weathering Code"})
        .singles({"Albedo", "Initial Water Content", "Minimum Water Table Depth",
                  "Maximum Water Table Depth", "Initial Water Table Depth",
                  "Subsurface Flow Travel Time", "Initial Groundwater Storage",
                  "Maximum Groundwater Storage", "Return Flow Root Zone", "Maximum Layers",
                  "Previous Years Cultivation", "Soil Group Type",
                  "Minimum Thickness of Maximum Layer", "Minimum Profile Thickness",
                  "Minimum Beginning Layer Thickness", "Fraction of Org C in Biomass",
                  "Fraction of Humus in Passive"})
        .primary_key({"Soil Id"});
    return t.build();
}

table_description build_soil_layers()
{
    table_builder t("Soil Layers");
    t.long_col("Soil Id")
        .short_col("Layer Number")
        .singles({"Layer Depth", "Bulk Density", "Wilting Point", "Field Capacity", "Sand Content",
                  "Silt Content", "Organic N Concentration", "pH", "Sum of Bases",
                  "Organic Carbon", "Calcium Carbonate", "Cation Exchange Capacity",
                  "Course Fragment Content", "Nitrate Concentration", "Labile P Concentration",
                  "Crop Residue", "Bulk Density Dry", "Phosphorus Sorption Ratio",
                  "Saturated Conductivity", "Lateral Hydraulic Conductivity",
                  "Organic P Concentration", "Exchangeable K Concentration",
                  "Electrical Condition", "Fraction NO3 Leaching", "Soil Water Storage",
                  "Fraction Inflow to Verticle Crack", "Fraction Inflow to Horizontal Crack",
                  "Structural Litter", "Metabolic Litter", "Lignin in Structural Litter",
                  "Carbon in Structural Litter", "C in Metabolic Litter",
                  "C of Lignin in Structural Litter", "N of Lignin in Structural Litter",
                  "C in Biomass", "C in Slow Humus", "C in Passive Humus",
                  "N in Structural Litter", "N in Metabolic Litter", "N in Biomass",
                  "N in Slow Humus", "N in Passive Humus"})
        .primary_key({"Soil Id", "Layer Number"});
    return t.build();
}

} // namespace

const table_description& soils_table()
{
    static const table_description table = build_soils();
    return table;
}

const table_description& soil_layers_table()
{
    static const table_description table = build_soil_layers();
    return table;
}

} // namespace ivorn
