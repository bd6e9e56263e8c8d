// Column layouts of the reference tables. Their column order is the model database's and differs
// from the field order of the model's data files (crops and operations most of all); the records
// bind by name, so only these lists need to know.
#include "reference/reference_tables.h"

namespace ivorn {

namespace {

table_description build_crops()
{
    table_builder t("Crops");
    t.long_col("ID")
        .text_col("Name", 25)
        .long_col("Category")
        .singles({"Biomass Energy Ratio", "Harvest Index", "Optimal Temperature",
                  "Minimum Temperature", "Maximum Leaf Area Index", "Growing Season Leaf Decline",
                  "Leaf Development First Point", "Leaf Development Second Point",
                  "Leaf Area Decline Rate", "Biomass Energy Ratio Decline", "Aluminum Tolerance",
                  "Maximum Stomatal Conductance", "Critical Aeration Factor", "Seeding Rate",
                  "Maximum Crop Height", "Maximum Root Depth", "CO2 Concentration",
                  "Nitrogen in Yield", "Phosphorus in Yield", "Cky", "Minimum Harvest Index",
                  "Pest Factor", "Seed Cost", "Price for Yield"})
        .singles({"Water in Yield", "Nitrogen Uptake Emergence", "Nitrogen Uptake Midseason",
                  "Nitrogen Uptake Maturity", "Phosphorus Uptake Emergence",
                  "Phosphorus Uptake Midseason", "Phosphorus Uptake Maturity", "Bk1", "Bk2", "Bk3",
                  "Wind Erosion Factor Live", "Wind Erosion Factor Dead",
                  "Wind Erosion Factor Flat"})
        .singles({"Frost Damage First Point", "Frost Damage Second Point",
                  "Vapor Pressure Deficit", "VPD Threshold", "VPD", "Root Weight Emergence",
                  "Root Weight Maturity", "Germination Heat Units"})
        // Out of file order, where the model's own database keeps it.
        .single_col("Price for Yield Forage")
        .singles({"Plant Population Point1", "Plant Population Point2", "Stx1", "Stx2",
                  "Lignin at Half Maturity", "Lignin at Full Maturity", "Wub", "Fto", "Flt"})
        .primary_key({"ID"});
    return t.build();
}

table_description build_fertilizer()
{
    table_builder t("Fertilizer");
    t.long_col("ID")
        .text_col("Name", 25)
        .singles({"Mineral Nitrogen", "Mineral Phosphorus", "Mineral Potassium",
                  "Organic Nitrogen", "Organic Phosphorus", "Ammonia Nitrogen", "Organic Carbon",
                  "Salt Fraction", "Fertilizer Cost"})
        .primary_key({"ID"});
    return t.build();
}

table_description build_pesticide()
{
    table_builder t("Pesticide");
    t.long_col("ID")
        .text_col("Name", 25)
        .singles({"Solubility", "Half Life Soil", "Half Life Foliage", "Wash Off Fraction",
                  "Organic Carbon Absorption", "Cost"})
        .primary_key({"ID"});
    return t.build();
}

table_description build_operations()
{
    table_builder t("Operations");
    t.long_col("ID")
        .text_col("Name", 25)
        .long_col("Code")
        .singles({"Cost", "Mixing Efficiency", "Surface Random Roughness", "Tillage Depth",
                  "Ridge Height", "Ridge Interval", "Furrow Dike Height", "Furrow Dike Interval",
                  "Harvest Pesticide Efficiency Ratio", "Override Harvest Index",
                  "Fraction of Soil Compacted", "Fraction of Population Reduced"})
        .text_col("Pcd", 50)
        .singles({"Pric", "Plst", "Hry", "Hrl", "Pwr", "Wdt", "Spd", "Rc1", "Rc2", "Xlb", "Fcm",
                  "Vr1", "Vr2", "Efm", "Rti", "Tcem", "Stir"})
        .primary_key({"ID"});
    return t.build();
}

} // namespace

const table_description& crops_table()
{
    static const table_description table = build_crops();
    return table;
}

const table_description& fertilizer_table()
{
    static const table_description table = build_fertilizer();
    return table;
}

const table_description& pesticide_table()
{
    static const table_description table = build_pesticide();
    return table;
}

const table_description& operations_table()
{
    static const table_description table = build_operations();
    return table;
}

} // namespace ivorn
