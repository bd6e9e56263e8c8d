// Model processes side by side, each waited for on its own thread.
#include "run/parallel_launches.h"

#include <cerrno>
#include <system_error>

namespace ivorn {

parallel_launches::parallel_launches(int slots)
{
    for (int i = 0; i < slots; ++i)
        slots_.push_back(std::make_unique<slot_state>());
}

parallel_launches::~parallel_launches()
{
    end_all();
    for (size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i]->thread.joinable())
            slots_[i]->thread.join();
}

bool parallel_launches::has_free_slot() const
{
    std::lock_guard lock(mutex_);
    for (const auto& slot : slots_)
        if (!slot->busy)
            return true;
    return false;
}

int parallel_launches::start(const launch_request& request)
{
    std::unique_lock lock(mutex_);
    for (size_t i = 0; i < slots_.size(); ++i) {
        slot_state& slot = *slots_[i];
        if (slot.busy)
            continue;
        slot.busy = true;
        slot.ended = false;
        slot.result = {};
        // A cancel of this slot's earlier model must not end the next one.
        slot.launcher.clear_cancel();
        lock.unlock();
        try {
            slot.thread = std::thread([this, &slot, request] {
                launch_result result = slot.launcher.run(request);
                std::lock_guard guard(mutex_);
                slot.result = result;
                slot.ended = true;
                ++ends_;
                ended_.notify_all();
            });
        } catch (const std::system_error& error) {
            // No thread, no model: reported as a model that could not be started.
            std::lock_guard guard(mutex_);
            slot.result.error_code = error.code().value() != 0 ? error.code().value() : EAGAIN;
            slot.ended = true;
            ++ends_;
        }
        return static_cast<int>(i);
    }
    return -1;
}

std::uint64_t parallel_launches::end_count() const
{
    std::lock_guard lock(mutex_);
    return ends_;
}

void parallel_launches::wait_for_an_end(std::uint64_t seen, std::chrono::milliseconds limit)
{
    std::unique_lock lock(mutex_);
    ended_.wait_for(lock, limit, [this, seen] { return ends_ != seen; });
}

bool parallel_launches::ended(int slot) const
{
    std::lock_guard lock(mutex_);
    return slots_[static_cast<size_t>(slot)]->ended;
}

launch_result parallel_launches::take(int slot)
{
    slot_state& state = *slots_[static_cast<size_t>(slot)];
    if (state.thread.joinable())
        state.thread.join();
    std::lock_guard lock(mutex_);
    state.busy = false;
    state.ended = false;
    return state.result;
}

void parallel_launches::end(int slot) { slots_[static_cast<size_t>(slot)]->launcher.request_cancel(); }

void parallel_launches::end_all()
{
    for (size_t i = 0; i < slots_.size(); ++i)
        end(static_cast<int>(i));
}

} // namespace ivorn
