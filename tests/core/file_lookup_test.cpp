// Finding a report file whatever the letter case of its name on disk.
#include "core/file_lookup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ivorn {
namespace {

class FileLookup : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() / "ivorn_file_lookup_test";
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    void touch(const std::string& name) { std::ofstream(dir_ / name) << "x"; }
    std::string directory() const { return dir_.string() + "/"; }
    std::filesystem::path dir_;
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
    EXPECT_EQ(find_file_ignoring_case(dir_.string(), "vorn.msa"), directory() + "VORN.MSA");
    EXPECT_EQ(find_file_ignoring_case(directory() + "missing/", "x"), directory() + "missing/x");
}

} // namespace
} // namespace ivorn
