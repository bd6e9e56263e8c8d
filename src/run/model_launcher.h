// The port through which the model process is started and waited for. The POSIX launcher is the
// real one; a model that never ends can be cancelled, which ends it and everything it started.
#pragma once

#include <atomic>
#include <string>
#include <vector>

namespace ivorn {

struct launch_request {
    std::string executable;          // started as it is (no ".exe" is added)
    std::vector<std::string> arguments;
    std::string working_directory;   // empty: the current directory
    std::string capture_file;        // standard output and error go here; empty: this terminal
    bool realtime_priority = false;  // best effort: the highest priority the system allows the user
};

struct launch_result {
    bool started = false;
    int error_code = 0;      // the system's code when the start failed
    bool finished = false;   // the process ended by itself (any exit status)
    int exit_status = 0;
    int terminating_signal = 0;
    bool cancelled = false;
    // A run on a cluster that did not end by itself: the scheduler's word for what happened.
    std::string scheduler_state;
};

class model_launcher {
public:
    virtual ~model_launcher() = default;
    // Starts the process and waits for it to end or to be cancelled.
    virtual launch_result run(const launch_request& request) = 0;
    // Safe to call from a signal handler: ends the running model (if any) and the next one.
    virtual void request_cancel() = 0;
    virtual void clear_cancel() = 0;
    // Whether a cancel was asked since the last clear, for callers that run models of their own.
    virtual bool cancel_requested() const { return false; }
};

// Waits on the process itself (a process descriptor), so that the model's end is noticed the
// moment it comes, and a cancel wakes the wait through a pipe as it comes.
class posix_model_launcher : public model_launcher {
public:
    posix_model_launcher();
    posix_model_launcher(const posix_model_launcher&) = delete;
    posix_model_launcher& operator=(const posix_model_launcher&) = delete;
    ~posix_model_launcher() override;
    launch_result run(const launch_request& request) override;
    void request_cancel() override;
    void clear_cancel() override;
    bool cancel_requested() const override { return cancel_requested_.load(); }

private:
    void end_process_group();
    std::atomic<bool> cancel_requested_{false};
    int running_pid_ = 0;
    // Written by request_cancel (safe in a signal handler), read by the wait.
    int wake_[2] = {-1, -1};
};

} // namespace ivorn
