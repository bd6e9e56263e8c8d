// `ivorn records` end to end: the list on standard output, refusals on standard error with exit 1.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "shell/project_database.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

testing::cli_result run_ivorn(const testing::temp_dir& scratch, const std::string& arguments)
{
    return testing::run_ivorn(scratch.file("settings.ini"), arguments);
}

TEST(RecordsCommand, ListsPositionIdAndDescription)
{
    testing::temp_dir scratch;
    const std::string path = scratch.file("i_VORN.mdb");
    std::string log;
    ASSERT_TRUE(create_project_database(path, log));
    {
        database db;
        ASSERT_TRUE(open_project_database(db, path, log));
        ASSERT_TRUE(db.execute("INSERT INTO \"Control Records\" (\"ID\", \"Description\") "
                               "VALUES (12, 'North field'), (3, 'Run ''three''')",
                               log));
    }
    for (const char* record_list : {"1", "0"}) {
        SCOPED_TRACE(record_list);
        ASSERT_EQ(run_ivorn(scratch, std::string("config set Settings/RecordList ") + record_list).status, 0);
        const testing::cli_result result = run_ivorn(scratch, "records '" + path + "'");
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, "1\t3\tRun 'three'\n2\t12\tNorth field\n");
    }
}

TEST(RecordsCommand, RefusesMissingAndForeignFiles)
{
    testing::temp_dir scratch;
    EXPECT_EQ(run_ivorn(scratch, "records '" + scratch.file("none.mdb") + "'").status, 1);
    EXPECT_FALSE(std::ifstream(scratch.file("none.mdb")).good());
    std::ofstream(scratch.file("text.mdb")) << "text\n";
    const testing::cli_result result = run_ivorn(scratch, "records '" + scratch.file("text.mdb") + "'");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(run_ivorn(scratch, "records").status, 2);
}

} // namespace
} // namespace ivorn
