// Column layouts of the output tables. Each key column gets its own plain index named like the
// column, because output rows of every run share one table and are read back by run, subarea
// or year.
#include "output/output_tables.h"

#include <string>
#include <vector>

namespace ivorn {

namespace {

table_builder& indexed_by(table_builder& t, std::initializer_list<const char*> columns)
{
    for (const char* column : columns)
        t.index(column, column);
    return t;
}

// The per-subarea values of the main report, shared by the run averages and the yearly rows.
table_builder& report_values(table_builder& t)
{
    return t.singles({"Area by Field", "Tmx", "Prcp", "Q", "Prk", "Yp", "Ssf", "Rssf", "Yn", "Qn",
                      "Ssfn", "Prkn", "Gmn", "Dn", "Dprk", "Nfix", "Et", "Qp", "Mnp", "Avol",
                      "Nitr", "Musl", "Fnmn", "Fnma", "Fno", "Fpo", "Fpl"});
}

table_builder& soil_and_selected_values(table_builder& t)
{
    return t.singles({"Soil Depth", "Soil Water", "Soil Bd", "Soil Sand", "Soil Clay", "Soil Ph"})
        .numbered(column_type::single_float, "Selected Variable ", 1, 10);
}

// Five crop groups. The two tables order the yield and uptake values differently, so the caller
// passes its own order for them.
table_builder& crop_groups(table_builder& t, std::initializer_list<const char*> yield_values)
{
    t.short_col("Number Crops");
    for (int k = 1; k <= 5; ++k) {
        const std::string crop = "Crop " + std::to_string(k) + " ";
        t.text_col(crop + "Id", 255);
        for (const char* value : yield_values)
            t.single_col(crop + value);
        for (const char* stress : {"Water Stress", "Nitrogen Stress", "Phosphorus Stress"})
            t.short_col(crop + stress);
        t.long_col(crop + "Temperature Stress").single_col(crop + "Curve Number");
    }
    return t;
}

table_description build_selected_variables()
{
    table_builder t("Selected Variables");
    t.long_col("Select Id").text_col("Selected Variable", 20).text_col("Variable Definition", 4);
    return indexed_by(t, {"Select Id"}).build();
}

table_description build_average_output()
{
    table_builder t("Average Output");
    t.longs({"Select Id", "Farm Id"}).short_col("Subarea");
    report_values(t);
    soil_and_selected_values(t);
    crop_groups(t, {"Yield", "Biomass", "Yln", "Ylp", "Fn", "Fp"});
    return indexed_by(t, {"Select Id", "Farm Id", "Subarea"}).build();
}

table_description build_yearly_output()
{
    table_builder t("Yearly Output");
    t.longs({"Select Id", "Farm Id"}).shorts({"Subarea", "Year"});
    report_values(t).singles({"Fc", "Wp", "Sw10", "Rzsw", "Grzd", "Hay"});
    soil_and_selected_values(t);
    crop_groups(t, {"Yield", "Biomass", "Fn", "Fp", "Yln", "Ylp"});
    return indexed_by(t, {"Select Id", "Farm Id", "Subarea", "Year"}).build();
}

table_description build_annual_pesticide_output()
{
    table_builder t("Annual Pesticide Output");
    t.long_col("Id")
        .shorts({"Subarea Id", "Said", "Year"})
        // Named as the pesticide loader binds them, so that creation and loading agree.
        .singles({"Runoff", "Subsurface Flow", "Percolation", "Drainage", "Sediment", "Yoc"});
    return indexed_by(t, {"Id", "Subarea Id"}).build();
}

table_description build_annual_pesticide_output_2()
{
    table_builder t("Annual Pesticide Output 2");
    t.long_col("Id")
        .shorts({"Subarea Id", "Said", "Year"})
        .text_col("Pesticide Name", 255)
        .singles({"Pesticide Application Rate", "Pesticide Surface Runoff", "Pesticide Leached",
                  "Pesticide in Subsurface", "Pesticide in Sediment", "Pesticide Foliage Degraded",
                  "Pesticide Soil Degraded", "Pesticide Drainage", "Pesticide Return Flow",
                  "Pesticide 4 Day Runoff"});
    return indexed_by(t, {"Id", "Subarea Id"}).build();
}

table_description build_annual_watershed_output()
{
    table_builder t("Annual Watershed Output");
    t.long_col("Id")
        .short_col("Year")
        .singles({"Prcp", "Et", "Q", "Ssf", "Rssf", "Qrf", "Qdr", "Prk", "Irga", "Wy", "Y",
                  "Ywnd", "Qn", "Ssfn", "Qrfn", "Rsfn", "Yn", "Ynwn", "Qdrn", "Prkn", "Dn",
                  "Avol", "Nfix", "Fno", "Fnmn", "Fnma", "Qp", "Yp", "Ypwn", "Prkp", "Fpo", "Fpl",
                  "Qc", "Yc", "Ycwn", "Rfn", "Yln", "Ylp", "Btn", "Btp", "Ftn", "Ftp", "Btc",
                  "Ftc", "Bpdpl", "Fpdpl", "Bslt", "Fslt", "Btcsa1", "Ftcsa1", "Rus2sa1", "Ythsd",
                  "Ywthd", "Qdrp", "USLEa1", "Ywnda1", "Tpthd"});
    return indexed_by(t, {"Id", "Year"}).build();
}

table_description build_watershed_output()
{
    table_builder t("Watershed Output");
    t.long_col("ID")
        .shorts({"Year", "Month"})
        .singles({"Prcp", "Qss", "Qsw", "Qts", "Qtw", "Ys", "Yw", "Yns", "Ynw", "Yps", "Ypw",
                  "Qns", "Qnw", "Qps", "Qpw", "Ymus", "Ymuw"});
    return indexed_by(t, {"ID", "Year"}).build();
}

table_description build_residue_output()
{
    table_builder t("Residue Output");
    t.long_col("Id").shorts({"Subarea", "Year", "Month"}).single_col("Rsd");
    return indexed_by(t, {"Id", "Subarea", "Year", "Month"}).build();
}

table_description build_monthly_swat_output()
{
    table_builder t("Monthly SWAT Output");
    t.long_col("Id")
        .shorts({"Year", "Month"})
        .singles({"Runoff", "Sediment", "N in Sediment", "P in Sediment", "N in Runoff",
                  "P in Runoff"})
        .text_col("Pesticide Name", 30)
        .singles({"Qpst", "Ypst"});
    return indexed_by(t, {"Id"}).build();
}

table_description build_swat_output()
{
    table_builder t("SWAT Output");
    t.long_col("Id").shorts({"Year", "Day"}).singles({"Runoff", "N in Runoff", "P in Runoff"});
    return indexed_by(t, {"Id"}).build();
}

table_description build_swat_output_2()
{
    table_builder t("SWAT Output 2");
    t.long_col("Id")
        .shorts({"Year", "Day"})
        .singles({"Sediment", "N in Sediment", "P in Sediment"});
    return indexed_by(t, {"Id"}).build();
}

table_description build_swat_pesticide_output()
{
    table_builder t("SWAT Pesticide Output");
    t.long_col("Id")
        .shorts({"Year", "Day"})
        .text_col("Pesticide Name", 30)
        .singles({"Qpst", "Ypst"});
    return indexed_by(t, {"Id"}).build();
}

table_description build_crop_yield_output()
{
    table_builder t("Crop Yield Output");
    t.long_col("Id")
        .shorts({"Subarea Id", "Year"})
        .text_col("Crop Name", 25)
        .singles({"Grain Yield", "Forage Yield", "Biomass", "Nitrogen Applied",
                  "Phosphorus Applied", "Water Stress", "Nitrogen Stress", "Phosphorus Stress",
                  "Salt Stress"});
    return indexed_by(t, {"Id", "Subarea Id", "Year"}).build();
}

table_description build_organic_c_and_n_output()
{
    table_builder t("Organic C and N Output");
    t.long_col("Id")
        .shorts({"Subarea Id", "Year"})
        .singles({"Total Organic N", "Total Organic C"})
        .numbered(column_type::single_float, "Organic N Layer ", 1, 10)
        .numbered(column_type::single_float, "Organic C Layer ", 1, 10);
    return indexed_by(t, {"Id", "Subarea Id", "Year"}).build();
}

table_description build_soil_salt_output()
{
    table_builder t("Soil Salt Output");
    t.long_col("Id")
        .shorts({"Subarea Id", "Year"})
        .single_col("Total Salt")
        .numbered(column_type::single_float, "Salt Layer ", 1, 10);
    return indexed_by(t, {"Id", "Subarea Id", "Year"}).build();
}

table_description build_monthly_subarea_output()
{
    table_builder t("Monthly Subarea Output");
    t.long_col("ID")
        .shorts({"Subarea Id", "SAID", "Yr", "Mon"})
        .singles({"Precipitation", "Evapotranspiration", "Runoff", "Subsurface Flow",
                  "Return Flow", "Percolation", "Irrigation", "Organic N", "Ammonium N",
                  "Organic P", "Mineral P", "N Uptake", "P Uptake", "Carbon in Residue",
                  "Crop Residue", "Surface Residue", "Plow Depth Soil Water", "Rootzone Sw"});
    return indexed_by(t, {"ID", "Subarea Id"}).build();
}

} // namespace

const table_description& selected_variables_table()
{
    static const table_description table = build_selected_variables();
    return table;
}

const table_description& average_output_table()
{
    static const table_description table = build_average_output();
    return table;
}

const table_description& yearly_output_table()
{
    static const table_description table = build_yearly_output();
    return table;
}

const table_description& annual_pesticide_output_table()
{
    static const table_description table = build_annual_pesticide_output();
    return table;
}

const table_description& annual_pesticide_output_2_table()
{
    static const table_description table = build_annual_pesticide_output_2();
    return table;
}

const table_description& annual_watershed_output_table()
{
    static const table_description table = build_annual_watershed_output();
    return table;
}

const table_description& watershed_output_table()
{
    static const table_description table = build_watershed_output();
    return table;
}

const table_description& residue_output_table()
{
    static const table_description table = build_residue_output();
    return table;
}

const table_description& monthly_swat_output_table()
{
    static const table_description table = build_monthly_swat_output();
    return table;
}

const table_description& swat_output_table()
{
    static const table_description table = build_swat_output();
    return table;
}

const table_description& swat_output_2_table()
{
    static const table_description table = build_swat_output_2();
    return table;
}

const table_description& swat_pesticide_output_table()
{
    static const table_description table = build_swat_pesticide_output();
    return table;
}

const table_description& crop_yield_output_table()
{
    static const table_description table = build_crop_yield_output();
    return table;
}

const table_description& organic_c_and_n_output_table()
{
    static const table_description table = build_organic_c_and_n_output();
    return table;
}

const table_description& soil_salt_output_table()
{
    static const table_description table = build_soil_salt_output();
    return table;
}

const table_description& monthly_subarea_output_table()
{
    static const table_description table = build_monthly_subarea_output();
    return table;
}

const std::vector<const table_description*>& run_output_tables()
{
    static const std::vector<const table_description*> tables = {
        &average_output_table(),          &yearly_output_table(),         &annual_pesticide_output_table(),
        &annual_pesticide_output_2_table(), &annual_watershed_output_table(), &watershed_output_table(),
        &residue_output_table(),          &monthly_swat_output_table(),   &swat_output_table(),
        &swat_output_2_table(),           &swat_pesticide_output_table(), &crop_yield_output_table(),
        &organic_c_and_n_output_table(),  &soil_salt_output_table(),      &monthly_subarea_output_table()};
    return tables;
}

} // namespace ivorn
