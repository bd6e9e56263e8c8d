// flock() on a lock file in the model working directory.
#include "run/directory_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "core/filename_struct.h"
#include "core/text_utils.h"

namespace ivorn {
namespace {

std::string holder_of(int descriptor)
{
    char buffer[32] = {};
    const ssize_t got = ::pread(descriptor, buffer, sizeof buffer - 1, 0);
    if (got <= 0)
        return "another process";
    std::string text(buffer, static_cast<size_t>(got));
    const std::string pid = trim_copy(text);
    if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos)
        return "another process";
    return "process " + pid;
}

void write_holder(int descriptor)
{
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(descriptor, 0) == 0 && ::pwrite(descriptor, pid.data(), pid.size(), 0) < 0) {
        // The lock holds without the number; only the waiting message is the poorer for it.
    }
}

} // namespace

const char* directory_lock::file_name() { return ".ivorn-run.lock"; }

bool directory_lock::acquire(const std::string& directory, const wait_policy& policy, std::string& log)
{
    release();
    std::string path = directory.empty() ? std::string("./") : directory;
    if (!is_path_separator(path.back()))
        path.push_back(native_separator());
    path += file_name();
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    // A directory that is missing or cannot be written holds no run's files either: the run's
    // own first step fails there and says why.
    if (descriptor < 0)
        return true;
    bool told = false;
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK) {
            log += "Unable to lock the model directory " + directory + ": " + std::strerror(errno) + "\r\n";
            ::close(descriptor);
            return false;
        }
        const std::string holder = holder_of(descriptor);
        if (policy.fail_if_busy) {
            log += "The model directory " + directory + " is in use by " + holder + ".\r\n";
            ::close(descriptor);
            return false;
        }
        if (!told && policy.waiting)
            policy.waiting("waiting for the model directory, in use by " + holder);
        told = true;
        if (policy.cancelled && policy.cancelled()) {
            log += "The model directory " + directory + " stayed in use by " + holder + "; the run was cancelled.\r\n";
            ::close(descriptor);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    write_holder(descriptor);
    descriptor_ = descriptor;
    return true;
}

void directory_lock::release()
{
    if (descriptor_ < 0)
        return;
    // The file stays: removing it would let a third process lock a new file while a second one
    // still waits on the old.
    ::close(descriptor_);
    descriptor_ = -1;
}

} // namespace ivorn
