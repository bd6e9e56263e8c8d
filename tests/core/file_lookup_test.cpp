// Finding a report file whatever the letter case of its name on disk.
#include "core/file_lookup.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace ivorn {
namespace {

class FileLookup : public ::testing::Test {
protected:
    void touch(const std::string& name) { testing::write_file(dir.file(name), "x"); }
    std::string directory() const { return dir.directory(); }
    testing::temp_dir dir;
};

TEST_F(FileLookup, ExactNameFirstThenAnyCaseInSortedOrder)
{
    touch("VORN.OUT");
    touch("vorn.OUT");
    touch("Vorn.acy");
    touch("VORN.ACY");
    EXPECT_EQ(find_file_ignoring_case(directory(), "vorn.OUT"), directory() + "vorn.OUT");
    EXPECT_EQ(find_file_ignoring_case(directory(), "vorn.acy"), directory() + "VORN.ACY");
}

TEST_F(FileLookup, NoMatchGivesTheNameAskedForAndADirectoryGetsItsSeparator)
{
    EXPECT_EQ(find_file_ignoring_case(directory(), "vorn.MSA"), directory() + "vorn.MSA");
    touch("VORN.MSA");
    EXPECT_EQ(find_file_ignoring_case(dir.path().string(), "vorn.msa"), directory() + "VORN.MSA");
    EXPECT_EQ(find_file_ignoring_case(directory() + "missing/", "x"), directory() + "missing/x");
}

} // namespace
} // namespace ivorn
