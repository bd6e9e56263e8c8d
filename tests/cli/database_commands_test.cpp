// `ivorn new`, `info`, `export` and `config` end to end.
#include <gtest/gtest.h>

#include "support/run_cli.h"
#include "support/temp_dir.h"

#include <fstream>

namespace ivorn {
namespace {

using testing::run_ivorn;
using testing::shell_quote;
using testing::temp_dir;

TEST(CliDatabaseCommands, NewThenInfoListsEveryTableEmpty)
{
    temp_dir dir;
    const std::string settings = dir.file("settings.ini");
    const std::string db = dir.file("demo project.mdb");
    auto created = run_ivorn(settings, "new " + shell_quote(db));
    ASSERT_EQ(created.status, 0) << created.err;
    EXPECT_EQ(run_ivorn(settings, "new " + shell_quote(db)).status, 1); // no silent replacement
    EXPECT_EQ(run_ivorn(settings, "new --force " + shell_quote(db)).status, 0);

    auto info = run_ivorn(settings, "info " + shell_quote(db));
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out.substr(0, 42), "Control Records\t0\nSubareas\t0\nManagement\t0\n");
    EXPECT_NE(info.out.find("\nLivestock Schedule\t0\nSelected Variables\t0\n"), std::string::npos);
    EXPECT_EQ(info.out.substr(info.out.size() - 25), "Monthly Subarea Output\t0\n");

    auto exported = run_ivorn(settings, "export " + shell_quote(db) + " '[Residue Output]'");
    EXPECT_EQ(exported.status, 0);
    EXPECT_EQ(exported.out, "Id,Subarea,Year,Month,Rsd\r\n");
    EXPECT_EQ(run_ivorn(settings, "export " + shell_quote(db) + " 'No Table'").status, 1);
    EXPECT_EQ(run_ivorn(settings, "export " + shell_quote(db) + " Crops --out /nonexistent/x.csv").status, 1);
}

TEST(CliDatabaseCommands, FailuresAndUsageErrors)
{
    temp_dir dir;
    const std::string settings = dir.file("settings.ini");
    EXPECT_EQ(run_ivorn(settings, "info " + shell_quote(dir.file("missing.mdb"))).status, 1);
    EXPECT_FALSE(std::ifstream(dir.file("missing.mdb")).good()); // only `new` creates a database
    EXPECT_EQ(run_ivorn(settings, "new /nonexistent/dir/x.mdb").status, 1);
    EXPECT_EQ(run_ivorn(settings, "frobnicate").status, 2);
    EXPECT_EQ(run_ivorn(settings, "info").status, 2);

    // A command on the record at position 1 of an empty table fails, and says why.
    const std::string empty = shell_quote(dir.file("empty.mdb"));
    ASSERT_EQ(run_ivorn(settings, "new " + empty).status, 0);
    for (const char* command : {"precheck ", "run ", "write-inputs --record 0 "}) {
        SCOPED_TRACE(command);
        const auto result = run_ivorn(settings, command + empty);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, "There is no control record at position 1.\n");
    }
}

TEST(CliDatabaseCommands, ConfigPersistsButOverridesDoNot)
{
    temp_dir dir;
    const std::string settings = dir.file("settings.ini");
    ASSERT_EQ(run_ivorn(settings, "config set Settings/VORNVersion 806").status, 0);
    EXPECT_EQ(run_ivorn(settings, "config get Settings/VORNVersion").out, "806\n");
    EXPECT_EQ(run_ivorn(settings, "--model-version 1307 config get Settings/VORNVersion").out, "806\n");
    EXPECT_EQ(run_ivorn(settings, "--model-version 604 config list").out.find("Settings/VORNVersion=806\n") != std::string::npos, true);
    EXPECT_EQ(run_ivorn(settings, "config get Settings/Nothing").status, 1);
    EXPECT_EQ(run_ivorn(settings, "config set Settings/SaveYearLast many").status, 1);
}

TEST(CliDatabaseCommands, SettingsAreWrittenOnlyWhenChangedAndAFailedWriteFails)
{
    temp_dir dir;
    // What another program (the desktop app, a `config set`) stored: a command that changes
    // nothing leaves it byte for byte.
    const std::string settings = dir.file("settings.ini");
    const std::string stored = "[Settings]\nVORNVersion=806\n";
    testing::write_file(settings, stored);
    EXPECT_EQ(run_ivorn(settings, "--model-version 604 config get Settings/SaveYearLast").out, "100\n");
    EXPECT_EQ(testing::read_file(settings), stored);

    // A settings file under a path that cannot be a directory.
    testing::write_file(dir.file("plain"), "");
    const auto refused = run_ivorn(dir.file("plain") + "/settings.ini", "config set Settings/VORNVersion 806");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              "Unable to write the settings to " + dir.file("plain") + "/settings.ini: the file cannot be written.\n");
}

} // namespace
} // namespace ivorn
