// The main report reader over a hand-made report in the wide layout of version 1307: 12-character
// columns, a page eject inside the monthly table, the "O" end mark, the version's own yield and
// stress lines and the yearly soil values that only this version stores.
#include <gtest/gtest.h>

#include "output_load_fixture.h"

namespace ivorn {
namespace {

using testing::output_load_fixture;

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
 PRCP       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     100.000  PRCP
  TMX       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000      15.000   TMX
    Q       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     102.000     Q
  PRK       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     103.000   PRK
   YP       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     104.000    YP
  SSF       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     105.000   SSF
1 PAGE 2
   (continued)

 RSSF       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     106.000  RSSF
   YN       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     107.000    YN
   QN       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     108.000    QN
 SSFN       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     109.000  SSFN
 PRKN       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     110.000  PRKN
  GMN       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     111.000   GMN
   DN       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     112.000    DN
 DPRK       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     113.000  DPRK
 NFIX       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     114.000  NFIX
   ET       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     115.000    ET
   QP       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     116.000    QP
 AVOL       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     117.000  AVOL
 NITR       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     118.000  NITR
 MUSL       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     119.000  MUSL
 FNMN       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     120.000  FNMN
 FNMA       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     121.000  FNMA
  FNO       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000       0.000     122.000   FNO
  RSD       0.500       1.000       1.500       2.000       2.500       3.000       3.500       4.000       4.500       5.000       5.500       6.000     123.000   RSD
     OUTPUT ENDS
 ----
 ----
 ----
 ----
   1  10.0  20.0   0.31   0.12  30.0  40.0  50.0   1.38
  HUI     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00   200.00   HUI
 SW10     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00   201.00  SW10
 RZSW     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00   202.00  RZSW
 GRZD     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00   203.00  GRZD
  HAY     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00   204.00   HAY
  FPO     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00   205.00   FPO
  FPL     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00   206.00   FPL
  MNP     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00     0.00   207.00   MNP
 ----
  WWHT YLD=  4.50/  0.00t/ha  BIOM=  9.00t/ha  WUEF=      1.00kg/mm  YLN=   60.0kg/ha  YLP=   8.0
 ----
  WWHT STRESS                           1.70     2.40     0.30        5.90

 PRCP       0.000       1.000       2.000       3.000       4.000       5.000       6.000       7.000       8.000       9.000      10.000      11.000
  QSS      10.000      11.000      12.000      13.000      14.000      15.000      16.000      17.000      18.000      19.000      20.000      21.000
  QSW      20.000      21.000      22.000      23.000      24.000      25.000      26.000      27.000      28.000      29.000      30.000      31.000
  QTS      30.000      31.000      32.000      33.000      34.000      35.000      36.000      37.000      38.000      39.000      40.000      41.000
  QTW      40.000      41.000      42.000      43.000      44.000      45.000      46.000      47.000      48.000      49.000      50.000      51.000
   YS      50.000      51.000      52.000      53.000      54.000      55.000      56.000      57.000      58.000      59.000      60.000      61.000
   YW      60.000      61.000      62.000      63.000      64.000      65.000      66.000      67.000      68.000      69.000      70.000      71.000
  YNS      70.000      71.000      72.000      73.000      74.000      75.000      76.000      77.000      78.000      79.000      80.000      81.000
  YNW      80.000      81.000      82.000      83.000      84.000      85.000      86.000      87.000      88.000      89.000      90.000      91.000
  YPS      90.000      91.000      92.000      93.000      94.000      95.000      96.000      97.000      98.000      99.000     100.000     101.000
  YPW     100.000     101.000     102.000     103.000     104.000     105.000     106.000     107.000     108.000     109.000     110.000     111.000
  QNS     110.000     111.000     112.000     113.000     114.000     115.000     116.000     117.000     118.000     119.000     120.000     121.000
  QNW     120.000     121.000     122.000     123.000     124.000     125.000     126.000     127.000     128.000     129.000     130.000     131.000
  QPS     130.000     131.000     132.000     133.000     134.000     135.000     136.000     137.000     138.000     139.000     140.000     141.000
  QPW     140.000     141.000     142.000     143.000     144.000     145.000     146.000     147.000     148.000     149.000     150.000     151.000
 YMUS     150.000     151.000     152.000     153.000     154.000     155.000     156.000     157.000     158.000     159.000     160.000     161.000
 YMUW     160.000     161.000     162.000     163.000     164.000     165.000     166.000     167.000     168.000     169.000     170.000     171.000
   NO     (m)  Z
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
