// Holds a model working directory for one run or run set: two programs writing their input files
// into the same directory, and reading each other's reports, would store one record's outputs
// under another. An advisory lock on a file in the directory, released when the holder ends
// (even by kill -9), with the holder's process number written in it for the waiting message;
// the file is removed when the run lets go.
#pragma once

#include <functional>
#include <string>

namespace ivorn {

class directory_lock {
public:
    directory_lock() = default;
    directory_lock(const directory_lock&) = delete;
    directory_lock& operator=(const directory_lock&) = delete;
    ~directory_lock() { release(); }

    struct wait_policy {
        // Fail at once instead of waiting for the holder.
        bool fail_if_busy = false;
        // Told once, when the directory turns out to be held by another process.
        std::function<void(const std::string&)> waiting;
        // Asked while waiting: true gives up.
        std::function<bool()> cancelled;
    };

    // False, with the reason in the log, when the directory could not be had. A directory where
    // the lock file cannot be created is not locked (and nothing can be written there).
    bool acquire(const std::string& directory, const wait_policy& policy, std::string& log);
    void release();
    bool held() const { return descriptor_ >= 0; }

    // The name of the lock file inside the directory.
    static const char* file_name();

private:
    int descriptor_ = -1;
    std::string path_;
};

} // namespace ivorn
