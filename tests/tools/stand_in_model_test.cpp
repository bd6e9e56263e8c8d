// The stand-in model run as a process on a hand-made input set: what it accepts and refuses, the
// version it reads from the set, the files it writes per switch, and each failure mode. That its
// reports load is checked through the real loaders in the stand-in agreement test.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "support/stand_in_inputs.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::lines_of;
using testing::read_file;
using testing::stand_in_run;
using testing::temp_dir;
using testing::write_file;

void write_input_set(const temp_dir& dir, int version)
{
    testing::write_stand_in_inputs(dir, version, {0, 20, 23, 29});
}

#ifdef IVORN_STAND_IN_PATH

stand_in_run run_stand_in(const temp_dir& dir, const char* failure = nullptr, std::vector<std::string> arguments = {})
{
    return testing::run_stand_in(IVORN_STAND_IN_PATH, dir, failure, std::move(arguments));
}

bool exists(const temp_dir& dir, const char* name) { return std::filesystem::exists(dir.file(name)); }

TEST(StandInModel, Version2110WritesTheReportsOfTheSwitchesEndingWithTotalRunTime)
{
    temp_dir dir;
    write_input_set(dir, 2110);
    const stand_in_run run = run_stand_in(dir);
    ASSERT_TRUE(run.result.finished) << run.console;
    EXPECT_EQ(run.result.exit_status, 0) << run.console;
    EXPECT_NE(run.console.find("MODEL VERSION 2110"), std::string::npos);
    const auto report = lines_of(read_file(dir.file("vorn.OUT")));
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report.back().rfind("          TOTAL RUN TIME", 0), 0u) << report.back();
    for (const char* name : {"vorn.ACN", "vorn.ACY", "vorn.SWT", "0005.SOT"})
        EXPECT_TRUE(exists(dir, name)) << name;
    for (const char* name : {"vorn.SUS", "vorn.APS", "vorn.MSW", "vorn.AWP", "vorn.MSA"})
        EXPECT_FALSE(exists(dir, name)) << name;
    EXPECT_EQ(lines_of(read_file(dir.file("0005.SOT"))).size(), 45u);
}

TEST(StandInModel, Version1307IsToldFromTheControlFileAndUsesItsLayouts)
{
    temp_dir dir;
    write_input_set(dir, 1307);
    const stand_in_run run = run_stand_in(dir);
    ASSERT_EQ(run.result.exit_status, 0) << run.console;
    EXPECT_NE(run.console.find("MODEL VERSION 1307"), std::string::npos);
    EXPECT_TRUE(exists(dir, "00000005.SOT"));
    // .ACY variant 2: the relative year in columns 23-27, the crop in 29-32.
    const auto yields = lines_of(read_file(dir.file("vorn.ACY")));
    ASSERT_EQ(yields.size(), 9u + 2u);
    EXPECT_EQ(yields[9].substr(22, 10), "    1 CORN");
}

// What the program writes when it has no output-variable list: an empty print file. Every switch
// is off, so only the main report, the SWAT file and the final soil tables are written.
TEST(StandInModel, EmptyPrintFileTurnsEverySwitchOff)
{
    temp_dir dir;
    write_input_set(dir, 2110);
    write_file(dir.file("ivPrnt.dat"), "");
    ASSERT_EQ(run_stand_in(dir).result.exit_status, 0);
    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.path().filename().string().rfind("vorn.", 0) == 0 || entry.path().extension() == ".SOT")
            written.push_back(entry.path().filename().string());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, (std::vector<std::string>{"0005.SOT", "vorn.OUT", "vorn.SWT"}));
}

TEST(StandInModel, ReportsTakeTheLineEndsOfTheInputSet)
{
    temp_dir dir;
    write_input_set(dir, 2110);
    std::string list = read_file(dir.file("vornfile.dat"));
    for (size_t at = list.find('\n'); at != std::string::npos; at = list.find('\n', at + 2))
        list.insert(at, "\r");
    write_file(dir.file("vornfile.dat"), list);
    ASSERT_EQ(run_stand_in(dir, nullptr, {"iv"}).result.exit_status, 0);
    const std::string report = read_file(dir.file("vorn.OUT"));
    EXPECT_EQ(report.rfind("1   VORN 2110   STAND-IN MODEL (TEST DOUBLE)   RUN vorn\r\n                     GENERAL INFORMATION\r\n", 0), 0u);
}

TEST(StandInModel, RefusesAnIncompleteOrInconsistentSetNamingTheFile)
{
    struct broken_set {
        const char* file;
        std::string bytes;     // empty: the file is removed
        const char* message;
    };
    const broken_set cases[] = {
        {"0005.sol", "", "vorn stand-in: ERROR, 0005.sol: missing"},
        {"ivweath.dat", "", "ivweath.dat: missing (the weather file)"},
        {"vornrun.dat", "vorn   1   1   1   1   0\n", "vornrun.dat: its run line has 5 numbers"},
        {"vornfile.dat", " FSITE    ivsitels.dat\n", "vornfile.dat: holds 1 file lines"},
        {"ivsub.dat", "   5 subarea #5\n0005    5\n", "ivsub.dat, line 1: the subarea block is cut short"},
        {"ivOpList.dat", "    1     0009.ops 0009\n", "ivOpList.dat: its line 1 is for subarea 9"},
        {"0005.ops", "1\n  28   0\n 1 x15   31\n", "0005.ops, line 3: not an operation line of model version 2110"},
        {"vornrun.dat", "../x   1   1   1   1\n", "the run name \"../x\" is not a plain file name"},
        {"ivSlList.dat", "    1     0005.sol 0005\r\n    2     0006.sol 0006\r\n", "ivSlList.dat: names 2 files for the 1 subareas"},
        {"vorncont.dat", "   21990\n", "vorncont.dat, line 2: the control file has fewer than 6 lines"},
    };
    for (const broken_set& broken : cases) {
        temp_dir dir;
        write_input_set(dir, 2110);
        if (broken.bytes.empty())
            std::filesystem::remove(dir.file(broken.file));
        else
            write_file(dir.file(broken.file), broken.bytes);
        const stand_in_run run = run_stand_in(dir);
        EXPECT_EQ(run.result.exit_status, 1) << broken.file;
        EXPECT_NE(run.console.find(broken.message), std::string::npos) << broken.file << ": " << run.console;
        EXPECT_FALSE(exists(dir, "vorn.OUT")) << broken.file;
    }
}

TEST(StandInModel, FailureModes)
{
    struct mode_case {
        const char* mode;
        int signal;            // 0: ends by itself with status 0
        bool report;           // vorn.OUT written at all
        bool total;            // ... with its closing line
        bool other_reports;
    };
    const mode_case cases[] = {
        {"crash", SIGABRT, true, false, false},
        {"no-total", 0, true, false, true},
        {"truncated", 0, true, false, true},
        {"no-reports", 0, false, false, false},
    };
    temp_dir full;
    write_input_set(full, 2110);
    ASSERT_EQ(run_stand_in(full).result.exit_status, 0);
    const std::string complete = read_file(full.file("vorn.OUT"));
    for (const mode_case& c : cases) {
        temp_dir dir;
        write_input_set(dir, 2110);
        const stand_in_run run = run_stand_in(dir, c.mode);
        EXPECT_EQ(run.result.terminating_signal, c.signal) << c.mode;
        if (c.signal == 0) {
            EXPECT_EQ(run.result.exit_status, 0) << c.mode;
        }
        EXPECT_EQ(exists(dir, "vorn.OUT"), c.report) << c.mode;
        EXPECT_EQ(exists(dir, "vorn.ACY"), c.other_reports) << c.mode;
        const std::string report = read_file(dir.file("vorn.OUT"));
        EXPECT_EQ(report.find("TOTAL RUN TIME") != std::string::npos, c.total) << c.mode;
        if (c.report) {
            EXPECT_EQ(complete.rfind(report, 0), 0u) << c.mode << ": not the start of the full report";
        }
    }
}

TEST(StandInModel, RefusesUnknownArgumentsAndFailureModes)
{
    temp_dir dir;
    write_input_set(dir, 2110);
    EXPECT_EQ(run_stand_in(dir, nullptr, {"--fast"}).result.exit_status, 2);
    EXPECT_EQ(run_stand_in(dir, "explode").result.exit_status, 2);
    EXPECT_FALSE(exists(dir, "vorn.OUT"));
}

#else

TEST(StandInModel, NotBuilt) { GTEST_SKIP() << "tools/stand_in_model is not part of this build"; }

#endif

} // namespace
} // namespace ivorn
