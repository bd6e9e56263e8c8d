// Several model processes at once: each launch waits for its process on a thread of its own, and
// the one caller (who owns the database and everything else) learns of each end.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "run/model_launcher.h"
#include "run/run_executor.h"

namespace ivorn {

class parallel_launches : public run_executor {
public:
    explicit parallel_launches(int slots);
    parallel_launches(const parallel_launches&) = delete;
    parallel_launches& operator=(const parallel_launches&) = delete;
    // Ends whatever still runs.
    ~parallel_launches() override;

    // The slot the request was started on, -1 when every slot is busy.
    int start(const launch_request& request) override;
    bool has_free_slot() const override;
    // How many launches ended so far.
    std::uint64_t end_count() const override;
    // Until more than `seen` launches ended, or the limit passed.
    void wait_for_an_end(std::uint64_t seen, std::chrono::milliseconds limit) override;
    bool ended(int slot) const override;
    // Waits for the slot's launch to end and frees the slot.
    launch_result take(int slot) override;
    // Ends the model on that slot (its result says cancelled), or on every slot.
    void end(int slot) override;
    void end_all() override;

private:
    struct slot_state {
        posix_model_launcher launcher;
        std::thread thread;
        bool busy = false;
        bool ended = false;
        launch_result result;
    };
    std::vector<std::unique_ptr<slot_state>> slots_;
    std::uint64_t ends_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable ended_;
};

} // namespace ivorn
