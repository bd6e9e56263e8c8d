// `ivorn write-inputs`, `precheck` and `run` end to end with the stand-in model, and the main job
// on the bundled demo data: three run definitions imported, every record run, rows in the tables.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>

#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::run_ivorn;
using testing::shell_quote;

class IvornRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir.path() / "model");
        std::filesystem::create_symlink(IVORN_STAND_IN_PATH, dir.path() / "model" / "vorn_stand_in");
        std::filesystem::copy_file(std::string(IVORN_SOURCE_DIR) + "/data/demo/model/output variables.csv",
                                   dir.path() / "model" / "output variables.csv");
        ASSERT_EQ(ivorn("new " + db).status, 0);
        for (const char* run : {"run1", "run2", "run3"}) {
            const auto imported = ivorn("import dataset " + db + " "
                                        + shell_quote(std::string(IVORN_SOURCE_DIR) + "/data/demo/" + run + "/vornfile.dat"));
            ASSERT_EQ(imported.status, 0) << imported.err;
        }
    }

    testing::cli_result ivorn(const std::string& arguments, const std::string& model = "vorn_stand_in")
    {
        return run_ivorn(dir.file("settings.ini"), "--model " + shell_quote((dir.path() / "model" / model).string()) + " "
                                                       + arguments);
    }

    // `ivorn info`: rows per table.
    std::map<std::string, long> table_rows()
    {
        std::map<std::string, long> rows;
        const std::string out = ivorn("info " + db).out;
        const std::regex line("([^\t\n]+)\t([0-9]+)\n");
        for (auto it = std::sregex_iterator(out.begin(), out.end(), line); it != std::sregex_iterator(); ++it)
            rows[(*it)[1]] = std::stol((*it)[2]);
        return rows;
    }

    testing::temp_dir dir;
    std::string db = shell_quote(dir.file("demo.mdb"));
};

TEST_F(IvornRun, DemoDataRunsEveryRecordAndFillsTheOutputTables)
{
    const std::string records = ivorn("records " + db).out;
    EXPECT_EQ(std::count(records.begin(), records.end(), '\n'), 3) << records;
    const auto precheck = ivorn("precheck " + db + " --all");
    EXPECT_EQ(precheck.status, 0) << precheck.err;
    EXPECT_EQ(precheck.out, "All 3 records ok.\n");
    EXPECT_EQ(ivorn("precheck " + db + " --record 2").out, "Record OK.\n");

    const auto run = ivorn("run " + db + " --all --yearly --watershed --residue");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::regex_match(run.out, std::regex("3 runs, 3 successful runs\\.\nElapsed: [0-9.]+ seconds, ave=[0-9.]+\n")))
        << run.out;
    const auto rows = table_rows();
    for (const char* table : {"Average Output", "Yearly Output", "Watershed Output", "Residue Output",
                              "Crop Yield Output", "Selected Variables"})
        EXPECT_GT(rows.count(table) ? rows.at(table) : 0, 0) << table;
}

TEST_F(IvornRun, RunOfOneRecordAndOfOnePosition)
{
    const auto one = ivorn("run " + db + " --record 2");
    EXPECT_EQ(one.status, 0) << one.err;
    EXPECT_NE((one.out + one.err).find("Process Finished"), std::string::npos);

    const auto set = ivorn("run " + db + " --all --first 3 --last 3");
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out.rfind("1 runs, 1 successful runs.\n", 0), 0u) << set.out;
}

TEST_F(IvornRun, WriteInputsWritesTheWholeFileSetWithoutRunning)
{
    const auto written = ivorn("write-inputs " + db + " --record 1 --dir " + shell_quote(dir.file("inputs")));
    EXPECT_EQ(written.status, 1) << "the directory does not exist yet";
    std::filesystem::create_directory(dir.path() / "inputs");
    const auto again = ivorn("write-inputs " + db + " --record 1 --dir " + shell_quote(dir.file("inputs")));
    EXPECT_EQ(again.status, 0) << again.err;
    for (const char* name : {"vornfile.dat", "vornrun.dat", "ivPrnt.dat", "ivCrop.dat", "ivParm.dat", "ivsub.dat",
                             "ivSlList.dat", "ivOpList.dat", "0001.ops", "0001.sol", "vorncont.dat", "ivweath.dat"})
        EXPECT_TRUE(std::filesystem::exists(dir.path() / "inputs" / name)) << name;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "inputs" / "vorn.OUT"));
}

TEST_F(IvornRun, MissingModelFailsTheRunAndTheSet)
{
    const auto one = ivorn("run " + db + " --record 1", "vorn2110v3");
    EXPECT_EQ(one.status, 1);
    EXPECT_NE(one.err.find("Unable to create process, code=2.\n\"" + dir.file("model/vorn2110v3") + "\"\n"),
              std::string::npos)
        << one.err;

    const auto set = ivorn("run " + db + " --all", "vorn2110v3");
    EXPECT_EQ(set.status, 1);
    EXPECT_EQ(set.out.rfind("3 runs, 0 successful runs.\n", 0), 0u) << set.out;
}

TEST_F(IvornRun, InterruptEndsAHungModel)
{
    // Ctrl-C once the hung model has written its half report: `run` ends the model at once,
    // `run --all` after a second one, and still prints its closing report. SIGTERM and SIGHUP
    // (timeout, a closed terminal, a batch scheduler) end it at once in both.
    struct {
        const char* arguments;
        const char* interrupts;
    } cases[] = {{" --record 1", "kill -INT $pid"},
                 {" --all", "kill -INT $pid; sleep 0.3; kill -INT $pid"},
                 {" --record 1", "kill -TERM $pid"},
                 {" --all", "kill -HUP $pid"}};
    for (const auto& c : cases) {
        std::filesystem::remove(dir.path() / "model" / "vorn.OUT");
        const std::string script =
            "IVORN_STAND_IN_FAILURE=hang " + std::string(IVORN_CLI_PATH) + " --settings " + shell_quote(dir.file("settings.ini"))
            + " --model " + shell_quote(dir.file("model/vorn_stand_in")) + " run " + db + c.arguments + " >"
            + shell_quote(dir.file("out")) + " 2>" + shell_quote(dir.file("err")) + " & pid=$!; "
            + "i=0; while [ ! -f " + shell_quote(dir.file("model/vorn.OUT")) + " ] && [ $i -lt 600 ]; do sleep 0.05; "
            + "i=$((i+1)); done; sleep 0.2; "
            + c.interrupts + "; wait $pid; exit $?";
        const int raw = std::system(("sh -c " + shell_quote(script)).c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1) << c.arguments;
        const std::string err = testing::read_file(dir.file("err"));
        EXPECT_NE(err.find("Process Cancelled/Error\n"), std::string::npos) << c.arguments << ": " << err;
        if (std::string(c.arguments) == " --all")
            EXPECT_EQ(testing::read_file(dir.file("out")).rfind("1 runs, 0 successful runs.\n", 0), 0u);
    }
}

TEST_F(IvornRun, SecondRunOnTheModelDirectoryFailsIfBusyOrWaits)
{
    const std::string model = " --model " + shell_quote(dir.file("model/vorn_stand_in"));
    const std::string ivorn_command = std::string(IVORN_CLI_PATH) + " --settings " + shell_quote(dir.file("settings.ini")) + model;
    const std::string script =
        "IVORN_STAND_IN_FAILURE=hang " + ivorn_command + " run " + db + " --record 1 >/dev/null 2>&1 & pid=$!; "
        + "i=0; while [ ! -f " + shell_quote(dir.file("model/vorn.OUT")) + " ] && [ $i -lt 600 ]; do sleep 0.05; "
        + "i=$((i+1)); done; "
        + ivorn_command + " run " + db + " --record 1 --fail-if-busy >/dev/null 2>" + shell_quote(dir.file("busy")) + "; "
        + "echo $? >" + shell_quote(dir.file("busy_status")) + "; "
        + "(" + ivorn_command + " run " + db + " --record 2 >/dev/null 2>" + shell_quote(dir.file("waited")) + "; "
        + "echo $? >" + shell_quote(dir.file("waited_status")) + ") & waiter=$!; "
        + "sleep 0.5; echo $pid >" + shell_quote(dir.file("holder")) + "; kill -TERM $pid; wait $pid; wait $waiter";
    std::system(("sh -c " + shell_quote(script)).c_str());
    const std::string holder = testing::read_file(dir.file("holder"));
    const std::string pid = holder.substr(0, holder.find('\n'));
    EXPECT_EQ(testing::read_file(dir.file("busy_status")), "1\n");
    EXPECT_NE(testing::read_file(dir.file("busy")).find("The model directory " + dir.file("model") + "/ is in use by process " + pid + ".\n"),
              std::string::npos) << testing::read_file(dir.file("busy"));
    // The waiting run said who held the directory and ran once it was let go.
    EXPECT_EQ(testing::read_file(dir.file("waited_status")), "0\n") << testing::read_file(dir.file("waited"));
    EXPECT_EQ(testing::read_file(dir.file("waited")).rfind("waiting for the model directory, in use by process " + pid + "\n", 0), 0u)
        << testing::read_file(dir.file("waited"));
}

} // namespace
} // namespace ivorn
