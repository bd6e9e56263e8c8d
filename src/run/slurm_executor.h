// The runs of a set as Slurm job arrays: each started run becomes an array task that runs the
// model in its run directory on a cluster node; the arrays (one, or several when the set is
// larger than the cluster's MaxArraySize) are submitted with sbatch once the set stops starting
// runs, and followed with scontrol.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "run/run_executor.h"
#include "run/slurm_arrays.h"
#include "run/run_set.h"

namespace ivorn {

class slurm_executor : public run_executor {
public:
    // `stage` (ending in a separator) holds the run directories, the job script and the task list.
    slurm_executor(const slurm_options& options, std::string stage, std::string model_name);
    ~slurm_executor() override = default;

    int start(const launch_request& request) override;
    bool has_free_slot() const override { return !submitted_; }
    std::uint64_t end_count() const override { return ends_; }
    // Submits the array on the first call, then asks the scheduler at most once a second.
    void wait_for_an_end(std::uint64_t seen, std::chrono::milliseconds limit) override;
    bool ended(int slot) const override { return tasks_[static_cast<size_t>(slot)].ended; }
    launch_result take(int slot) override;
    void end(int slot) override;
    void end_all() override;

    void describe(int slot, long position, long record_id) override;
    // Writes the job script and the task list and submits them; false, with sbatch's words in
    // the log, when an array could not be submitted (its tasks and those after it then end as
    // not started). The task list also names each task's record (position and ID), so that
    // `ivorn collect` can load the set later.
    bool submit(std::string& log) override;
    bool submitted() const { return submitted_; }
    // Takes a submitted set up again from its stage directory (for collect).
    bool resume(std::string& log);
    // Asks the scheduler for every task's state once.
    void poll();
    int task_count() const { return static_cast<int>(tasks_.size()); }

    // The job script, its array line for `count` tasks, as it is written into the stage directory.
    std::string job_script(long count) const;
    // The sbatch command for one array of a set split into `parts`; `after` is the job ID of the
    // array before it, which a throttled set waits for so that the throttle holds for the set.
    std::string sbatch_command(const array_part& part, size_t parts, const std::string& after) const;

    struct task_entry {
        launch_request request;
        long position = 0;
        long record_id = 0;
        bool ended = false;
        std::string state;
    };
    const task_entry& task_at(int index) const { return tasks_[static_cast<size_t>(index)]; }

private:
    using task = task_entry;
    // One submitted array: the tasks first+1 .. first+count of the list.
    struct submission {
        std::string job_id;
        long first = 0;
        long count = 0;
    };
    const submission* submission_of(int slot) const;
    void poll_submission(const submission& part);
    void end_unsubmitted(long from, const std::string& failure);

    const slurm_options options_;
    const std::string stage_;
    const std::string model_name_;
    std::vector<task> tasks_;
    bool submitted_ = false;
    std::vector<submission> submissions_;
    std::uint64_t ends_ = 0;
    std::chrono::steady_clock::time_point last_poll_{};
};

// The whole text into a file; false when it could not be written.
bool write_text_file(const std::string& path, const std::string& text);

// `command`'s standard output and error, and its exit status; the command is run by the shell,
// its arguments quoted with shell_word.
int run_command(const std::string& command, std::string& output);
std::string shell_word(const std::string& text);

} // namespace ivorn
