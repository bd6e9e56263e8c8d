// The annual crop yield, subarea summary, soil carbon and nitrogen and pesticide files: columns,
// variants, the stored-year window, and what is left out.
#include <gtest/gtest.h>

#include "output_load_fixture.h"
#include "report_2110_fixture.h"

namespace ivorn {
namespace {

using testing::output_load_fixture;
using row = std::vector<std::string>;

const std::string acy1 = testing::headings(8) + R"file(        1         2 CORN      1.00      2.00      3.00     40.00      5.00      6.00      7.00      8.00                          9.00
        1         3 CORN      1.50      0.00      3.50     41.00      5.50      0.50      0.25      0.00                          1.00
        1         8 SOYB      2.00      0.00      4.00      0.00      0.00      0.00      0.00      0.00                          0.00
        1         9 CORN      1.00      1.00      1.00      1.00      1.00      1.00      1.00      1.00                          1.00
        0         3 CORN      1.00      1.00      1.00      1.00      1.00      1.00      1.00      1.00                          1.00
        1       137 CORN      1.00      1.00      1.00      1.00      1.00      1.00      1.00      1.00                          1.00
)file";

const std::string acy2 = testing::headings(9) + R"file(        2                 4 WWHT      1.00      2.00      3.00      6.00      7.00      8.00                          9.00                                                                                     40.00      5.00
)file";

// One year's block of the carbon and nitrogen file: the year, the subarea, then the three total
// lines this loader reads at their fixed distances (the first totals, the carbon, the salt).
std::string acn_block(const char* year, const char* subarea, const char* first, const char* carbon, const char* salt)
{
    const std::string indent(22, ' ');
    return std::string("\n\n         ") + year + "\n                 " + subarea + "\n" + std::string(20, '\n') + indent
           + first + "\n" + std::string(5, '\n') + indent + carbon + "\n\n" + indent + salt + "\n";
}

const char* const ones = "1.000   1.000   1.000   3.000";
const std::string acn1 =
    testing::headings(7)
    + acn_block("1990", "1", "1.000   2.000   3.000   6.000", "0.100   0.200   0.300   0.600", "0.500   0.500   0.000   1.000")
    + acn_block("1991", "2", ones, ones, "0.000   0.000   0.000   0.000") + acn_block("1987", "1", ones, ones, ones);

const std::string acn2 = testing::headings(8)
                         + acn_block("1990", "12345", "1.000   2.000   3.000   6.000", "0.100   0.200   0.300   0.600",
                                     "0.500   0.500   0.000   1.000");

const std::string aps1 = testing::headings(9) + R"file(     1  101         3   10.00    2.00    3.00    4.00    5.00    6.00 ATRAZINE               1.0000       2.0000       3.0000       4.0000       5.0000       6.0000       7.0000       8.0000       9.0000      10.0000
                                                                      METOLACHLOR           10.0000      20.0000      30.0000      40.0000      50.0000      60.0000      70.0000      80.0000      90.0000     100.0000
     2  102         2    1.00    1.00    1.00    1.00    1.00    1.00
     2  102         4    7.00    7.00    7.00    7.00    7.00    7.00
)file";

class Loaders : public ::testing::Test {
protected:
    output_load_fixture f;
};

TEST_F(Loaders, CropYieldsInsideTheCalendarWindowMadeRelative)
{
    f.switches({23});
    f.request.save_year_first = 1990; // relative years 3 to 8 of a run that starts in 1988
    f.request.save_year_last = 1995;
    f.report(".ACY", acy1);
    ASSERT_TRUE(f.load()) << f.log;
    const auto rows = f.rows(crop_yield_output_table());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (row{"7", "1", "3", "CORN", "1.5", "0", "3.5", "41", "5.5", "0.5", "0.25", "0", "1"}));
    EXPECT_EQ(rows[1][2], "8");
    EXPECT_EQ(rows[1][3], "SOYB");
    EXPECT_EQ(f.log, "2 lines of " + f.dir.file("vorn.ACY")
                         + " were left out: their subarea or year lies outside the crop tables\r\n");
}

TEST_F(Loaders, CropYieldsOfTheNewerLayoutAndEnglishUnits)
{
    f.switches({23});
    f.request.vorn_version = 806;
    f.request.english_convert = true;
    f.report(".ACY", acy2);
    ASSERT_TRUE(f.load()) << f.log;
    const auto rows = f.rows(crop_yield_output_table());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][1], "2");
    EXPECT_EQ(rows[0][3], "WWHT");
    EXPECT_FLOAT_EQ(f.value(crop_yield_output_table(), 0, "Grain Yield"), 1.0f * 0.44609f);
    EXPECT_FLOAT_EQ(f.value(crop_yield_output_table(), 0, "Nitrogen Applied"), 40.0f * 0.89217f);
    EXPECT_FLOAT_EQ(f.value(crop_yield_output_table(), 0, "Salt Stress"), 9.0f);
}

TEST_F(Loaders, MoreThanTenCropsInASubareaFails)
{
    f.switches({23});
    std::string text = "1\n2\n3\n4\n5\n6\n7\n8\n";
    for (int crop = 0; crop < 11; ++crop)
        text += "        1         1 C" + std::to_string(crop) + "\n";
    f.report(".ACY", text);
    EXPECT_FALSE(f.load());
    EXPECT_EQ(f.log, "ERROR: Number of crops exceeds maximum for rotation: " + f.dir.file("vorn.ACY") + "\n");
    EXPECT_EQ(f.count(crop_yield_output_table()), 0);
}

TEST_F(Loaders, YearlyRowsTakeNutrientsAppliedFromTheCropYieldFile)
{
    f.switches({0, 23});
    f.request.want_yearly = true;
    f.report(".OUT", testing::report_2110);
    f.report(".ACY", "1\n2\n3\n4\n5\n6\n7\n8\n"
                     "        1         1 CORN      6.00      0.00     12.00     50.00      7.00\n"
                     "        1         2 CORN      3.20      0.00      8.00     60.00      8.00\n");
    ASSERT_TRUE(f.load()) << f.log;
    EXPECT_FLOAT_EQ(f.value(yearly_output_table(), 0, "Crop 1 Fn"), 50.0f);
    EXPECT_FLOAT_EQ(f.value(yearly_output_table(), 1, "Crop 1 Fp"), 8.0f);
    EXPECT_FLOAT_EQ(f.value(yearly_output_table(), 1, "Crop 2 Fn"), 0.0f);
}

TEST_F(Loaders, SubareaSummaryWithMoreThanTenCropsFails)
{
    f.switches({26});
    f.report(".APS", "");
    std::string line = "        1";
    for (int crop = 0; crop < 11; ++crop)
        line += std::string(8, ' ') + "C" + std::to_string(crop) + std::string(150, ' ');
    f.report(".SUS", "1\n2\n3\n4\n5\n6\n7\n8\n" + line + "\n");
    EXPECT_FALSE(f.load());
    EXPECT_EQ(f.log, "ERROR: Number of crops exceeds maximum for rotation: " + f.dir.file("vorn.SUS") + "\n");
}

TEST_F(Loaders, CarbonAndNitrogenBlocksWithSaltOnlyWhenThereIsSome)
{
    f.switches({20});
    f.report(".ACN", acn1);
    ASSERT_TRUE(f.load()) << f.log;
    const auto organic = f.rows(organic_c_and_n_output_table());
    ASSERT_EQ(organic.size(), 2u);
    EXPECT_EQ(organic[0], (row{"7", "1", "1990", "0.600000024", "6", "0.100000001", "0.200000003", "0.300000012",
                               "0", "0", "0", "0", "0", "0", "0", "1", "2", "3", "0", "0",
                               "0", "0", "0", "0", "0"}));
    EXPECT_EQ(organic[1][1], "2");
    const auto salt = f.rows(soil_salt_output_table());
    ASSERT_EQ(salt.size(), 1u); // the 1991 block has no salt, 1987 lies before the run
    EXPECT_EQ(salt[0], (row{"7", "1", "1990", "1", "0.5", "0.5", "0", "0", "0", "0", "0", "0", "0",
                            "0"}));
}

TEST_F(Loaders, CarbonAndNitrogenOfTheNewerLayoutWriteNoSalt)
{
    f.switches({20});
    f.request.vorn_version = 1307;
    f.report(".ACN", acn2);
    ASSERT_TRUE(f.load()) << f.log;
    ASSERT_EQ(f.count(organic_c_and_n_output_table()), 1);
    EXPECT_EQ(f.text(organic_c_and_n_output_table(), 0, "Subarea Id"), "12345");
    EXPECT_EQ(f.count(soil_salt_output_table()), 0);
}

TEST_F(Loaders, PesticideContinuationLinesRepeatTheSubareaYear)
{
    f.switches({26});
    f.request.save_year_first = 3;
    f.request.save_year_last = 8;
    f.report(".SUS", testing::headings(8) + "        1 CORN\n");
    f.report(".APS", aps1);
    ASSERT_TRUE(f.load()) << f.log;
    const auto annual = f.rows(annual_pesticide_output_table());
    ASSERT_EQ(annual.size(), 3u);
    EXPECT_EQ(annual[0], (row{"7", "1", "101", "3", "10", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(annual[1], annual[0]);
    EXPECT_EQ(annual[2][3], "4");
    const auto pesticides = f.rows(annual_pesticide_output_2_table());
    ASSERT_EQ(pesticides.size(), 2u);
    EXPECT_EQ(pesticides[0], (row{"7", "1", "101", "3", "ATRAZINE", "1", "2", "3", "4", "5", "6", "7",
                                  "8", "9", "10"}));
    EXPECT_EQ(pesticides[1][4], "METOLACHLOR");
}

TEST_F(Loaders, MissingPesticideFileHasItsOwnMessage)
{
    f.switches({26});
    f.report(".SUS", testing::headings(8) + "        1 CORN\n");
    EXPECT_FALSE(f.load());
    EXPECT_EQ(f.log, "ERROR: Unable to open .APS output file: " + f.dir.file("vorn.APS") + "\n");
}

} // namespace
} // namespace ivorn
