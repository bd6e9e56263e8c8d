// Column layout of "Control Records". The order is the model database's own and is what CSV
// exports and the table view show, so it follows that database rather than the control file.
#include "site/control_record_table.h"

namespace ivorn {

namespace {

table_description build_control_records()
{
    table_builder t("Control Records");
    t.long_col("ID")
        .text_col("Description", 80)
        .longs({"State FIPS", "County FIPS", "SWAT Subbasin", "NRIPTR"})
        .text_col("PSU", 25)
        .short_col("Point")
        .long_col("HUC")
        .text_col("MLRA", 5)
        .numbered(column_type::short_int, "Run Attribute ", 1, 3)
        .longs({"Number Subareas", "Weather Station ID", "Simulation Length", "Beginning Year",
                "Beginning Month", "Beginning Day"})
        .byte_col("Printout Interval")
        .byte_col("Print Code")
        .short_col("Weather Input Code")
        .byte_col("Weather Random Cycles")
        .byte_col("Weather Generator Stop Day")
        .short_col("Leap Year Considered")
        .longs({"Potential ET", "Stochastic Curve Number", "Peak Rate Estimate", "Soil Profile",
                "Automatic Heat Unit Scheduling"})
        .short_col("Non Varying Curve Number")
        .long_col("Runoff Estimation Methodology")
        .shorts({"Pesticide Mass and Concentration", "Daily Output to Swat",
                 "Enrichment Ratio Method"})
        .byte_col("Soluble P Runoff Approach")
        .shorts({"NP Uptake Code", "Manure Application Code"})
        .longs({"Lagoon Pump Trigger", "Manure Scrapping Interval"})
        .shorts({"Steepness Factor Code", "Air Quality Analysis", "Flood Routing",
                 "Atmospheric CO2 Code", "Field Capacity Method", "Denitrification Method",
                 "Auto P", "Times Seeds Initialized", "Select Directory", "Auto Mow Interval",
                 "MOSK Kemanian Function", "Use SOT Files", "Subarea Print Code"})
        .singles({"Peak Runoff", "Rainfall Nitrogen Concentration", "CO2 Concentration",
                  "Irrigation NO3 Concentration", "Pest Damage Factor", "Grazing Limit",
                  "Years Cultivation at Start"})
        // A method code, held as a float in memory but stored whole.
        .long_col("Erosion Equation")
        .singles({"Fraction Controlled by Ponds", "Reach Channel USLE C Factor",
                  "Irrigation Salt Concentration"})
        .numbered(column_type::single_float, "MUSI Parameter ", 1, 4)
        .singles({"Manure Rate for P Uptake", "Manure Rate for N Uptake",
                  // Kept for files made by the model's own tools; no member reads it.
                  "Channel Cap Flow Rate", "Exponent In Flow Rate Eq", "Ave Upland Slope",
                  "Channel Bottom Width", "Floodplain Width", "Floodplain Saturated Conductivity",
                  "Maximum Groundwater Storage", "Return Flow Days", "Return Flow Ratio",
                  "Saturated Conductivity Adjustment", "Field Width", "Field Length",
                  "Field Angle", "Power Parameter", "Soil Particle Diameter",
                  "Wind Erosion Control Factor", "Rainfall Change E to W",
                  "Rainfall Change S to N", "Flood Routing Time", "Routing Threshold",
                  "Routing when Reach Storage", "Basin Channel Length", "Basin Channel Slope",
                  "Atmospheric CO2", "Irrigation Water NO3", "N in Rainfall",
                  "Fraction Field Capacity"})
        .numbered(column_type::short_int, "Weather ", 1, 9)
        .numbered(column_type::single_float, "Fraction of Area by Weather ", 1, 9)
        .text_col("Weather Input Filename", 255)
        .shorts({"Use Lat for Subareas", "Grazing Mode", "Duration of Rain"})
        .single_col("Adjust Auto Irrigation")
        .text_col("RFDT Filename", 255)
        .shorts({"Real Time Day of Year", "HPERC or HPERC1", "Hay Feeding"})
        .singles({"Vertical Crack", "Horizontal Crack"})
        .numbered(column_type::single_float, "P2 Bulk Density", 1, 3)
        .primary_key({"ID"});
    return t.build();
}

} // namespace

const table_description& control_records_table()
{
    static const table_description table = build_control_records();
    return table;
}

} // namespace ivorn
