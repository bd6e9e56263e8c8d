// One launch of the model through the real launcher against the stand-in: a missing executable,
// a model that crashes, the files an earlier run left, and
// whole runs for each model layout whose rows reach the output tables.
#include "run/model_run.h"

#include <gtest/gtest.h>

#include <filesystem>


#include "run/run_inputs.h"
#include "support/run_document.h"

namespace ivorn {
namespace {

const char* const output_tables[] = {"Average Output", "Yearly Output", "Crop Yield Output", "Watershed Output"};

class ModelRun : public testing::run_document {
protected:
    void SetUp() override
    {
        run_document::SetUp();
        import_records(1);
        doc.output_options.create_yearly_table = 1;
        doc.output_options.create_watershed_table = 1;
    }

    bool launch()
    {
        context = doc.make_run_context();
        log.clear();
        console.clear();
        return write_list_files(context, log) && launch_model(context, false, console, log);
    }

    long long output_rows()
    {
        long long rows = 0;
        for (const char* table : output_tables)
            rows += rows_of(table, 1);
        return rows;
    }

    std::string command_line() const { return "\"" + model_file("vorn_stand_in") + "\""; }

    run_context context;
    std::string log;
    std::string console;
};

TEST_F(ModelRun, MissingExecutableCannotCreateTheProcess)
{
    settings.model_executable.set_full_path(model_file("vorn2110v3"));
    EXPECT_FALSE(launch());
    EXPECT_EQ(log, "Unable to create process, code=2.\r\n\"" + model_file("vorn2110v3") + "\"\r\n");
    EXPECT_FALSE(model_file_exists("iv.con"));
    EXPECT_FALSE(context.record->modified);
    EXPECT_EQ(output_rows(), 0);
}

TEST_F(ModelRun, CrashedModelWasLaunchedButItsReportDoesNotLoad)
{
    testing::scoped_environment failure("IVORN_STAND_IN_FAILURE", "crash");
    EXPECT_FALSE(launch());
    EXPECT_EQ(console.rfind(command_line() + "\r\nProcess Finished\r\n", 0), 0u) << console;
    EXPECT_EQ(log.find("Unable to create process"), std::string::npos) << log;
    EXPECT_EQ(log.find("Process Cancelled/Error"), std::string::npos) << log;
    // The crash left half a main report and none of the others; nothing of it is loaded.
    EXPECT_EQ(log, "The model was ended by signal SIGABRT (6).\r\n");
    EXPECT_FALSE(model_file_exists("iv.con"));
    EXPECT_FALSE(context.record->modified);
    EXPECT_EQ(output_rows(), 0);
}

TEST_F(ModelRun, EarlierRunsReportsAndTheBareVornFileAreRemovedBeforeTheLaunch)
{
    for (const char* name : {"vorn", "VORN.OUT", "vorn.ACY", "vorn.Awp", "vorn.swt", "00000001.0001.SOT"})
        testing::write_file(model_file(name), "left by an earlier run\n");
    testing::scoped_environment failure("IVORN_STAND_IN_FAILURE", "no-reports");
    EXPECT_FALSE(launch());
    for (const char* name : {"vorn", "VORN.OUT", "vorn.ACY", "vorn.Awp", "vorn.swt"})
        EXPECT_FALSE(model_file_exists(name)) << name;
    EXPECT_TRUE(model_file_exists("00000001.0001.SOT")); // ReadSoil starts from it
    EXPECT_EQ(output_rows(), 0);
}

TEST_F(ModelRun, ModelNamedVornIsNotTakenForALeftover)
{
    std::filesystem::copy_file(model_file("vorn_stand_in"), model_file("VORN"));
    settings.model_executable.set_full_path(model_file("VORN"));
    EXPECT_TRUE(launch()) << log;
    EXPECT_TRUE(model_file_exists("VORN"));
    EXPECT_TRUE(launch()) << log;
}

TEST_F(ModelRun, VisibleModelLeavesTheConsoleTextEmpty)
{
    settings.run_visible = 1;
    EXPECT_TRUE(launch()) << log;
    EXPECT_EQ(console, "");
    EXPECT_FALSE(model_file_exists("iv.con"));
}

TEST_F(ModelRun, WorkingDirectoryOfAnyLength)
{
    std::filesystem::path deep = scratch.path();
    for (int i = 0; i < 4; ++i)
        deep /= std::string(90, static_cast<char>('a' + i));
    std::filesystem::create_directories(deep);
    std::filesystem::create_symlink(IVORN_STAND_IN_PATH, deep / "vorn_stand_in");
    settings.model_executable.set_full_path((deep / "vorn_stand_in").string());
    ASSERT_GT(settings.model_working_directory().size(), 360u);
    EXPECT_TRUE(launch()) << log << console;
    EXPECT_GT(output_rows(), 0);
}

class ModelRunVersions : public ModelRun, public ::testing::WithParamInterface<int> {};

TEST_P(ModelRunVersions, StandInRunLoadsItsRowsAndMarksTheRecordModified)
{
    settings.vorn_version = GetParam();
    ASSERT_TRUE(launch()) << log << console;
    EXPECT_EQ(console.rfind(command_line() + "\r\nProcess Finished\r\n", 0), 0u) << console;
    EXPECT_NE(console.find("TOTAL RUN TIME"), std::string::npos) << console;
    EXPECT_TRUE(context.record->modified);
    for (const char* table : output_tables)
        EXPECT_GT(rows_of(table, 1), 0) << table;
    EXPECT_FALSE(model_file_exists("iv.con"));
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, ModelRunVersions, ::testing::Values(2110, 806, 1307));

} // namespace
} // namespace ivorn
