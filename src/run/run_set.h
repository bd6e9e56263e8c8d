// The options of a set of runs over many control records, the archive of each run's files and
// the first failure's error files.
#pragma once

#include <string>
#include <vector>

#include "run/run_context.h"

namespace ivorn {

// A set run as a Slurm job array instead of processes on this machine.
struct slurm_options {
    // Where the run directories, the job script and the task list go (a file system the nodes
    // share); empty: "slurm-runs" beside the database.
    std::string stage;
    std::string partition;
    int max_parallel = 0;          // tasks running at once, 0: as the scheduler likes
    std::string time;              // the tasks' time limit, as sbatch takes it
    std::vector<std::string> sbatch_args;
    bool no_wait = false;          // submit and leave the loading to collect
};

struct run_set_options {
    long first_position = 1;
    long last_position = 0; // proposed as the number of control records
    bool stop_on_precheck_error = true;
    bool stop_on_run_error = false;
    bool realtime_priority = false;
    bool save_input_files = false;
    bool save_swat_files = false;
    bool create_yearly_table = false;
    bool create_watershed_table = false;
    bool create_residue_table = false;
    // Models run side by side, each in a job directory of its own; 0: one per core. 1 is the
    // set as it has always run, in the model directory.
    int jobs = 1;
    bool use_slurm = false;
    slurm_options slurm{};
};

// The runs a set over these positions makes at most, the number its progress and average use:
// a first position past the last still runs the record at the first position; positions
// outside the list of `record_count` records run nothing.
long planned_runs(const run_set_options& options, long record_count);

// Moves the files this run's write_model_inputs wrote, and the main report, into the
// "input_files" directory under per-record names. The directory must exist. Every failure is
// reported once, as "Unable to rename files".
void archive_run_files(const run_context& context, std::string& log);

// The first failed run of a set leaves its console text in ivError.log (hidden runs) and its
// main report as ivError.out.
void keep_first_failure(const run_context& context, const std::string& console_text, std::string& log);

} // namespace ivorn
