// flock() on a lock file in the model working directory.
#include "run/directory_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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
    bool told = false;
    for (;;) {
        const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        // A directory that is missing or cannot be written holds no run's files either: the
        // run's own first step fails there and says why.
        if (descriptor < 0)
            return true;
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            // The holder before us removes the file as it lets go: a lock on a file that is no
            // longer the one under the name holds nothing.
            struct stat locked {};
            struct stat named {};
            if (::fstat(descriptor, &locked) == 0 && ::stat(path.c_str(), &named) == 0 && locked.st_ino == named.st_ino
                && locked.st_dev == named.st_dev) {
                write_holder(descriptor);
                descriptor_ = descriptor;
                path_ = path;
                return true;
            }
            ::close(descriptor);
            continue;
        }
        const int error = errno;
        const std::string holder = holder_of(descriptor);
        ::close(descriptor);
        if (error != EWOULDBLOCK && error != EINTR) {
            log += "Unable to lock the model directory " + directory + ": " + std::strerror(error) + "\r\n";
            return false;
        }
        if (error == EINTR)
            continue;
        if (policy.fail_if_busy) {
            log += "The model directory " + directory + " is in use by " + holder + ".\r\n";
            return false;
        }
        if (!told && policy.waiting)
            policy.waiting("waiting for the model directory, in use by " + holder);
        told = true;
        if (policy.cancelled && policy.cancelled()) {
            log += "The model directory " + directory + " stayed in use by " + holder + "; the run was cancelled.\r\n";
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

void directory_lock::release()
{
    if (descriptor_ < 0)
        return;
    // Removed while still locked, so that no run leaves a trace in the model directory; a waiter
    // that then locks the removed file sees that it is gone and opens the name again.
    ::unlink(path_.c_str());
    ::close(descriptor_);
    descriptor_ = -1;
}

} // namespace ivorn
