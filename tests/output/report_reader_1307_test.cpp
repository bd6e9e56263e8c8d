// The main report reader over a hand-made report in the wide layout of version 1307: 12-character
// columns, a page eject inside the monthly table, the "O" end mark, the version's own yield and
// stress lines and the yearly soil values that only this version stores.
#include <gtest/gtest.h>

#include "output_load_fixture.h"
#include "report_2110_fixture.h"

namespace ivorn {
namespace {

using testing::output_load_fixture;

using testing::report_2110_rows::row;

// Months all zero, totals 100 for PRCP, 15 for TMX and 102 + k from Q on; RSD holds half the
// month's number. A page heading interrupts the table after SSF.
std::string wide_monthly_rows()
{
    const char* names[] = {"PRCP", "TMX",  "Q",   "PRK", "YP",   "SSF",  "RSSF", "YN",   "QN",   "SSFN", "PRKN", "GMN",
                           "DN",   "DPRK", "NFIX", "ET", "QP",   "AVOL", "NITR", "MUSL", "FNMN", "FNMA", "FNO",  "RSD"};
    std::string text;
    for (int k = 0; k < 24; ++k) {
        double months[12] = {};
        for (int m = 0; m < 12 && k == 23; ++m)
            months[m] = 0.5 * (m + 1);
        char annual[32];
        std::snprintf(annual, sizeof annual, "%12.3f  %4s", k == 0 ? 100.0 : k == 1 ? 15.0 : 100.0 + k, names[k]);
        text += row(names[k], months, annual, "%12.3f");
        if (k == 5)
            text += "1 PAGE 2\n   (continued)\n\n";
    }
    return text;
}

// The soil-water rows after the layer line, in the narrow columns: totals 200 + k.
std::string soil_rows()
{
    const char* names[] = {"HUI", "SW10", "RZSW", "GRZD", "HAY", "FPO", "FPL", "MNP"};
    std::string text;
    for (int k = 0; k < 8; ++k) {
        char annual[32];
        std::snprintf(annual, sizeof annual, "%9.2f  %4s", 200.0 + k, names[k]);
        text += row(names[k], {}, annual);
    }
    return text;
}

// The annual watershed table: variable k holds 10 k + month - 1.
std::string wide_watershed_rows()
{
    const char* names[] = {"PRCP", "QSS", "QSW", "QTS", "QTW", "YS", "YW", "YNS", "YNW",
                           "YPS", "YPW", "QNS", "QNW", "QPS", "QPW", "YMUS", "YMUW"};
    std::string text;
    for (int k = 0; k < 17; ++k) {
        double months[12];
        for (int m = 0; m < 12; ++m)
            months[m] = 10.0 * k + m;
        text += row(names[k], months, "", "%12.3f");
    }
    return text;
}

const std::string report_1307 = R"report(                     GENERAL INFORMATION
                     GENERAL INFORMATION
 (the duration and date follow)
 SIMULATION DURATION =   1 Y
 BEGINNING DATE = 2001  3  1
----
      Y M D  OP  CROP   FOR SUBAREA 1    
                     5                                                                            70
   PLANT WWHT
1
                 SUBAREA HYDROLOGY
              SA         WSA
           (ha)        (ha)
     1     1      3.25
1 YEAR 1
)report" + wide_monthly_rows() + R"report(     OUTPUT ENDS
 ----
 ----
 ----
 ----
   1  10.0  20.0   0.31   0.12  30.0  40.0  50.0   1.38
)report" + soil_rows() + R"report( ----
  WWHT YLD=  4.50/  0.00t/ha  BIOM=  9.00t/ha  WUEF=      1.00kg/mm  YLN=   60.0kg/ha  YLP=   8.0
 ----
  WWHT STRESS                           1.70     2.40     0.30        5.90

)report" + wide_watershed_rows() + R"report(   NO     (m)  Z
 ----
  1  1.20  x  0.28  0.11  x  x  x  1.35  x  35.0  x  25.0
   NO  PH
 ----
  1  x  7.1
          TOTAL RUN TIME =  1.0 SEC

)report";

class Report1307 : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.switches({0});
        f.request.vorn_version = 1307;
        f.request.beginning_year = 2001;
        f.request.want_yearly = true;
        f.request.want_watershed = true;
        f.request.want_residue = true;
        f.report(".OUT", report_1307);
    }
    output_load_fixture f;
};

TEST_F(Report1307, ReadsWideTablesAcrossThePageEject)
{
    ASSERT_TRUE(f.load()) << f.log;
    const auto& average = average_output_table();
    EXPECT_FLOAT_EQ(f.value(average, 0, "Area by Field"), 3.25f);
    EXPECT_FLOAT_EQ(f.value(average, 0, "Prcp"), 100.0f);
    EXPECT_FLOAT_EQ(f.value(average, 0, "Tmx"), 15.0f);
    EXPECT_FLOAT_EQ(f.value(average, 0, "Rssf"), 106.0f);  // the line after the page heading
    EXPECT_FLOAT_EQ(f.value(average, 0, "Fno"), 122.0f);
    EXPECT_FLOAT_EQ(f.value(average, 0, "Fpl"), 206.0f);
    EXPECT_FLOAT_EQ(f.value(average, 0, "Soil Ph"), 7.1f);
    EXPECT_EQ(f.text(average, 0, "Crop 1 Id"), "WWHT");
    EXPECT_FLOAT_EQ(f.value(average, 0, "Crop 1 Yield"), 4.5f);
    EXPECT_FLOAT_EQ(f.value(average, 0, "Crop 1 Yln"), 60.0f);
    EXPECT_EQ(f.value(average, 0, "Crop 1 Water Stress"), 1);
    EXPECT_EQ(f.value(average, 0, "Crop 1 Nitrogen Stress"), 2);
    EXPECT_EQ(f.value(average, 0, "Crop 1 Temperature Stress"), 5);
    EXPECT_FLOAT_EQ(f.value(average, 0, "Crop 1 Curve Number"), 70.0f);
}

TEST_F(Report1307, YearlyRowsCarryTheYearsSoilValues)
{
    ASSERT_TRUE(f.load()) << f.log;
    ASSERT_EQ(f.count(yearly_output_table()), 1);
    EXPECT_FLOAT_EQ(f.value(yearly_output_table(), 0, "Fc"), 0.31f);
    EXPECT_FLOAT_EQ(f.value(yearly_output_table(), 0, "Wp"), 0.12f);
    EXPECT_FLOAT_EQ(f.value(yearly_output_table(), 0, "Soil Bd"), 1.38f);
    EXPECT_FLOAT_EQ(f.value(yearly_output_table(), 0, "Soil Water"), 0.19f);
}

TEST_F(Report1307, ResidueAndWatershedUseTwelveCharacterColumns)
{
    ASSERT_TRUE(f.load()) << f.log;
    ASSERT_EQ(f.count(residue_output_table()), 12);
    EXPECT_FLOAT_EQ(f.value(residue_output_table(), 11, "Rsd"), 6.0f);
    ASSERT_EQ(f.count(watershed_output_table()), 12);
    EXPECT_FLOAT_EQ(f.value(watershed_output_table(), 4, "Qss"), 14.0f);
    EXPECT_FLOAT_EQ(f.value(watershed_output_table(), 11, "Ymuw"), 171.0f);
}

TEST_F(Report1307, OtherWideVersionsEndTheTableAtThePageEject)
{
    f.request.vorn_version = 806;
    EXPECT_FALSE(f.load());
    EXPECT_EQ(f.count(average_output_table()), 0);
}

} // namespace
} // namespace ivorn
