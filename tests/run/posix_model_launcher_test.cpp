// The real launcher against small shell programs: start failures, captured output, a working
// directory, and cancelling a model that never ends.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <thread>

#include "run/model_launcher.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::read_file;
using testing::temp_dir;

TEST(PosixModelLauncher, MissingExecutableReportsTheSystemCode)
{
    posix_model_launcher launcher;
    const auto result = launcher.run({"/nonexistent/vorn2110v3", {}, "", "", false});
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.error_code, ENOENT);
}

TEST(PosixModelLauncher, CapturesOutputInTheWorkingDirectory)
{
    temp_dir dir;
    posix_model_launcher launcher;
    const auto result = launcher.run({"/bin/sh", {"-c", "pwd; echo oops >&2; exit 3"}, dir.path().string(), dir.file("iv.con"), false});
    ASSERT_TRUE(result.started);
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.exit_status, 3);
    EXPECT_EQ(read_file(dir.file("iv.con")), dir.path().string() + "\noops\n");
}

TEST(PosixModelLauncher, CancelEndsAHungModelAndItsChildren)
{
    temp_dir dir;
    posix_model_launcher launcher;
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        launcher.request_cancel();
    });
    const auto result = launcher.run({"/bin/sh", {"-c", "sleep 600 & echo $! > child.pid; sleep 600"}, dir.path().string(), dir.file("iv.con"), false});
    canceller.join();
    EXPECT_TRUE(result.started);
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.finished);
    const int child = std::atoi(read_file(dir.file("child.pid")).c_str());
    ASSERT_GT(child, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    // The model's own child is gone too (at most a zombie waiting for whoever adopted it).
    const std::string stat = read_file("/proc/" + std::to_string(child) + "/stat");
    EXPECT_TRUE(stat.empty() || stat.find(") Z ") != std::string::npos) << stat;
}

} // namespace
} // namespace ivorn
