// Job directories: which files of the model directory are linked, and that removing the job
// directories never reaches through a link.
#include <gtest/gtest.h>

#include <filesystem>

#include "run/job_directories.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

namespace fs = std::filesystem;
using testing::temp_dir;

TEST(JobDirectories, RunFilesAreNeverLinkedWhateverTheirCase)
{
    const struct {
        const char* name;
        bool written_by_runs;
    } cases[] = {
        {"vornfile.dat", true}, {"VORNFILE.DAT", true}, {"vorn", true}, {"VORN.OUT", true}, {"vorn.swt", true},
        {"ivsub.dat3", true}, {"0001.ops", true}, {"0001.SOL", true}, {"00000002.0001.SOT", true},
        {"sw000001.swt", true}, {"iv.con", true}, {"ivError.log", true}, {"ivError.out", true},
        {"input_files", true}, {"ivwdaily.dat", true}, {"swat_basin.dat", true},
        {"vorn2110v3", false}, {"tr552110.dat", false}, {"mlrn2110.dat", false}, {"wedmor.wth", false},
        {"output variables.csv", false}, {"vornlib.so", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(is_run_file_name(c.name), c.written_by_runs) << c.name;
}

TEST(JobDirectories, LinkTheModelsFilesAndGoWithoutTouchingThem)
{
    temp_dir dir;
    const fs::path model = dir.path() / "model";
    fs::create_directories(model / "weather");
    testing::write_file((model / "vorn2110v3").string(), "model");
    testing::write_file((model / "weather" / "wedmor.wth").string(), "daily");
    testing::write_file((model / "vornfile.dat").string(), "an earlier run's");
    std::string log;
    {
        job_directories jobs;
        ASSERT_TRUE(jobs.create(dir.path().string(), model.string() + "/", 2, log)) << log;
        ASSERT_EQ(jobs.count(), 2);
        for (int i = 0; i < 2; ++i) {
            const fs::path job = jobs.path(i);
            EXPECT_TRUE(fs::is_symlink(job / "vorn2110v3"));
            EXPECT_EQ(testing::read_file((job / "weather" / "wedmor.wth").string()), "daily");
            EXPECT_FALSE(fs::exists(job / "vornfile.dat"));
        }
    }
    EXPECT_EQ(testing::read_file((model / "vorn2110v3").string()), "model");
    EXPECT_EQ(testing::read_file((model / "weather" / "wedmor.wth").string()), "daily");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1) << "job directories left";
}

} // namespace
} // namespace ivorn
