// Finding a report file whatever the letter case of its name on disk.
#include "core/file_lookup.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST_F(FileLookup, OneLookupServesManyNamesAndForgetsWhatWasRemoved)
{
    touch("Vorn.Sus");
    touch("vorn.SUS");
    touch("0001.SOT");
    directory_lookup files(directory());
    EXPECT_EQ(files.find("vorn.sus"), directory() + "Vorn.Sus");
    EXPECT_EQ(files.all_spellings("VORN.SUS"), (std::vector<std::string>{"Vorn.Sus", "vorn.SUS"}));
    EXPECT_EQ(files.find("0001.sot"), directory() + "0001.SOT");
    std::filesystem::remove(dir.file("Vorn.Sus"));
    files.forget(directory() + "Vorn.Sus");
    EXPECT_EQ(files.find("vorn.sus"), directory() + "vorn.SUS");
    // A file removed behind the lookup's back is not handed out either.
    std::filesystem::remove(dir.file("vorn.SUS"));
    EXPECT_EQ(files.find("vorn.sus"), directory() + "vorn.sus");
}

} // namespace
} // namespace ivorn
