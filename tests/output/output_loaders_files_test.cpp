// The SWAT, annual watershed and monthly subarea files: pesticide columns, zero days, unset
// columns of the older layouts, and a monthly block that lacks a variable.
#include <gtest/gtest.h>

#include <cmath>

#include "output_load_fixture.h"

namespace ivorn {
namespace {

using testing::output_load_fixture;
using row = std::vector<std::string>;

const std::string msw1 = R"file(HEADING 1
HEADING 2
HEADING 3
HEADING 4
HEADING 5
HEADING 6
HEADING 7
LAST HEADING                                                                                     ATRAZINE           METOLACHLOR


 1990    1      10.000      2.000      3.000      4.000      5.000      6.000     1.0000     2.0000     3.0000     4.0000
 1990    2       1.000      1.000      1.000      1.000      1.000      1.000
 1987    1       1.000      1.000      1.000      1.000      1.000      1.000
)file";

const std::string swt1 = R"file(HEADING 1
HEADING 2
HEADING 3
HEADING 4
HEADING 5
HEADING 6
HEADING 7
LAST HEADING                                                                                                                   ATRAZINE                       METOLACHLOR


    1 1990            5.0000           0.0000           3.0000           4.0000           5.0000           6.0000           0.5000           0.0000           0.0000           0.0000
    2 1990            0.0000           0.0000           0.0000           0.0000           0.0000           0.0000           0.0000           0.0000           0.0000           0.0000
    3 1990            0.0000           2.0000           3.0000           4.0000           5.0000           6.0000           0.0000           0.2500           0.0000           0.0000
)file";

const std::string awp1 = R"file(HEADING 1
HEADING 2
HEADING 3
HEADING 4
HEADING 5
HEADING 6
HEADING 7
HEADING 8
     1990      1.00      2.00      3.00      4.00      5.00      6.00      7.00      8.00      9.00     10.00     11.00     12.00     13.00     14.00     15.00     16.00     17.00     18.00     19.00     20.00     21.00     22.00     23.00     24.00     25.00     26.00     27.00     28.00     29.00     30.00     31.00     32.00     33.00     34.00     35.00     36.00     37.00     38.00     39.00     40.00     41.00     42.00     43.00     44.00     45.00     46.00     47.00     48.00     49.00     50.00     51.00
     1960      1.00      2.00      3.00      4.00      5.00      6.00      7.00      8.00      9.00     10.00     11.00     12.00     13.00     14.00     15.00     16.00     17.00     18.00     19.00     20.00     21.00     22.00     23.00     24.00     25.00     26.00     27.00     28.00     29.00     30.00     31.00     32.00     33.00     34.00     35.00     36.00     37.00     38.00     39.00     40.00     41.00     42.00     43.00     44.00     45.00     46.00     47.00     48.00     49.00     50.00     51.00
)file";

const std::string awp3 = R"file(HEADING 1
HEADING 2
HEADING 3
HEADING 4
HEADING 5
HEADING 6
HEADING 7
HEADING 8
HEADING 9
HEADING 10
     1990      1.00      2.00      3.00      4.00      5.00      6.00      7.00      8.00      9.00     10.00     11.00     12.00     13.00     14.00     15.00     16.00     17.00     18.00     19.00     20.00     21.00     22.00     23.00     24.00     25.00     26.00     27.00     28.00     29.00     30.00     31.00     32.00     33.00     34.00     35.00     36.00     37.00     38.00     39.00     40.00     41.00     42.00     43.00     44.00     45.00     46.00     47.00     48.00     49.00     50.00     51.00     52.00     53.00     54.00     55.00    101.00    102.00    103.00    104.00
)file";

const std::string msa1 = R"file(HEADING 1
HEADING 2
HEADING 3
HEADING 4
HEADING 5
HEADING 6
HEADING 7
HEADING 8
HEADING 9
    1 101        3 PRCP     1.00     2.00     3.00     4.00     5.00     6.00     7.00     8.00     9.00    10.00    11.00    12.00
    1 101        3   ET   101.00   102.00   103.00   104.00   105.00   106.00   107.00   108.00   109.00   110.00   111.00   112.00
    1 101        3    Q   201.00   202.00   203.00   204.00   205.00   206.00   207.00   208.00   209.00   210.00   211.00   212.00
    1 101        3  SSF   301.00   302.00   303.00   304.00   305.00   306.00   307.00   308.00   309.00   310.00   311.00   312.00
    1 101        3  PRK   401.00   402.00   403.00   404.00   405.00   406.00   407.00   408.00   409.00   410.00   411.00   412.00
    1 101        3 IRGA   501.00   502.00   503.00   504.00   505.00   506.00   507.00   508.00   509.00   510.00   511.00   512.00
    1 101        3  FNO   601.00   602.00   603.00   604.00   605.00   606.00   607.00   608.00   609.00   610.00   611.00   612.00
    1 101        3 FNMA   701.00   702.00   703.00   704.00   705.00   706.00   707.00   708.00   709.00   710.00   711.00   712.00
    1 101        3  FPO   801.00   802.00   803.00   804.00   805.00   806.00   807.00   808.00   809.00   810.00   811.00   812.00
    1 101        3  FPL   901.00   902.00   903.00   904.00   905.00   906.00   907.00   908.00   909.00   910.00   911.00   912.00
    1 101        3 RSSF  1001.00  1002.00  1003.00  1004.00  1005.00  1006.00  1007.00  1008.00  1009.00  1010.00  1011.00  1012.00
    1 101        3 RSDC  1101.00  1102.00  1103.00  1104.00  1105.00  1106.00  1107.00  1108.00  1109.00  1110.00  1111.00  1112.00
    1 101        3  UNM  1201.00  1202.00  1203.00  1204.00  1205.00  1206.00  1207.00  1208.00  1209.00  1210.00  1211.00  1212.00
    1 101        3  UPM  1301.00  1302.00  1303.00  1304.00  1305.00  1306.00  1307.00  1308.00  1309.00  1310.00  1311.00  1312.00
    1 101        3 STDO  1401.00  1402.00  1403.00  1404.00  1405.00  1406.00  1407.00  1408.00  1409.00  1410.00  1411.00  1412.00
    1 101        3  RSD  1501.00  1502.00  1503.00  1504.00  1505.00  1506.00  1507.00  1508.00  1509.00  1510.00  1511.00  1512.00

    1 101        2 PRCP     1.00     2.00     3.00     4.00     5.00     6.00     7.00     8.00     9.00    10.00    11.00    12.00
    1 101        2   ET   101.00   102.00   103.00   104.00   105.00   106.00   107.00   108.00   109.00   110.00   111.00   112.00
    1 101        2    Q   201.00   202.00   203.00   204.00   205.00   206.00   207.00   208.00   209.00   210.00   211.00   212.00
    1 101        2  SSF   301.00   302.00   303.00   304.00   305.00   306.00   307.00   308.00   309.00   310.00   311.00   312.00
    1 101        2  PRK   401.00   402.00   403.00   404.00   405.00   406.00   407.00   408.00   409.00   410.00   411.00   412.00
    1 101        2 IRGA   501.00   502.00   503.00   504.00   505.00   506.00   507.00   508.00   509.00   510.00   511.00   512.00
    1 101        2  FNO   601.00   602.00   603.00   604.00   605.00   606.00   607.00   608.00   609.00   610.00   611.00   612.00
    1 101        2 FNMA   701.00   702.00   703.00   704.00   705.00   706.00   707.00   708.00   709.00   710.00   711.00   712.00
    1 101        2  FPO   801.00   802.00   803.00   804.00   805.00   806.00   807.00   808.00   809.00   810.00   811.00   812.00
    1 101        2  FPL   901.00   902.00   903.00   904.00   905.00   906.00   907.00   908.00   909.00   910.00   911.00   912.00
    1 101        2 RSSF  1001.00  1002.00  1003.00  1004.00  1005.00  1006.00  1007.00  1008.00  1009.00  1010.00  1011.00  1012.00
    1 101        2 RSDC  1101.00  1102.00  1103.00  1104.00  1105.00  1106.00  1107.00  1108.00  1109.00  1110.00  1111.00  1112.00
    1 101        2  UNM  1201.00  1202.00  1203.00  1204.00  1205.00  1206.00  1207.00  1208.00  1209.00  1210.00  1211.00  1212.00
    1 101        2  UPM  1301.00  1302.00  1303.00  1304.00  1305.00  1306.00  1307.00  1308.00  1309.00  1310.00  1311.00  1312.00
    1 101        2 STDO  1401.00  1402.00  1403.00  1404.00  1405.00  1406.00  1407.00  1408.00  1409.00  1410.00  1411.00  1412.00
    1 101        2  RSD  1501.00  1502.00  1503.00  1504.00  1505.00  1506.00  1507.00  1508.00  1509.00  1510.00  1511.00  1512.00

    2 102        4 PRCP     1.00     2.00     3.00     4.00     5.00     6.00     7.00     8.00     9.00    10.00    11.00    12.00
    2 102        4   ET   101.00   102.00   103.00   104.00   105.00   106.00   107.00   108.00   109.00   110.00   111.00   112.00
    2 102        4    Q   201.00   202.00   203.00   204.00   205.00   206.00   207.00   208.00   209.00   210.00   211.00   212.00
    2 102        4  SSF   301.00   302.00   303.00   304.00   305.00   306.00   307.00   308.00   309.00   310.00   311.00   312.00
    2 102        4  PRK   401.00   402.00   403.00   404.00   405.00   406.00   407.00   408.00   409.00   410.00   411.00   412.00
    2 102        4 IRGA   501.00   502.00   503.00   504.00   505.00   506.00   507.00   508.00   509.00   510.00   511.00   512.00
    2 102        4  FNO   601.00   602.00   603.00   604.00   605.00   606.00   607.00   608.00   609.00   610.00   611.00   612.00
    2 102        4 FNMA   701.00   702.00   703.00   704.00   705.00   706.00   707.00   708.00   709.00   710.00   711.00   712.00
    2 102        4  FPO   801.00   802.00   803.00   804.00   805.00   806.00   807.00   808.00   809.00   810.00   811.00   812.00
    2 102        4  FPL   901.00   902.00   903.00   904.00   905.00   906.00   907.00   908.00   909.00   910.00   911.00   912.00
    2 102        4 RSSF  1001.00  1002.00  1003.00  1004.00  1005.00  1006.00  1007.00  1008.00  1009.00  1010.00  1011.00  1012.00
    2 102        4 RSDC  1101.00  1102.00  1103.00  1104.00  1105.00  1106.00  1107.00  1108.00  1109.00  1110.00  1111.00  1112.00
    2 102        4  UNM  1201.00  1202.00  1203.00  1204.00  1205.00  1206.00  1207.00  1208.00  1209.00  1210.00  1211.00  1212.00
    2 102        4 STDO  1401.00  1402.00  1403.00  1404.00  1405.00  1406.00  1407.00  1408.00  1409.00  1410.00  1411.00  1412.00
    2 102        4  RSD  1501.00  1502.00  1503.00  1504.00  1505.00  1506.00  1507.00  1508.00  1509.00  1510.00  1511.00  1512.00

)file";

class FileLoaders : public ::testing::Test {
protected:
    output_load_fixture f;
};

TEST_F(FileLoaders, MonthlySwatRowPerPesticideOrOneWithout)
{
    f.switches({27});
    f.report(".MSW", msw1);
    ASSERT_TRUE(f.load()) << f.log;
    const auto rows = f.rows(monthly_swat_output_table());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (row{"7", "1990", "1", "10", "2", "3", "4", "5", "6", "ATRAZINE", "1", "2"}));
    EXPECT_EQ(rows[1][9], "METOLACHLOR");
    EXPECT_EQ(rows[1][11], "4");
    EXPECT_EQ(rows[2], (row{"7", "1990", "2", "1", "1", "1", "1", "1", "1", "", "", ""}));
}

TEST_F(FileLoaders, MonthlySwatWithoutDataLinesEndsWithoutRows)
{
    f.switches({27});
    f.report(".MSW", "1\n2\n3\n4\n5\n6\n7\n8\n");
    EXPECT_TRUE(f.load()) << f.log;
    EXPECT_EQ(f.count(monthly_swat_output_table()), 0);
}

TEST_F(FileLoaders, DailySwatSkipsZeroAmounts)
{
    f.switches({4});
    f.report(".SWT", swt1);
    ASSERT_TRUE(f.load()) << f.log;
    EXPECT_EQ(f.rows(swat_output_table()), (std::vector<row>{{"7", "1990", "1", "5", "5", "6"}}));
    EXPECT_EQ(f.rows(swat_output_2_table()), (std::vector<row>{{"7", "1990", "3", "2", "3", "4"}}));
    EXPECT_EQ(f.rows(swat_pesticide_output_table()),
              (std::vector<row>{{"7", "1990", "1", "ATRAZINE", "0.5", "0"}, {"7", "1990", "3", "ATRAZINE", "0", "0.25"}}));
}

TEST_F(FileLoaders, DailySwatPesticidesInEnglishUnits)
{
    f.switches({4});
    f.request.english_convert = true;
    f.report(".SWT", swt1);
    ASSERT_TRUE(f.load()) << f.log;
    EXPECT_FLOAT_EQ(f.value(swat_pesticide_output_table(), 0, "Qpst"), 0.5f * 0.00089217f);
    EXPECT_FLOAT_EQ(f.value(swat_output_table(), 0, "Runoff"), 5.0f * 0.03937f);
}

TEST_F(FileLoaders, AnnualWatershedOlderLayoutLeavesNewColumnsUnset)
{
    f.switches({7});
    f.report(".AWP", awp1);
    ASSERT_TRUE(f.load()) << f.log;
    ASSERT_EQ(f.count(annual_watershed_output_table()), 1);
    const auto& t = annual_watershed_output_table();
    EXPECT_EQ(f.value(t, 0, "Year"), 1990);
    EXPECT_FLOAT_EQ(f.value(t, 0, "Prcp"), 1.0f);
    EXPECT_FLOAT_EQ(f.value(t, 0, "Rus2sa1"), 51.0f);
    EXPECT_TRUE(std::isnan(f.value(t, 0, "Ythsd")));
    EXPECT_TRUE(std::isnan(f.value(t, 0, "Tpthd")));
}

TEST_F(FileLoaders, AnnualWatershedNewestLayoutReadsItsLastFourColumns)
{
    f.switches({7});
    f.request.vorn_version = 1307;
    f.report(".AWP", awp3);
    ASSERT_TRUE(f.load()) << f.log;
    const auto& t = annual_watershed_output_table();
    EXPECT_FLOAT_EQ(f.value(t, 0, "Ywthd"), 53.0f);
    EXPECT_FLOAT_EQ(f.value(t, 0, "Qdrp"), 101.0f);
    EXPECT_FLOAT_EQ(f.value(t, 0, "Tpthd"), 104.0f);
}

TEST_F(FileLoaders, MonthlySubareaBlocksInsideTheWindow)
{
    f.switches({6});
    f.request.save_year_first = 1990;
    f.request.save_year_last = 1995;
    f.report(".MSA", msa1);
    ASSERT_TRUE(f.load()) << f.log;
    const auto& t = monthly_subarea_output_table();
    ASSERT_EQ(f.count(t), 24);
    EXPECT_EQ(f.rows(t)[0], (row{"7", "1", "101", "3", "1", "1", "101", "201", "301", "1001", "401",
                                 "501", "601", "701", "801", "901", "1201", "1301", "1101", "1401",
                                 "1501", "", ""}));
    EXPECT_FLOAT_EQ(f.value(t, 11, "Surface Residue"), 1512.0f);
    EXPECT_EQ(f.value(t, 12, "Yr"), 4);
    EXPECT_FLOAT_EQ(f.value(t, 12, "P Uptake"), 0.0f); // the block lacks UPM
    EXPECT_FLOAT_EQ(f.value(t, 12, "Crop Residue"), 1401.0f);
}

} // namespace
} // namespace ivorn
