// Run / This Record and the pre-checks through the document: the dialogs' captions, buttons and
// texts, the precheck override, the renames after a good run, a failed run's log, the next run
// of the record starting from its final soil tables, and Pre-Check All with one failing record.
#include <gtest/gtest.h>

#include <thread>

#include "support/run_document.h"

namespace ivorn {
namespace {

const char* const no_weather = "No current weather to run\r\n";

class RunThisRecord : public testing::run_document {
protected:
    void SetUp() override
    {
        run_document::SetUp();
        import_records(1);
    }
    std::string command_line() const { return "\"" + model_file("vorn_stand_in") + "\""; }
};

TEST_F(RunThisRecord, GoodRunShowsTheConsoleTextAndRenamesItsFiles)
{
    ASSERT_TRUE(doc.run_this_record()) << last_error_list_text();
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].caption, "VORN succeeded");
    EXPECT_EQ(ui.error_lists[0].ok_label, "Click me");
    EXPECT_EQ(ui.error_lists[0].text.rfind(command_line() + "\r\nProcess Finished\r\n VORN STAND-IN", 0), 0u);
    EXPECT_EQ(ui.status, "Running VORN2110 #1 ID=1");
    EXPECT_EQ(doc.output_options.create_yearly_table, 1);
    EXPECT_EQ(doc.output_options.create_watershed_table, 1);
    EXPECT_EQ(doc.output_options.create_residue_table, 0);
    EXPECT_TRUE(doc.current_record()->modified);
    EXPECT_GT(rows_of("Yearly Output", 1), 0);
    // Switch 29 is on: the final soil tables get the record's names; the SWAT output too.
    for (const char* name : {"00000001.0001.SOT", "00000001.0002.SOT", "sw000001.swt"})
        EXPECT_TRUE(model_file_exists(name)) << name;
    for (const char* name : {"0001.SOT", "vorn.SWT"})
        EXPECT_FALSE(model_file_exists(name)) << name;
    EXPECT_EQ(ui.refresh_hints.back(), 1);
}

TEST_F(RunThisRecord, NextRunWithReadSoilStartsFromTheFinalSoilTables)
{
    ASSERT_TRUE(doc.run_this_record()) << last_error_list_text();
    const std::string final_soil = testing::read_file(model_file("00000001.0002.SOT"));
    ASSERT_NE(final_soil, "");
    settings.read_soil = 1;
    ASSERT_TRUE(doc.run_this_record()) << last_error_list_text();
    EXPECT_EQ(testing::read_file(model_file("0002.sol")), final_soil);
    EXPECT_TRUE(model_file_exists("00000001.0002.SOT")); // this run's own, for the next one
}

TEST_F(RunThisRecord, FailedPrecheckEndsTheRunUnlessOverridden)
{
    doc.current_record()->weather_station.number = 0;
    ui.error_list_answer = false;
    EXPECT_FALSE(doc.run_this_record());
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].caption, "Don't run VORN til this is fixed");
    EXPECT_EQ(ui.error_lists[0].ok_label, "Run VORN Anyhow");
    EXPECT_EQ(ui.error_lists[0].text, std::string(no_weather) + "Precheck failed for record ID 1.\r\n");
    EXPECT_FALSE(model_file_exists("vornfile.dat"));

    ui.error_list_answer = true;
    EXPECT_TRUE(doc.run_this_record()) << last_error_list_text();
    ASSERT_EQ(ui.error_lists.size(), 3u);
    EXPECT_EQ(ui.error_lists[1].ok_label, "Run VORN Anyhow");
    EXPECT_EQ(ui.error_lists[2].caption, "VORN succeeded");
}

TEST_F(RunThisRecord, FailedRunShowsTheLogAndTheConsoleText)
{
    testing::scoped_environment failure("IVORN_STAND_IN_FAILURE", "no-total");
    EXPECT_FALSE(doc.run_this_record());
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].caption, "VORN appears to have failed");
    EXPECT_EQ(ui.error_lists[0].ok_label, "");
    const std::string& text = ui.error_lists[0].text;
    EXPECT_NE(text.find("VORN did not finish for run 1\n\r\n***\r\n" + command_line() + "\r\nProcess Finished\r\n"),
              std::string::npos)
        << text;
    EXPECT_FALSE(doc.current_record()->modified);
    EXPECT_EQ(rows_of("Yearly Output", 1), 0);
}

TEST_F(RunThisRecord, CancelledModelDoesNotCancelTheNextRun)
{
    {
        testing::scoped_environment failure("IVORN_STAND_IN_FAILURE", "hang");
        std::thread stop([this] {
            for (int i = 0; i < 1500 && !model_file_exists("vorn.OUT"); ++i) // at most half a minute
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            launcher.request_cancel();
        });
        EXPECT_FALSE(doc.run_this_record());
        stop.join();
        EXPECT_NE(last_error_list_text().find("Process Cancelled/Error\r\n"), std::string::npos);
    }
    EXPECT_TRUE(doc.run_this_record()) << last_error_list_text();
}

TEST_F(RunThisRecord, PrecheckThisRecord)
{
    EXPECT_TRUE(doc.precheck_this_record());
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Record OK."});
    doc.current_record()->weather_station.number = 0;
    EXPECT_FALSE(doc.precheck_this_record());
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].ok_label, "Ok");
}

TEST_F(RunThisRecord, PrecheckAllRecordsCountsTheFailures)
{
    import_records(2);
    EXPECT_TRUE(doc.precheck_all_records());
    EXPECT_EQ(ui.messages, std::vector<std::string>{"All 3 records ok."});

    ASSERT_TRUE(execute("UPDATE \"Control Records\" SET \"Weather Station ID\" = 0 WHERE ID = 2"));
    doc.search_id(3);
    ui.error_lists.clear();
    EXPECT_FALSE(doc.precheck_all_records());
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].caption, "Don't run VORN til this is fixed");
    EXPECT_EQ(ui.error_lists[0].ok_label, "Ok");
    EXPECT_EQ(ui.error_lists[0].text,
              std::string(no_weather) + "Precheck failed for record ID 2.\r\n*** 1 of 3 records failed***\r\n");
    EXPECT_EQ(doc.current_record()->id, 3); // back on the record it started from
    EXPECT_EQ(ui.wait_cursors, 0);
}

TEST_F(RunThisRecord, PrecheckAllRecordsThatCannotStoreTheCurrentRecordChecksNothingAndSaysSo)
{
    doc.current_record()->mlra = "longer than its column";
    doc.current_record()->modified = true;
    EXPECT_FALSE(doc.precheck_all_records());
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].caption, "Don't run VORN til this is fixed");
    EXPECT_NE(ui.error_lists[0].text.find("too long"), std::string::npos) << ui.error_lists[0].text;
}

} // namespace
} // namespace ivorn
