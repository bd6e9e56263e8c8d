// Splitting and joining paths.
#include <gtest/gtest.h>

#include "core/filename_struct.h"

namespace ivorn {
namespace {

TEST(FilenameStruct, SplitsDriveDirectoryBaseAndExtension)
{
    filename_struct path;
    EXPECT_TRUE(path.set_full_path("C:\\vorn\\bin\\vorn2110v3.exe"));
    EXPECT_TRUE(path.has_drive);
    EXPECT_EQ(path.drive, 'C');
    EXPECT_EQ(path.directory, "\\vorn\\bin\\");
    EXPECT_TRUE(path.absolute_directory);
    EXPECT_EQ(path.base, "vorn2110v3");
    EXPECT_EQ(path.extension, "exe");
    EXPECT_EQ(path.full_path(), "C:\\vorn\\bin\\vorn2110v3.exe");
    EXPECT_EQ(path.directory_with_drive(), "C:\\vorn\\bin\\");
}

TEST(FilenameStruct, BareNameHasNoDirectoryAndNoDrive)
{
    filename_struct path;
    EXPECT_TRUE(path.set_full_path("vorn2110v3.exe"));
    EXPECT_FALSE(path.has_drive);
    EXPECT_EQ(path.drive, '*');
    EXPECT_EQ(path.directory_with_drive(), "");
    EXPECT_TRUE(path.set_full_path("D:model.exe"));
    EXPECT_EQ(path.drive, 'D');
    EXPECT_EQ(path.name, "model.exe");
    EXPECT_EQ(path.full_path(), "D:model.exe");
}

TEST(FilenameStruct, MisplacedColonFailsAndClearsDrive)
{
    filename_struct path;
    EXPECT_FALSE(path.set_full_path("abc:\\dir\\file.dat"));
    EXPECT_FALSE(path.has_drive);
    EXPECT_EQ(path.drive, '*');
}

TEST(FilenameStruct, PosixPathsAndNamesWithoutExtension)
{
    filename_struct path;
    EXPECT_TRUE(path.set_full_path("/opt/vorn/model"));
    EXPECT_EQ(path.directory, "/opt/vorn/");
    EXPECT_FALSE(path.has_extension);
    EXPECT_EQ(path.full_path(), "/opt/vorn/model");
    path.set_name("output variables.csv");
    EXPECT_EQ(path.full_path(), "/opt/vorn/output variables.csv");
    path.set_directory("/tmp");
    EXPECT_EQ(path.directory, "/tmp/");
    path.set_name("a.b.c");
    EXPECT_EQ(path.base, "a.b");
    EXPECT_EQ(path.extension, "c");
}

} // namespace
} // namespace ivorn
