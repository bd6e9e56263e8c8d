// Column layouts of "Subareas" and "Management". Neither has a primary key: a subarea row is
// identified by two columns, each indexed on its own as the model's database had them.
#include "site/subarea_tables.h"

namespace ivorn {

namespace {

table_description build_subareas()
{
    table_builder t("Subareas");
    t.longs({"ID", "Subarea Id", "Soil Id", "Op Schedule Number", "Owner Id", "Feeding Area"})
        // Present in the model's database but never read or written by the subarea record.
        .long_col("Grazing Area")
        .long_col("Manure App Area")
        .shorts({"Filter Strip Flag", "Curve Number Type", "Daily Weather Station Number",
                 "Point Source Number", "Pipe Outflow Subarea Id", "Luns",
                 "Auto Mow Min Interval"})
        .singles({"Water Content of Snow Cover", "Standing Dead Crop Residue",
                  "Subarea X Centroid", "Subarea Y Centroid",
                  // hydrology
                  "Drainage Area", "Channel Length", "Channel Depth", "Channel Slope",
                  "Mannings N for Channel", "Slope", "Slope Length", "Mannings N for Upland",
                  "Filter Strip Flow Fraction", "Urban Fraction of Subarea",
                  // routing reach
                  "RR Channel Length of Routing Reach", "RR Routing Reach Channel Depth",
                  "RR Bottom Width of Channel", "RR Top Width of Channel", "RR Slope",
                  "RR Mannings N for Channel", "RR USLE C for Channel", "RR USLE K for Channel",
                  "RR Floodplain Width", "RR Floodplain Length",
                  // reservoir
                  "RS Elev at Emergency Spillway", "RS Surface Area at Emergency Spillway",
                  "RS Volume at Emergency Spillway Elev", "RS Elev at Principal Spillway",
                  "RS Surface Area at Principal Spillway", "RS Volume at Principal Spillway Elev",
                  "RS Initial Volume", "RS Principal Spillway Release Rate",
                  "RS Initial Sediment Concentration", "RS Normal Sediment Concentration",
                  "RS Bottom Hydraulic Conductivity"})
        .long_col("RS Time Required to Return to Normal Sed Conc")
        .singles({"RS Bulk Density", "Fraction Subarea Controlled by Ponds",
                  "Fraction Subarea Controlled by Buffers", "Buffer Flow Length"})
        .short_col("Land Use Number")
        .long_col("Autoirrigation Number")
        .short_col("Hydrologic Condition")
        .singles({"Orientation of Slope", "Field Length", "Field Width", "Angle Field"})
        .index("Index1", "ID")
        .index("Index2", "Subarea Id");
    return t.build();
}

table_description build_management()
{
    table_builder t("Management");
    t.longs({"ID", "Subarea Id"})
        .short_col("Irrigation Rigidity")
        .longs({"Irrigation", "Minimum Auto Irrigation Interval", "Minimum Auto Fertilizer Interval",
                "Liming Code", "Furrow Dike Code", "Drainage Code"})
        .shorts({"Lagoon Fertigation Code", "Feeding Area Manure Code",
                 // Present in the model's database but never read or written by the subarea.
                 "Daily Manure Application Code", "Auto P Code", "Auto Commercial N Code",
                 "Auto Solid Manure Code"})
        .singles({"Irrigation Trigger", "Irrigation Runoff Ratio", "Maximum Annual Irrigation Volume",
                  "Minimum Single Irrigation Volume", "Maximum Single Irrigation Volume",
                  "Auto Fertilizer Trigger", "Fertilizer Auto N Rate", "Maximum Annual N",
                  "Drainage End Stress", "Furrow Dike Safety Factor",
                  "Conservation Practice Factor", "Lagoon Control Fraction", "Lagoon Volume Ratio",
                  "Lagoon Input from Wash", "Lagoon Time from Max", "Liquid to Total Manure Ratio",
                  "Auto Manure Application Rate", "Lagoon Safety Factor",
                  "Feeding Stock Pile Rate", "Adjust Auto Irrigation"})
        .numbered(column_type::short_int, "Herd ", 1, 10, " Id")
        .numbered(column_type::single_float, "Grazing Limit for Herd ", 1, 10)
        .index("ID", "ID")
        .index("Subarea Id", "Subarea Id");
    return t.build();
}

} // namespace

const table_description& subareas_table()
{
    static const table_description table = build_subareas();
    return table;
}

const table_description& management_table()
{
    static const table_description table = build_management();
    return table;
}

} // namespace ivorn
