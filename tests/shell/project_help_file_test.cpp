// A new project database gets the shipped help file beside it, and keeps one that is there.
#include <gtest/gtest.h>

#include "help/field_help.h"
#include "shell/project_database.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

TEST(ProjectHelpFile, NewDatabaseGetsTheShippedCopyAndKeepsItsOwn)
{
    const std::string installed = installed_help_file();
    ASSERT_FALSE(installed.empty()) << "the build puts the help file beside the test program";
    testing::temp_dir dir;
    std::string log;
    ASSERT_TRUE(create_project_database(dir.file("fresh.mdb"), log)) << log;
    EXPECT_EQ(log, "");
    EXPECT_EQ(testing::read_file(dir.file(field_help_file_name)), testing::read_file(installed));

    testing::temp_dir own;
    testing::write_file(own.file(field_help_file_name), "WSA,0,13,ha,\"Own text\"\n");
    ASSERT_TRUE(create_project_database(own.file("fresh.mdb"), log)) << log;
    EXPECT_EQ(testing::read_file(own.file(field_help_file_name)), "WSA,0,13,ha,\"Own text\"\n");
}

} // namespace
} // namespace ivorn
