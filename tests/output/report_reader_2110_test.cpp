// The main report reader over a hand-made report in the 2110 layout: one subarea, two years,
// with the edge cases the model's reports show (overflow stars, a blank annual column, starred
// yield digits, a zero first yield, a negative area).
#include <gtest/gtest.h>

#include <cmath>

#include "output/summary_tables.h"
#include "output/vorn_output_class.h"
#include "output_load_fixture.h"
#include "report_2110_fixture.h"

namespace ivorn {
namespace {

using testing::output_load_fixture;
using testing::report_2110;

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

class Report2110 : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.switches({0});
        f.request.want_yearly = true;
        f.request.want_watershed = true;
        f.request.want_residue = true;
        f.report(".OUT", report_2110);
    }
    double average(const std::string& column) { return f.value(average_output_table(), 0, column); }
    double yearly(size_t row, const std::string& column) { return f.value(yearly_output_table(), row, column); }
    output_load_fixture f;
};

TEST_F(Report2110, AveragesOverBothYears)
{
    ASSERT_TRUE(f.load()) << f.log;
    ASSERT_EQ(f.count(average_output_table()), 1);
    EXPECT_EQ(average("Farm Id"), 7);
    EXPECT_EQ(average("Subarea"), 1);
    EXPECT_FLOAT_EQ(average("Area by Field"), 12.5f);  // printed as -12.50
    EXPECT_FLOAT_EQ(average("Tmx"), 25.0f);
    EXPECT_FLOAT_EQ(average("Prcp"), 1200.0f);
    EXPECT_FLOAT_EQ(average("Q"), 18.0f);
    EXPECT_FLOAT_EQ(average("Avol"), 43.5f);           // year 1 annual blank: December's 33
    EXPECT_FLOAT_EQ(average("Nitr"), 9999999.0f);      // year 1 printed as stars
    EXPECT_FLOAT_EQ(average("Fpl"), 1.5f * 40.0f);
    EXPECT_FLOAT_EQ(average("Soil Depth"), 1.5f);
    EXPECT_FLOAT_EQ(average("Soil Clay"), 20.0f);
    EXPECT_FLOAT_EQ(average("Soil Ph"), 6.5f);
    EXPECT_FLOAT_EQ(average("Selected Variable 1"), 25.0f);
    EXPECT_FLOAT_EQ(average("Selected Variable 2"), 750.0f);
    EXPECT_FLOAT_EQ(average("Selected Variable 3"), -1.0f);
}

TEST_F(Report2110, CropAveragesPerHarvestWithStressesTruncated)
{
    ASSERT_TRUE(f.load()) << f.log;
    EXPECT_EQ(average("Number Crops"), 2);
    EXPECT_EQ(f.text(average_output_table(), 0, "Crop 1 Id"), "CORN");
    EXPECT_FLOAT_EQ(average("Crop 1 Yield"), 4.6f);    // 6.00, then 0.00/3.20
    EXPECT_FLOAT_EQ(average("Crop 1 Biomass"), 10.0f);
    EXPECT_FLOAT_EQ(average("Crop 1 Yln"), 30.25f);    // "4*.50" reads 40.50
    EXPECT_EQ(average("Crop 1 Water Stress"), 2);
    EXPECT_EQ(average("Crop 1 Nitrogen Stress"), 0);   // 0.9
    EXPECT_EQ(average("Crop 1 Phosphorus Stress"), 0); // -0.45
    EXPECT_EQ(average("Crop 1 Temperature Stress"), 3);
    EXPECT_FLOAT_EQ(average("Crop 1 Curve Number"), 75.0f);
    EXPECT_EQ(f.text(average_output_table(), 0, "Crop 2 Id"), "SOYB");
    EXPECT_FLOAT_EQ(average("Crop 2 Yield"), 2.0f);    // "*****" first yield reads 0
    EXPECT_FLOAT_EQ(average("Crop 2 Curve Number"), 80.0f);
    EXPECT_EQ(f.text(average_output_table(), 0, "Crop 3 Id"), "");
    EXPECT_TRUE(std::isnan(average("Crop 3 Yield")));
}

TEST_F(Report2110, YearlyRowsHoldEachYearsOwnValues)
{
    ASSERT_TRUE(f.load()) << f.log;
    ASSERT_EQ(f.count(yearly_output_table()), 2);
    EXPECT_EQ(yearly(0, "Year"), 1);
    EXPECT_FLOAT_EQ(yearly(1, "Tmx"), 30.0f);
    EXPECT_FLOAT_EQ(yearly(0, "Nitr"), 9999999.0f);
    EXPECT_FLOAT_EQ(yearly(0, "Sw10"), 35.0f);
    EXPECT_FLOAT_EQ(yearly(1, "Hay"), 76.0f);
    EXPECT_FLOAT_EQ(yearly(0, "Soil Water"), 0.18f);
    EXPECT_TRUE(std::isnan(yearly(0, "Fc")));          // set in version 1307 only
    EXPECT_FLOAT_EQ(yearly(0, "Crop 1 Yield"), 6.0f);
    EXPECT_FLOAT_EQ(yearly(1, "Crop 1 Yield"), 3.2f);
    EXPECT_FLOAT_EQ(yearly(0, "Crop 1 Yln"), 40.5f);
    EXPECT_EQ(yearly(0, "Crop 1 Water Stress"), 1);
    EXPECT_FLOAT_EQ(yearly(0, "Crop 2 Yield"), 0.0f);
    EXPECT_FLOAT_EQ(yearly(1, "Selected Variable 2"), 1000.0f);
}

TEST_F(Report2110, ResidueWatershedAndSelectedVariables)
{
    ASSERT_TRUE(f.load()) << f.log;
    ASSERT_EQ(f.count(residue_output_table()), 24);
    EXPECT_EQ(f.rows(residue_output_table())[13], (std::vector<std::string>{"7", "1", "2", "2", "2"}));
    ASSERT_EQ(f.count(watershed_output_table()), 24);
    EXPECT_FLOAT_EQ(f.value(watershed_output_table(), 14, "Prcp"), 200.02f);
    EXPECT_FLOAT_EQ(f.value(watershed_output_table(), 14, "Ymuw"), 216.02f);
    const auto selected = f.rows(selected_variables_table());
    ASSERT_EQ(selected.size(), 10u);
    EXPECT_EQ(selected[0], (std::vector<std::string>{"7", "Selected 1", " TMX"}));
    EXPECT_EQ(selected[1], (std::vector<std::string>{"7", "Selected 2", "  ET"}));
    EXPECT_EQ(selected[9], (std::vector<std::string>{"7", "Selected 10", ""}));
    EXPECT_EQ(f.selection_changed, 0);
}

TEST_F(Report2110, EnglishUnitsConvertOnLoading)
{
    f.request.english_convert = true;
    ASSERT_TRUE(f.load()) << f.log;
    EXPECT_FLOAT_EQ(average("Tmx"), 77.0f);
    EXPECT_FLOAT_EQ(average("Area by Field"), 12.5f * 2.47105f);
    EXPECT_FLOAT_EQ(average("Prcp"), 1200.0f * 0.03937f);
    EXPECT_FLOAT_EQ(average("Soil Depth"), 1.5f * 3.2808f);
    EXPECT_FLOAT_EQ(average("Crop 1 Yield"), 4.6f * 0.44609f);
    EXPECT_FLOAT_EQ(average("Selected Variable 1"), 77.0f);
    EXPECT_FLOAT_EQ(average("Selected Variable 2"), static_cast<float>(750.0 * 0.03937));
    EXPECT_FLOAT_EQ(average("Selected Variable 3"), -1.0f);
}

TEST_F(Report2110, WindowLimitsYearlyRowsButNotAverages)
{
    f.request.save_year_first = 1989;
    f.request.save_year_last = 1989;
    ASSERT_TRUE(f.load()) << f.log;
    ASSERT_EQ(f.count(yearly_output_table()), 1);
    EXPECT_EQ(yearly(0, "Year"), 2);
    EXPECT_EQ(f.count(residue_output_table()), 12);
    EXPECT_FLOAT_EQ(average("Tmx"), 25.0f);
}

TEST_F(Report2110, WithoutTotalRunTimeTheRunDidNotFinishAndNothingIsStored)
{
    f.report(".OUT", replaced(report_2110, "TOTAL RUN TIME", "TOTAL RUN"));
    EXPECT_FALSE(f.load());
    EXPECT_EQ(f.log, "VORN did not finish for run 7\n");
    EXPECT_EQ(f.count(average_output_table()), 0);
    EXPECT_EQ(f.count(selected_variables_table()), 0);
    EXPECT_EQ(f.selection_changed, 1);
}

TEST_F(Report2110, VariableSetTwiceFailsTheRun)
{
    f.report(".OUT", replaced(report_2110, "  FNO    ", "   QN    "));
    EXPECT_FALSE(f.load());
    EXPECT_NE(f.log.find("ERROR: Cannot set yearly value\nfor    "), std::string::npos) << f.log;
    EXPECT_NE(f.log.find(" field 0 index 8 year 0\n"), std::string::npos) << f.log;
    EXPECT_EQ(f.count(average_output_table()), 0);
}

TEST_F(Report2110, ReportNameCaseDoesNotMatter)
{
    std::filesystem::rename(f.dir.file("vorn.OUT"), f.dir.file("VORN.out"));
    ASSERT_TRUE(f.load()) << f.log;
    EXPECT_EQ(f.count(average_output_table()), 1);
}

TEST_F(Report2110, MissingReportIsAnError)
{
    std::filesystem::remove(f.dir.file("vorn.OUT"));
    EXPECT_FALSE(f.load());
    EXPECT_EQ(f.log, "ERROR: Unable to open output file: " + f.dir.file("vorn.OUT") + "\n");
}

TEST_F(Report2110, DurationBeyondTheYearSlotsStopsWithTheLimit)
{
    f.report(".OUT", replaced(report_2110, "DURATION =   2 Y", "DURATION = 136 Y"));
    EXPECT_FALSE(f.load());
    EXPECT_EQ(f.log, "I_VORN read error\nERROR: Simulation duration of 136 years is outside the limit of 1 to 135 "
                     "years\n");
    EXPECT_EQ(f.count(average_output_table()), 0);
}

TEST_F(Report2110, MoreThanAHundredSubareasStopsWithTheLimit)
{
    std::string blocks;
    for (int s = 0; s < 101; ++s)
        blocks += "      Y M D  OP  CROP                    \n1\n";
    f.report(".OUT", replaced(report_2110, "      Y M D  OP  CROP   FOR SUBAREA 1    \n", blocks));
    EXPECT_FALSE(f.load());
    EXPECT_NE(f.log.find("ERROR: Report exceeds the limit of 100 subareas\n"), std::string::npos) << f.log;
    EXPECT_EQ(f.count(average_output_table()), 0);
}

TEST_F(Report2110, MoreCropsThanSlotsLeavesTheEleventhOut)
{
    std::string crops;
    for (int crop = 0; crop < 9; ++crop)
        crops += " ----\n  CRP" + std::to_string(crop)
                 + " YLD=  1.00/  0.00T/HA  BIOM=  1.00T/HA  WUEF=  1.00T/MM  YLN=  1.00KG/HA  YLP=  1.00\n ----\n"
                   "  CRP STRESS (D) WS 0.00 N STRESS 0.00 P STRESS 0.00 T STRESS 0.00\n";
    const std::string last_stress = "  SOYB STRESS (D) WS 0.00 N STRESS 0.00 P STRESS 0.00 T STRESS 0.00\n";
    f.report(".OUT", replaced(report_2110, last_stress, last_stress + crops));
    ASSERT_TRUE(f.load()) << f.log;
    EXPECT_NE(f.log.find("Crop CRP8 of subarea 1 left out: a subarea keeps at most 10 crops\r\n"), std::string::npos)
        << f.log;
    EXPECT_EQ(f.count(average_output_table()), 1);
    EXPECT_EQ(f.text(average_output_table(), 0, "Number Crops"), "10");
}

TEST(SelectedValues, ConvertByTheirEnglishLabel)
{
    struct conversion_case {
        const char* label;
        float expected;
    };
    const conversion_case cases[] = {{"in", 0.3937f},  {"Degrees F", 50.0f}, {"mph", 22.3668f}, {"t/ac", 4.4609f},
                                     {"f", 32.808f},   {"lb/ac", 8.9217f},   {"T", 11.023f},    {"inches", 10.0f},
                                     {"", 10.0f}};
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(convert_selected_value(10.0f, c.label, true), c.expected) << c.label;
    EXPECT_FLOAT_EQ(convert_selected_value(10.0f, "in", false), 10.0f);
}

TEST(VornOutputClass, VariableListStopsAtTwoHundredNames)
{
    auto out = std::make_unique<vorn_output_class>();
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(out->variable_index(std::to_string(i)), i);
    EXPECT_EQ(out->variable_index("0"), 0);
    EXPECT_FALSE(out->error_flag);
    EXPECT_EQ(out->variable_index("X"), -1);
    EXPECT_EQ(out->error_text, "ERROR: Report exceeds the limit of 200 output variables: X\n");
}

TEST(VornOutputClass, StarsStoreOverflowWithStatusKeptInTheAverage)
{
    auto out = std::make_unique<vorn_output_class>();
    out->duration = 2;
    ASSERT_TRUE(out->set_yearly_value(0, out->variable_index("  QN"), 0, "*********"));
    ASSERT_TRUE(out->set_yearly_value(0, out->variable_index("  QN"), 1, "     4.00"));
    float value = 0.0f;
    out->get_yearly_value(0, "  QN", 1, value);
    EXPECT_FLOAT_EQ(value, 4.0f);
    out->get_yearly_value(0, "  QN", 2, value);
    EXPECT_FLOAT_EQ(value, 9999999.0f);
    EXPECT_FALSE(out->error_flag);
    out->get_yearly_value(0, "  YP", 2, value);
    EXPECT_EQ(out->error_text, "ERROR: value not set:   YP\n");
    EXPECT_FALSE(out->set_yearly_value(0, 0, 1, "  x"));
}

} // namespace
} // namespace ivorn
