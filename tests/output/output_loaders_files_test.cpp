// The SWAT, annual watershed and monthly subarea files: pesticide columns, zero days, unset
// columns of the older layouts, and a monthly block that lacks a variable.
#include <gtest/gtest.h>

#include <cmath>

#include "core/text_utils.h"
#include "output_load_fixture.h"

namespace ivorn {
namespace {

using testing::output_load_fixture;
using row = std::vector<std::string>;

const std::string msw1 = testing::headings(7) + R"file(LAST HEADING                                                                                     ATRAZINE           METOLACHLOR


 1990    1      10.000      2.000      3.000      4.000      5.000      6.000     1.0000     2.0000     3.0000     4.0000
 1990    2       1.000      1.000      1.000      1.000      1.000      1.000
 1987    1       1.000      1.000      1.000      1.000      1.000      1.000
)file";

const std::string swt1 = testing::headings(7) + R"file(LAST HEADING                                                                                                                   ATRAZINE                       METOLACHLOR


    1 1990            5.0000           0.0000           3.0000           4.0000           5.0000           6.0000           0.5000           0.0000           0.0000           0.0000
    2 1990            0.0000           0.0000           0.0000           0.0000           0.0000           0.0000           0.0000           0.0000           0.0000           0.0000
    3 1990            0.0000           2.0000           3.0000           4.0000           5.0000           6.0000           0.0000           0.2500           0.0000           0.0000
)file";

const std::string awp1 = testing::headings(8) + R"file(     1990      1.00      2.00      3.00      4.00      5.00      6.00      7.00      8.00      9.00     10.00     11.00     12.00     13.00     14.00     15.00     16.00     17.00     18.00     19.00     20.00     21.00     22.00     23.00     24.00     25.00     26.00     27.00     28.00     29.00     30.00     31.00     32.00     33.00     34.00     35.00     36.00     37.00     38.00     39.00     40.00     41.00     42.00     43.00     44.00     45.00     46.00     47.00     48.00     49.00     50.00     51.00
     1960      1.00      2.00      3.00      4.00      5.00      6.00      7.00      8.00      9.00     10.00     11.00     12.00     13.00     14.00     15.00     16.00     17.00     18.00     19.00     20.00     21.00     22.00     23.00     24.00     25.00     26.00     27.00     28.00     29.00     30.00     31.00     32.00     33.00     34.00     35.00     36.00     37.00     38.00     39.00     40.00     41.00     42.00     43.00     44.00     45.00     46.00     47.00     48.00     49.00     50.00     51.00
)file";

const std::string awp3 = testing::headings(10) + R"file(     1990      1.00      2.00      3.00      4.00      5.00      6.00      7.00      8.00      9.00     10.00     11.00     12.00     13.00     14.00     15.00     16.00     17.00     18.00     19.00     20.00     21.00     22.00     23.00     24.00     25.00     26.00     27.00     28.00     29.00     30.00     31.00     32.00     33.00     34.00     35.00     36.00     37.00     38.00     39.00     40.00     41.00     42.00     43.00     44.00     45.00     46.00     47.00     48.00     49.00     50.00     51.00     52.00     53.00     54.00     55.00    101.00    102.00    103.00    104.00
)file";

// Monthly blocks: variable k of the block holds 100 k + month; a block may lack UPM.
std::string msa_block(int subarea, int id, int year, bool without_upm = false)
{
    const char* names[] = {"PRCP", "ET", "Q", "SSF", "PRK", "IRGA", "FNO", "FNMA",
                           "FPO", "FPL", "RSSF", "RSDC", "UNM", "UPM", "STDO", "RSD"};
    std::string text;
    for (int k = 0; k < 16; ++k) {
        if (without_upm && std::string(names[k]) == "UPM")
            continue;
        text += format_printf("%5d%4d%9d%5s", subarea, id, year, names[k]);
        for (int month = 1; month <= 12; ++month)
            text += format_printf("%9.2f", 100.0 * k + month);
        text += "\n";
    }
    return text + "\n";
}

const std::string msa1 = testing::headings(9) + msa_block(1, 101, 3) + msa_block(1, 101, 2) + msa_block(2, 102, 4);

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

TEST_F(FileLoaders, MonthlySwatWithoutDataLinesFails)
{
    f.switches({27});
    f.report(".MSW", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n");
    EXPECT_FALSE(f.load());
    EXPECT_EQ(f.log, "ERROR: Output file holds no data line after its headings: " + f.dir.file("vorn.MSW") + "\n");
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

TEST_F(FileLoaders, DailySwatPesticideNameIsItsFirst22Columns)
{
    // Each pesticide owns 34 heading columns; the 12 after its name hold a unit, not the name.
    f.switches({4});
    f.report(".SWT", testing::headings(7)
                         + format_printf("%-113s%-22s%-12s\n\n\n", "LAST HEADING", "ATRAZINE", "(G/HA)")
                         + "    1 1990            0.0000           0.0000           0.0000           0.0000"
                           "           0.0000           0.0000           0.5000           0.0000\n");
    ASSERT_TRUE(f.load()) << f.log;
    EXPECT_EQ(f.rows(swat_pesticide_output_table()), (std::vector<row>{{"7", "1990", "1", "ATRAZINE", "0.5", "0"}}));
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
    EXPECT_FLOAT_EQ(f.value(t, 12, "P Uptake"), 1301.0f);
    EXPECT_FLOAT_EQ(f.value(t, 12, "Crop Residue"), 1401.0f);
}

TEST_F(FileLoaders, MonthlySubareaBlockWithoutAVariableTakesNothingFromTheNext)
{
    f.switches({6});
    f.report(".MSA", testing::headings(9) + msa_block(1, 101, 1, true) + msa_block(1, 101, 2));
    EXPECT_FALSE(f.load());
    EXPECT_EQ(f.log, "ERROR: Monthly block of subarea 1 year 1 lacks UPM: " + f.dir.file("vorn.MSA") + " line 10\n");
    EXPECT_EQ(f.count(monthly_subarea_output_table()), 0);
}

} // namespace
} // namespace ivorn
