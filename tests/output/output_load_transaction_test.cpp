// Loading a run's outputs is one transaction that replaces the run's earlier rows: a second load
// does not double them, another run's rows stay, and a load that fails halfway changes nothing.
#include <gtest/gtest.h>

#include "output_load_fixture.h"
#include "report_2110_fixture.h"

namespace ivorn {
namespace {

using testing::output_load_fixture;

const std::string crop_yields = "1\n2\n3\n4\n5\n6\n7\n8\n"
                                "        1         1 CORN      6.00\n"
                                "        1         2 CORN      3.20\n";

class OutputLoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.switches({0, 23});
        f.request.want_yearly = true;
        f.report(".OUT", testing::report_2110);
        f.report(".ACY", crop_yields);
    }
    output_load_fixture f;
};

TEST_F(OutputLoad, SecondLoadReplacesTheRunsRows)
{
    ASSERT_TRUE(f.load()) << f.log;
    f.request.record_id = 8;
    ASSERT_TRUE(f.load()) << f.log;
    f.request.record_id = 7;
    ASSERT_TRUE(f.load()) << f.log;
    EXPECT_EQ(f.count(crop_yield_output_table()), 4);
    EXPECT_EQ(f.count(average_output_table()), 2);
    EXPECT_EQ(f.count(yearly_output_table()), 4);
    EXPECT_EQ(f.text(average_output_table(), 0, "Farm Id"), "8");
    EXPECT_EQ(f.text(average_output_table(), 1, "Farm Id"), "7");
}

TEST_F(OutputLoad, SelectedVariablesAreWrittenOncePerSelectionCounter)
{
    ASSERT_TRUE(f.load()) << f.log;
    EXPECT_EQ(f.selection_changed, 0);
    f.selection_changed = 1;
    f.request.record_id = 8;
    ASSERT_TRUE(f.load()) << f.log;
    EXPECT_EQ(f.count(selected_variables_table()), 10);
    f.variables.selection_counter = 8;
    f.selection_changed = 1;
    ASSERT_TRUE(f.load()) << f.log;
    EXPECT_EQ(f.count(selected_variables_table()), 20);
}

TEST_F(OutputLoad, ReloadWithOtherSwitchesLeavesNoRowOfTheEarlierLoad)
{
    f.request.want_residue = true;
    ASSERT_TRUE(f.load()) << f.log;
    ASSERT_EQ(f.count(residue_output_table()), 24);
    ASSERT_EQ(f.count(yearly_output_table()), 2);
    f.switches({0});
    f.request.want_yearly = false;
    f.request.want_residue = false;
    f.request.english_convert = true;
    ASSERT_TRUE(f.load()) << f.log;
    EXPECT_EQ(f.count(crop_yield_output_table()), 0);
    EXPECT_EQ(f.count(yearly_output_table()), 0);
    EXPECT_EQ(f.count(residue_output_table()), 0);
    EXPECT_EQ(f.count(average_output_table()), 1);
}

TEST_F(OutputLoad, SecondDatabaseGetsItsSelectedVariablesRows)
{
    ASSERT_TRUE(f.load()) << f.log;
    ASSERT_EQ(f.selection_changed, 0);
    std::string log;
    database second;
    ASSERT_TRUE(create_project_database(f.dir.file("second.db"), log)) << log;
    ASSERT_TRUE(open_project_database(second, f.dir.file("second.db"), log)) << log;
    ASSERT_TRUE(read_run_outputs(second, f.request, log)) << log;
    EXPECT_EQ(second.count_rows(selected_variables_table(), log), 10);
    EXPECT_EQ(second.count_rows(average_output_table(), log), 1);
    // Once there, they are not written again while the selection stays.
    ASSERT_TRUE(read_run_outputs(second, f.request, log)) << log;
    EXPECT_EQ(second.count_rows(selected_variables_table(), log), 10);
}

TEST_F(OutputLoad, LoaderFailingHalfwayLeavesTheEarlierRows)
{
    ASSERT_TRUE(f.load()) << f.log;
    const auto crops_before = f.rows(crop_yield_output_table());
    const auto averages_before = f.rows(average_output_table());
    f.switches({0, 23, 6});  // the monthly subarea file is missing: the last loader fails
    f.report(".ACY", crop_yields + "        1         3 CORN      9.00\n");
    f.selection_changed = 1;
    EXPECT_FALSE(f.load());
    EXPECT_EQ(f.log, "3 fields printed as stars in " + f.dir.file("vorn.OUT") + "\r\n"
                     "ERROR: Unable to open output file: " + f.dir.file("vorn.MSA") + "\n");
    EXPECT_EQ(f.rows(crop_yield_output_table()), crops_before);
    EXPECT_EQ(f.rows(average_output_table()), averages_before);
    EXPECT_EQ(f.selection_changed, 1);
}

TEST_F(OutputLoad, WithoutAListNothingIsLoaded)
{
    f.request.variables = nullptr;
    ASSERT_TRUE(f.load()) << f.log;
    EXPECT_EQ(f.count(average_output_table()), 0);
    EXPECT_EQ(f.count(crop_yield_output_table()), 0);
}

TEST(OutputLoadWindow, WideWindowIsCutToAHundredYears)
{
    output_load_fixture f;
    f.switches({23});
    f.request.save_year_first = 1;
    f.request.save_year_last = 500;
    const std::string text = "1\n2\n3\n4\n5\n6\n7\n8\n"
                             "        1         1 CORN      1.00\n"
                             "        1       100 CORN      1.00\n"
                             "        1       101 CORN      1.00\n";
    f.report(".ACY", text);
    ASSERT_TRUE(f.load()) << f.log;
    const auto rows = f.rows(crop_yield_output_table());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][2], "100");
}

} // namespace
} // namespace ivorn
