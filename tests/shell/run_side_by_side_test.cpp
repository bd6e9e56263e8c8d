// Run / All Records with models side by side: the same tables, counts, log and kept files as the
// one-at-a-time set, a model directory left as it was, the stop rules, Cancel, and the refusal of
// sets whose runs depend on each other.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>

#include "shell/all_tables.h"
#include "store/csv_export.h"
#include "support/run_document.h"

namespace ivorn {
namespace {

namespace fs = std::filesystem;
using files = std::map<std::string, std::string>;

class RunSideBySide : public testing::run_document {
protected:
    void SetUp() override
    {
        run_document::SetUp();
        fs::create_directories(model_dir() / "input_files");
        fs::create_directories(scratch.path() / "tmp");
        options.last_position = 6;
        options.jobs = 2;
        ui.run_set_answer = &options;
    }

    bool run_set()
    {
        const bool ok = doc.run_all_records();
        report = doc.last_run_set();
        return ok;
    }

    std::string table_dump(const table_description& table)
    {
        std::ostringstream out;
        std::string log;
        EXPECT_TRUE(export_table_csv(*doc.db(), table, out, log)) << log;
        return out.str();
    }

    bool contains(const std::string& text) const { return report.log.find(text) != std::string::npos; }

    run_set_options options;
    doc_i_vorn::run_set_report report;
    // Job directories go here, so that the test sees them gone afterwards.
    testing::scoped_environment temp{"TMPDIR", scratch.file("tmp").c_str()};
};

// Every file under `directory` (links read through), by relative path.
files contents(const fs::path& directory)
{
    files found;
    for (const auto& entry : fs::recursive_directory_iterator(directory))
        if (entry.is_regular_file())
            found[fs::relative(entry.path(), directory).string()] = testing::read_file(entry.path().string());
    return found;
}

// The log without what differs from set to set: the clock and the closing report's timing.
std::string comparable(const std::string& log)
{
    const std::regex clock("[0-9]{2}-[0-9]{2}-[0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}");
    return std::regex_replace(log.substr(0, log.find("Elapsed: ")), clock, "TIME");
}

TEST_F(RunSideBySide, LeavesWhatTheOneAtATimeSetLeavesAndNoTraceInTheModelDirectory)
{
    import_records(6);
    // Record 3 has no subareas: the model refuses its inputs, in the middle of the set.
    ASSERT_TRUE(execute("DELETE FROM \"Subareas\" WHERE ID = 3"));
    ASSERT_TRUE(execute("UPDATE \"Control Records\" SET \"Number Subareas\" = 0 WHERE ID = 3"));
    options.create_yearly_table = options.create_watershed_table = options.create_residue_table = true;
    options.save_input_files = true;
    doc.close_database();
    fs::copy_file(scratch.file("i_VORN.mdb"), scratch.file("twin.mdb"));

    ASSERT_TRUE(doc.open_database(scratch.file("i_VORN.mdb")));
    options.jobs = 1;
    EXPECT_FALSE(run_set());
    const doc_i_vorn::run_set_report one_at_a_time = report;
    std::map<std::string, std::string> tables;
    for (const table_description* table : all_tables())
        tables[table->name] = table_dump(*table);
    const files sequential = contents(model_dir());
    doc.close_database();

    const fs::path twin_dir = scratch.path() / "twin";
    fs::create_directories(twin_dir / "input_files");
    fs::create_symlink(IVORN_STAND_IN_PATH, twin_dir / "vorn_stand_in");
    fs::copy_file(model_file("output variables.csv"), twin_dir / "output variables.csv");
    settings.model_executable.set_full_path((twin_dir / "vorn_stand_in").string());
    const files before = contents(twin_dir);
    ASSERT_TRUE(doc.open_database(scratch.file("twin.mdb")));
    selection_changed = 1; // as the first set found it: the names are stored again
    options.jobs = 2;
    EXPECT_FALSE(run_set());

    EXPECT_EQ(report.attempted, 6);
    EXPECT_EQ(report.successful, 5);
    EXPECT_EQ(report.closing.substr(0, report.closing.find("Elapsed")),
              one_at_a_time.closing.substr(0, one_at_a_time.closing.find("Elapsed")));
    const std::string twin_path = twin_dir.string() + "/";
    // A report named in a message lies in the job's own directory when runs go side by side.
    const std::string side_by_side_log = std::regex_replace(report.log, std::regex("/[^ ]*/ivorn-jobs-[^/]+/[0-9]+/"), twin_path);
    EXPECT_EQ(comparable(side_by_side_log),
              std::regex_replace(comparable(one_at_a_time.log), std::regex(working_directory()), twin_path));
    for (const table_description* table : all_tables())
        EXPECT_EQ(table_dump(*table), tables[table->name]) << table->name;
    const files after = contents(twin_dir);
    for (const auto& [name, bytes] : before)
        EXPECT_EQ(after.at(name), bytes) << name << " changed";
    for (const auto& [name, bytes] : after) {
        if (before.count(name))
            continue;
        // Only what the one-at-a-time set keeps: the archive, the per-record final soil tables and
        // the first failure's files, whose console text names the model in its job directory.
        const bool kept = name.rfind("input_files/", 0) == 0 || name.rfind("ivError.", 0) == 0
                          || std::regex_match(name, std::regex("[0-9]{8}\\.[0-9]{4}\\.SOT"));
        EXPECT_TRUE(kept) << name << " was left in the model directory";
        const std::regex job_model("\"[^\"]*/ivorn-jobs-[^/]+/[0-9]+/vorn_stand_in\"");
        EXPECT_EQ(sequential.count(name) ? sequential.at(name) : "(absent)",
                  std::regex_replace(bytes, job_model, "\"" + working_directory() + "vorn_stand_in\""))
            << name;
    }
    EXPECT_TRUE(fs::is_empty(scratch.path() / "tmp")) << "job directories left behind";
}

TEST_F(RunSideBySide, StopRulesEndTheSetWhereTheOneAtATimeSetEndsIt)
{
    struct stop_case {
        const char* name;
        const char* sql;
        bool stop_on_run_error;
        const char* counts;
        const char* line;
    };
    const stop_case cases[] = {
        {"run error", "DELETE FROM \"Subareas\" WHERE ID = 3; UPDATE \"Control Records\" SET \"Number Subareas\" = 0 WHERE ID = 3", true, "3 runs, 2 successful runs.\r\n",
         "Stop due to run error\r\n"},
        {"precheck error", "UPDATE \"Control Records\" SET \"Weather Station ID\" = 0 WHERE ID = 3", false,
         "3 runs, 2 successful runs.\r\n", "Stop due to precheck error at 3\r\n"},
    };
    import_records(6);
    for (const stop_case& stop : cases) {
        ASSERT_TRUE(execute("DELETE FROM \"Average Output\""));
        ASSERT_TRUE(execute(stop.sql));
        options.stop_on_run_error = stop.stop_on_run_error;
        EXPECT_FALSE(run_set()) << stop.name;
        EXPECT_TRUE(report.stopped) << stop.name;
        EXPECT_EQ(report.closing.substr(0, report.closing.find("Elapsed")), stop.counts) << stop.name;
        EXPECT_TRUE(contains(stop.line)) << stop.name << report.log;
        EXPECT_GT(rows_of("Average Output", 2), 0) << stop.name;
        for (std::int32_t id = 3; id <= 6; ++id)
            EXPECT_EQ(rows_of("Average Output", id), 0) << stop.name << " record " << id;
    }
}

TEST_F(RunSideBySide, CancelStartsNothingNewAndLoadsWhatRan)
{
    import_records(3);
    ui.cancel_after_queries = 1;
    EXPECT_FALSE(run_set());
    EXPECT_TRUE(report.cancelled);
    EXPECT_EQ(report.closing.substr(0, report.closing.find("Elapsed")), "1 runs, 1 successful runs.\r\n");
    EXPECT_GT(rows_of("Average Output", 1), 0);
    EXPECT_EQ(rows_of("Average Output", 2), 0);
}

TEST_F(RunSideBySide, ReadSoilSetsAreRefusedAndNothingRuns)
{
    import_records(2);
    settings.read_soil = 1;
    EXPECT_FALSE(run_set());
    EXPECT_EQ(report.attempted, 0);
    EXPECT_TRUE(contains("ReadSoil is on: each run starts from the final soil tables of the run before it")) << report.log;
    EXPECT_FALSE(model_file_exists("vornfile.dat"));
    EXPECT_EQ(rows_of("Average Output", 1), 0);
}

} // namespace
} // namespace ivorn
