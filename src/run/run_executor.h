// Where the models of a set run side by side: processes on this machine, or tasks of a cluster's
// job array. The set's one coordinator starts runs, waits for ends and takes each run's result;
// nothing else of the set happens in an executor.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "run/model_launcher.h"

namespace ivorn {

class run_executor {
public:
    virtual ~run_executor() = default;
    // The slot the request was started on (or queued for), -1 when every slot is busy.
    virtual int start(const launch_request& request) = 0;
    // Which record the run on that slot is, for executors that keep a list of their runs.
    virtual void describe(int /*slot*/, long /*position*/, long /*record_id*/) {}
    virtual bool has_free_slot() const = 0;
    // How many runs ended so far.
    virtual std::uint64_t end_count() const = 0;
    // Until more than `seen` runs ended, or about the limit passed.
    virtual void wait_for_an_end(std::uint64_t seen, std::chrono::milliseconds limit) = 0;
    virtual bool ended(int slot) const = 0;
    // Waits for the slot's run to end and frees the slot.
    virtual launch_result take(int slot) = 0;
    // Ends the run on that slot (its result says cancelled), or on every slot.
    virtual void end(int slot) = 0;
    virtual void end_all() = 0;
    // Hands over what was started so far (a cluster's job array is submitted here; processes
    // here are running already). False, with the reason in the log, when that failed.
    virtual bool submit(std::string& /*log*/) { return true; }
};

} // namespace ivorn
