// Run / All Records through the document with the stand-in model: list order, counts, progress
// and the closing report; the stop rules; first past last; an empty table; the archive; the first
// failure's error files; the SWAT summary; Cancel between runs.
#include <gtest/gtest.h>

#include <regex>

#include "support/run_document.h"

namespace ivorn {
namespace {

class RunAllRecords : public testing::run_document {
protected:
    void SetUp() override
    {
        run_document::SetUp();
        options.first_position = 1;
        options.last_position = 3;
        ui.run_set_answer = &options;
    }

    bool run_set()
    {
        const bool ok = doc.run_all_records();
        report = doc.last_run_set();
        return ok;
    }

    int occurrences(const std::string& text) const
    {
        int count = 0;
        for (size_t at = report.log.find(text); at != std::string::npos; at = report.log.find(text, at + 1))
            ++count;
        return count;
    }

    bool contains(const std::string& text) const { return report.log.find(text) != std::string::npos; }

    run_set_options options;
    doc_i_vorn::run_set_report report;
};

// The closing report's counts; the timing varies.
void expect_closing(const doc_i_vorn::run_set_report& report, const std::string& counts)
{
    EXPECT_TRUE(std::regex_match(report.closing, std::regex(counts + "\r\nElapsed: [0-9]+\\.[0-9]{3} seconds, ave=[0-9]+\\.[0-9]{3}")))
        << report.closing;
    EXPECT_EQ(report.log.substr(report.log.size() - report.closing.size()), report.closing);
}

TEST_F(RunAllRecords, EveryRecordRunsInListOrderWithProgressAndTheClosingReport)
{
    import_records(3);
    doc.search_id(2);
    options.create_yearly_table = true;
    options.create_residue_table = true;
    ASSERT_TRUE(run_set()) << report.log;

    ASSERT_EQ(ui.proposed_run_sets.size(), 1u);
    const run_set_options& proposed = ui.proposed_run_sets[0];
    EXPECT_EQ(proposed.first_position, 1);
    EXPECT_EQ(proposed.last_position, 3);
    EXPECT_TRUE(proposed.stop_on_precheck_error);
    EXPECT_FALSE(proposed.stop_on_run_error || proposed.realtime_priority || proposed.save_input_files
                 || proposed.save_swat_files || proposed.create_yearly_table || proposed.create_watershed_table
                 || proposed.create_residue_table);

    EXPECT_EQ(report.attempted, 3);
    EXPECT_EQ(report.successful, 3);
    EXPECT_EQ(report.log.rfind("Attempting 3 runs.\r\n", 0), 0u);
    expect_closing(report, "3 runs, 3 successful runs\\.");
    ASSERT_FALSE(ui.error_lists.empty());
    EXPECT_EQ(ui.error_lists.back().caption, "Multiple Runs");
    EXPECT_EQ(ui.error_lists.back().ok_label, "Click This");
    EXPECT_EQ(ui.error_lists.back().text, report.log);
    EXPECT_EQ(ui.error_lists.size(), 1u);

    EXPECT_EQ(ui.progress_range, std::make_pair(0, 3));
    EXPECT_EQ(ui.progress_positions, (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(ui.progress_lines.size(), 3u);
    EXPECT_EQ(ui.progress_lines[0], std::make_pair(0, std::string("Run      1, Good=     1 ")));
    EXPECT_EQ(ui.progress_lines[2], std::make_pair(0, std::string("Run      3, Good=     3 ")));
    EXPECT_FALSE(ui.progress_opened);
    EXPECT_EQ(ui.status, "Running VORN2110 #3 ID=3");

    for (std::int32_t id = 1; id <= 3; ++id) {
        EXPECT_GT(rows_of("Yearly Output", id), 0) << id;
        EXPECT_GT(rows_of("Residue Output", id), 0) << id;
        EXPECT_EQ(rows_of("Watershed Output", id), 0) << id;
        EXPECT_TRUE(model_file_exists(format_printf("%08d.0001.SOT", id))) << id;
    }
    EXPECT_EQ(doc.current_record()->id, 2); // back on the record it started from
    EXPECT_FALSE(doc.current_record()->modified);
}

TEST_F(RunAllRecords, FirstPositionPastTheLastRunsExactlyOneRecord)
{
    import_records(3);
    options.first_position = 3;
    options.last_position = 1;
    options.realtime_priority = true; // as high as this user may ask for
    ASSERT_TRUE(run_set()) << report.log;
    EXPECT_EQ(report.attempted, 1);
    EXPECT_EQ(report.log.rfind("Attempting 1 runs.\r\n", 0), 0u) << report.log;
    expect_closing(report, "1 runs, 1 successful runs\\.");
    EXPECT_EQ(rows_of("Average Output", 1), 0);
    EXPECT_GT(rows_of("Average Output", 3), 0);
}

TEST_F(RunAllRecords, EmptyTableRunsNothing)
{
    ui.run_set_answer = nullptr;
    EXPECT_TRUE(run_set()) << report.log;
    EXPECT_EQ(ui.proposed_run_sets.at(0).last_position, 0);
    EXPECT_EQ(report.attempted, 0);
    EXPECT_EQ(report.successful, 0);
    EXPECT_EQ(report.closing, "0 runs, 0 successful runs.\r\nElapsed: 0.000 seconds, ave=0.000");
    EXPECT_EQ(ui.error_lists.back().caption, "Multiple Runs");
}

TEST_F(RunAllRecords, CancelledRunDialogRunsNothing)
{
    import_records(1);
    ui.run_set_accept = false;
    EXPECT_FALSE(run_set());
    EXPECT_TRUE(ui.error_lists.empty());
    EXPECT_FALSE(model_file_exists("vornfile.dat"));
}

TEST_F(RunAllRecords, FailedPrecheckStopsTheSet)
{
    import_records(3);
    ASSERT_TRUE(execute("UPDATE \"Control Records\" SET \"Weather Station ID\" = 0 WHERE ID = 2"));
    EXPECT_FALSE(run_set());
    EXPECT_TRUE(report.stopped);
    ASSERT_EQ(ui.error_lists.size(), 2u);
    EXPECT_EQ(ui.error_lists[0].caption, "Don't run VORN til this is fixed");
    EXPECT_EQ(ui.error_lists[0].ok_label, "Ok");
    EXPECT_TRUE(contains("No current weather to run\r\nPrecheck failed for record ID 2.\r\n"
                         "Stop due to precheck error at 2\r\n"))
        << report.log;
    // The stopped record counts as attempted, as the set has always counted it.
    expect_closing(report, "2 runs, 1 successful runs\\.");
    EXPECT_GT(rows_of("Average Output", 1), 0);
    EXPECT_EQ(rows_of("Average Output", 3), 0);
}

TEST_F(RunAllRecords, FailedPrecheckWithoutItsStopIsAWarningAndTheRecordRuns)
{
    import_records(3);
    ASSERT_TRUE(execute("UPDATE \"Control Records\" SET \"Weather Station ID\" = 0 WHERE ID = 2"));
    options.stop_on_precheck_error = false;
    run_set();
    EXPECT_FALSE(report.stopped);
    EXPECT_TRUE(contains("Precheck failed for record ID 2.\r\nPrecheck warning, 2\r\n")) << report.log;
    EXPECT_EQ(report.attempted, 3);
    EXPECT_EQ(report.successful, 3);
    EXPECT_GT(rows_of("Average Output", 2), 0);
    EXPECT_GT(rows_of("Average Output", 3), 0);
}

TEST_F(RunAllRecords, FailedRunStopsTheSetWithItsOption)
{
    import_records(3);
    options.stop_on_run_error = true;
    testing::scoped_environment failure("IVORN_STAND_IN_FAILURE", "no-total");
    EXPECT_FALSE(run_set());
    EXPECT_TRUE(report.stopped);
    expect_closing(report, "1 runs, 0 successful runs\\.");
    EXPECT_TRUE(contains("Stop due to run error\r\n")) << report.log;
    ASSERT_EQ(ui.error_lists.size(), 2u);
    EXPECT_EQ(ui.error_lists[0].caption, "VORN appears to have failed");
    EXPECT_EQ(ui.error_lists[0].ok_label, "");
    EXPECT_EQ(ui.error_lists[0].text.rfind("\"" + model_file("vorn_stand_in") + "\"\r\nProcess Finished\r\n", 0), 0u);
    EXPECT_FALSE(model_file_exists("ivError.log"));
}

TEST_F(RunAllRecords, FailedRunsGoOnAndOnlyTheFirstLeavesItsErrorFiles)
{
    import_records(3);
    // Record 2 has no subareas left: the model refuses its inputs and writes no report.
    ASSERT_TRUE(execute("DELETE FROM \"Subareas\" WHERE ID = 2"));
    ASSERT_TRUE(execute("UPDATE \"Control Records\" SET \"Number Subareas\" = 0 WHERE ID = 2"));
    testing::scoped_environment failure("IVORN_STAND_IN_FAILURE", "no-total");
    EXPECT_FALSE(run_set());
    expect_closing(report, "3 runs, 0 successful runs\\.");
    const std::regex error_line("\\*\\*Error, record [123] - [0-9]{2}-[0-9]{2}-[0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}\\.\r\n");
    EXPECT_EQ(std::distance(std::sregex_iterator(report.log.begin(), report.log.end(), error_line),
                            std::sregex_iterator()),
              3)
        << report.log;
    EXPECT_FALSE(contains("Unable to rename output file")) << report.log;
    // Run 1's console text and main report; the later failures leave theirs where they are.
    const std::string error_log = testing::read_file(model_file("ivError.log"));
    EXPECT_EQ(error_log.rfind("\"" + model_file("vorn_stand_in") + "\"\r\nProcess Finished\r\n", 0), 0u);
    EXPECT_NE(error_log.find("2 SUBAREAS"), std::string::npos) << error_log;
    EXPECT_TRUE(model_file_exists("ivError.out"));
    EXPECT_TRUE(model_file_exists("vorn.OUT"));
}

TEST_F(RunAllRecords, ExistingErrorReportIsNotReplaced)
{
    import_records(1);
    options.last_position = 1;
    testing::write_file(model_file("ivError.out"), "an earlier set's\n");
    testing::scoped_environment failure("IVORN_STAND_IN_FAILURE", "no-total");
    run_set();
    EXPECT_EQ(occurrences("Unable to rename output file " + model_file("vorn.OUT") + " to " + model_file("ivError.out")
                          + ".\r\n"),
              1)
        << report.log;
    EXPECT_EQ(testing::read_file(model_file("ivError.out")), "an earlier set's\n");
}

TEST_F(RunAllRecords, ArchiveMovesTheFilesEachRunWrote)
{
    import_records(2);
    // Schedules are archived by subarea ID, whatever the IDs are.
    for (const char* table : {"Subareas", "Management", "Field Operations"})
        ASSERT_TRUE(execute(format_printf("UPDATE \"%s\" SET \"Subarea Id\" = 7 WHERE ID = 1 AND \"Subarea Id\" = 2", table)));
    std::filesystem::create_directory(model_dir() / "input_files");
    options.save_input_files = true;
    options.last_position = 2;
    ASSERT_TRUE(run_set()) << report.log;
    EXPECT_FALSE(contains("Unable to rename files")) << report.log;
    for (const char* name : {"1_0001.ops", "1_0007.ops", "1_ivSlList.dat", "1_ivParm.dat", "1_iv.cont", "1_iv.sub",
                             "1_iv.out", "2_0001.ops", "2_0002.ops", "2_iv.out"})
        EXPECT_TRUE(model_file_exists(std::string("input_files/") + name)) << name;
    for (const char* name : {"0001.ops", "ivSlList.dat", "ivParm.dat", "vorncont.dat", "ivsub.dat", "vorn.OUT"})
        EXPECT_FALSE(model_file_exists(name)) << name;
}

TEST_F(RunAllRecords, ArchiveOfTwoSubareasWithOneIdMovesTheirScheduleOnce)
{
    import_records(1);
    for (const char* table : {"Subareas", "Management", "Field Operations"})
        ASSERT_TRUE(execute(format_printf("UPDATE \"%s\" SET \"Subarea Id\" = 1 WHERE \"Subarea Id\" = 2", table)));
    std::filesystem::create_directory(model_dir() / "input_files");
    options.save_input_files = true;
    options.last_position = 1;
    run_set();
    EXPECT_FALSE(contains("Unable to rename files")) << report.log;
    EXPECT_TRUE(model_file_exists("input_files/1_0001.ops"));
}

TEST_F(RunAllRecords, RunThatWroteNothingKeepsTheEarlierFinalSoilButNotItsSwatFile)
{
    import_records(1);
    options.last_position = 1;
    options.save_swat_files = true;
    ASSERT_TRUE(run_set()) << report.log;
    const std::string final_soil = testing::read_file(model_file("00000001.0001.SOT"));
    const std::string swat = testing::read_file(model_file("sw000001.swt"));
    ASSERT_NE(final_soil, "");
    ASSERT_NE(swat, "");

    testing::scoped_environment failure("IVORN_STAND_IN_FAILURE", "no-reports");
    EXPECT_FALSE(run_set());
    EXPECT_TRUE(contains("Unable to rename " + model_file("0001.SOT") + " to " + model_file("00000001.0001.SOT") + "\n"))
        << report.log;
    EXPECT_EQ(testing::read_file(model_file("00000001.0001.SOT")), final_soil);
    EXPECT_FALSE(model_file_exists("sw000001.swt")) << "an earlier run's SWAT output is not this run's";
}

TEST_F(RunAllRecords, ArchiveOfVersionZeroMovesTheNumberedSubareaFiles)
{
    import_records(1);
    settings.vorn_version = 0;
    std::filesystem::create_directory(model_dir() / "input_files");
    options.save_input_files = true;
    options.last_position = 1;
    run_set();
    for (const char* name : {"1_0001.sub", "1_0002.sub", "1_iv.cont"})
        EXPECT_TRUE(model_file_exists(std::string("input_files/") + name)) << name;
    EXPECT_FALSE(model_file_exists("ivsub.dat1"));
}

TEST_F(RunAllRecords, ArchiveWithoutItsDirectoryFailsOncePerRunAndTheSetGoesOn)
{
    import_records(2);
    options.save_input_files = true;
    options.last_position = 2;
    ASSERT_TRUE(run_set()) << report.log;
    EXPECT_EQ(occurrences("Unable to rename files\r\n"), 2) << report.log;
    expect_closing(report, "2 runs, 2 successful runs\\.");
}

TEST_F(RunAllRecords, SwatFilesAreRenamedAndSummedUp)
{
    import_records(2);
    ASSERT_TRUE(execute("UPDATE \"Control Records\" SET \"SWAT Subbasin\" = 5 WHERE ID = 2"));
    options.save_swat_files = true;
    options.last_position = 2;
    ASSERT_TRUE(run_set()) << report.log;
    EXPECT_TRUE(model_file_exists("sw000001.swt"));
    EXPECT_TRUE(model_file_exists("sw000002.swt"));
    const std::string basin = testing::read_file(model_file("swat_basin.dat"));
    // Subareas of 4 and 8 ha; the record's SWAT subbasin.
    EXPECT_EQ(basin, "sw000001.swt       12.00 0\nsw000002.swt       12.00 5\n");
}

TEST_F(RunAllRecords, CancelBetweenRunsKeepsTheFinishedRuns)
{
    import_records(3);
    ui.cancel_after_queries = 1;
    EXPECT_FALSE(run_set());
    EXPECT_TRUE(report.cancelled);
    expect_closing(report, "1 runs, 1 successful runs\\.");
    EXPECT_EQ(ui.error_lists.back().caption, "Multiple Runs");
    EXPECT_GT(rows_of("Average Output", 1), 0);
    EXPECT_EQ(rows_of("Average Output", 2), 0);
}

TEST_F(RunAllRecords, RecordWhoseIdWasEditedIsCurrentAgainAfterTheSet)
{
    import_records(2);
    doc.search_id(2);
    doc.current_record()->id = 9;
    doc.current_record()->modified = true;
    options.last_position = 1;
    ASSERT_TRUE(run_set()) << report.log;
    EXPECT_EQ(doc.current_record()->id, 9);
    EXPECT_FALSE(contains("Unable to find control record")) << report.log;
}

TEST_F(RunAllRecords, ListFilesThatCannotBeWrittenEndTheSetAndSaySo)
{
    import_records(1);
    settings.model_executable.set_full_path(scratch.file("absent") + "/vorn_stand_in");
    EXPECT_FALSE(run_set());
    EXPECT_EQ(report.attempted, 0);
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_NE(ui.error_lists[0].text.find("ERROR, unable to open VORN name file " + scratch.file("absent")
                                          + "/vornfile.dat\r\n"),
              std::string::npos)
        << ui.error_lists[0].text;
}

} // namespace
} // namespace ivorn
