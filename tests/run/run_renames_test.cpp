// The renames after a run: a run that wrote no SWAT output leaves no SWAT file of an earlier run
// under the record's name, and the basin list does not name one; final soil tables stay.
#include "run/run_renames.h"

#include <gtest/gtest.h>

#include "support/run_document.h"

namespace ivorn {
namespace {

class RunRenames : public testing::run_document {
protected:
    void SetUp() override
    {
        run_document::SetUp();
        import_records(1);
    }
};

TEST_F(RunRenames, RunWithoutSwatOutputRemovesTheRecordsEarlierSwatFile)
{
    testing::write_file(model_file("sw000001.swt"), "an earlier run's SWAT output\n");
    testing::write_file(model_file("00000001.0001.SOT"), "an earlier run's final soil\n");
    run_context context = doc.make_run_context();
    model_file_writer basin;
    ASSERT_TRUE(basin.open(model_file("swat_basin.dat"), line_end_style::lf));
    std::string log;
    EXPECT_TRUE(rename_swat_output(context, &basin, log));
    EXPECT_TRUE(rename_final_soil_tables(context, log));
    ASSERT_TRUE(basin.close());
    EXPECT_FALSE(model_file_exists("sw000001.swt"));
    EXPECT_EQ(testing::read_file(model_file("swat_basin.dat")), "");
    EXPECT_EQ(testing::read_file(model_file("00000001.0001.SOT")), "an earlier run's final soil\n");
    EXPECT_EQ(log.substr(0, log.find('\n') + 1),
              "Unable to rename " + model_file("vorn.swt") + " to " + model_file("sw000001.swt") + "\n");

    testing::write_file(model_file("VORN.SWT"), "this run's SWAT output\n");
    log.clear();
    ASSERT_TRUE(basin.open(model_file("swat_basin.dat"), line_end_style::lf));
    EXPECT_TRUE(rename_swat_output(context, &basin, log));
    ASSERT_TRUE(basin.close());
    EXPECT_EQ(log, "");
    EXPECT_EQ(testing::read_file(model_file("sw000001.swt")), "this run's SWAT output\n");
    EXPECT_EQ(testing::read_file(model_file("swat_basin.dat")).substr(0, 12), "sw000001.swt");
}

} // namespace
} // namespace ivorn
