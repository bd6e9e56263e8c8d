// The model directory held by one run: a second holder fails at once when asked to, or waits
// with a message naming the holder's process until it gives up or the first one lets go.
#include "run/directory_lock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace ivorn {
namespace {

TEST(DirectoryLock, SecondHolderFailsOrWaitsNamingTheFirst)
{
    testing::temp_dir dir;
    const std::string holder = "process " + std::to_string(::getpid());
    directory_lock first;
    std::string log;
    ASSERT_TRUE(first.acquire(dir.directory(), {}, log)) << log;

    directory_lock second;
    directory_lock::wait_policy at_once;
    at_once.fail_if_busy = true;
    EXPECT_FALSE(second.acquire(dir.directory(), at_once, log));
    EXPECT_EQ(log, "The model directory " + dir.directory() + " is in use by " + holder + ".\r\n");

    std::vector<std::string> said;
    int asked = 0;
    directory_lock::wait_policy waiting;
    waiting.waiting = [&](const std::string& text) { said.push_back(text); };
    waiting.cancelled = [&] { return ++asked == 3; };
    log.clear();
    EXPECT_FALSE(second.acquire(dir.directory(), waiting, log));
    EXPECT_EQ(said, std::vector<std::string>{"waiting for the model directory, in use by " + holder});
    EXPECT_EQ(log, "The model directory " + dir.directory() + " stayed in use by " + holder + "; the run was cancelled.\r\n");

    first.release();
    log.clear();
    EXPECT_TRUE(second.acquire(dir.directory(), at_once, log)) << log;
}

} // namespace
} // namespace ivorn
