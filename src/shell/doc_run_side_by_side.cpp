// Run / All Records with several models at once. This document stays the only writer: it loads
// each record, writes its inputs into a job directory, starts the model there, and finishes the
// runs (log, outputs, stop rules, archive, renames) strictly in list order, whatever order the
// models end in, so that the set leaves what the one-at-a-time set leaves.
#include "shell/doc_i_vorn.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <thread>

#include "core/text_utils.h"
#include "run/job_directories.h"
#include "run/model_run.h"
#include "run/parallel_launches.h"
#include "run/run_inputs.h"
#include "run/run_set.h"

namespace ivorn {
namespace {

int effective_jobs(int asked, long planned)
{
    long jobs = asked > 0 ? asked : static_cast<long>(std::thread::hardware_concurrency());
    jobs = std::min(jobs, std::max(planned, 1L));
    return static_cast<int>(std::clamp(jobs, 1L, 1024L));
}

std::string job_parent_directory()
{
    std::error_code error;
    const auto temp = std::filesystem::temp_directory_path(error);
    return error ? std::string("/tmp") : temp.string();
}

// A record between its start and its place in the set's log.
struct side_run {
    long position = 0;
    int directory = 0;
    int slot = -1;
    bool loaded = false;
    bool precheck_failed = false;
    bool launched = false;
    bool ended = false;
    std::unique_ptr<control_record> record;
    run_context context;
    model_launch launch;
    launch_result result;
    std::string precheck_log;
    std::string run_log;
};

} // namespace

bool doc_i_vorn::prepare_job_directories(const run_set_options& options, long planned, const run_context& context,
                                         job_directories& jobs, std::string& log)
{
    // Twice the running models: a model that ended before the one ahead of it keeps its outputs
    // in its directory until their turn, while another model starts.
    const int count = 2 * effective_jobs(options.jobs, planned);
    if (!jobs.create(job_parent_directory(), context.settings.working_directory, count, log))
        return false;
    for (int i = 0; i < jobs.count(); ++i) {
        run_context in_job = context;
        in_job.settings.working_directory = jobs.path(i);
        // Every directory gets the same files; the first one's messages stand for all.
        std::string job_log;
        if (!write_list_files(in_job, i == 0 ? log : job_log)) {
            log += job_log;
            return false;
        }
    }
    return true;
}

void doc_i_vorn::run_side_by_side(const run_set_options& options, control_record_keys& keys, const control_record_description* first,
                                  job_directories& jobs, const run_context& context, model_file_writer* basin,
                                  run_set_state& state, long& attempted, long& successful,
                                  std::chrono::steady_clock::time_point& end, std::string& log)
{
    parallel_launches launches(jobs.count() / 2);
    std::vector<bool> directory_busy(static_cast<size_t>(jobs.count()), false);
    std::deque<side_run> runs;
    const control_record_description* entry = first;
    long position = options.first_position;
    long started = 0;
    bool starting = entry != nullptr;
    bool models_ended = false;

    const auto free_directory = [&]() {
        for (size_t i = 0; i < directory_busy.size(); ++i)
            if (!directory_busy[i])
                return static_cast<int>(i);
        return -1;
    };
    // Loads, prechecks, writes the inputs and starts the model of the record at `position`.
    const auto start_run = [&](int directory) {
        side_run& run = runs.emplace_back();
        run.position = position;
        run.directory = directory;
        directory_busy[static_cast<size_t>(directory)] = true;
        run.record = std::make_unique<control_record>(settings_);
        run.ended = true;
        if (!read_entry(*entry, *run.record, run.run_log))
            return;
        run.loaded = true;
        run.context = context;
        run.context.record = run.record.get();
        run.context.settings.working_directory = jobs.path(directory);
        run.context.settings.executable = jobs.path(directory) + std::filesystem::path(context.settings.executable).filename().string();
        run.context.settings.keep_directory = context.settings.working_directory;
        run.context.subarea_counter = 0;
        run.context.total_subarea_area = 0.0;
        if (!precheck_record(run.context, run.precheck_log)) {
            run.precheck_failed = true;
            if (options.stop_on_precheck_error) {
                starting = false;
                return;
            }
        }
        ui_.set_status_text(format_printf("Running VORN%d #%ld ID=%ld", settings_.vorn_version, position,
                                          static_cast<long>(run.record->id)));
        if (!prepare_model_launch(run.context, options.realtime_priority, run.launch, run.run_log))
            return;
        run.slot = launches.start(run.launch.request);
        run.launched = true;
        run.ended = run.slot < 0;
        if (run.slot < 0)
            run.result.error_code = EAGAIN;
        ++started;
        ui_.progress_set_line(1, format_printf("Started %6ld", started));
    };
    // The record's part of the set, as the one-at-a-time set does it right after the model.
    const auto finish_run = [&](side_run& run) {
        if (run.slot >= 0)
            run.result = launches.take(run.slot);
        if (!run.loaded) {
            log += run.run_log;
            log += format_printf("Record at position %ld could not be loaded; it is not run.\r\n", run.position);
        } else {
            log += run.precheck_log;
            if (!(run.precheck_failed && precheck_stops_set(options, run.position, state, log))) {
                log += run.run_log;
                std::string console;
                const bool ran = run.launched && complete_model_launch(run.context, run.launch, run.result, console, log);
                if (ran)
                    ++successful;
                end_set_member(options, run.position, ran, console, run.context, basin, state, log);
            }
        }
        ++attempted;
        ui_.progress_set_position(static_cast<int>(attempted));
        ui_.progress_set_line(0, format_printf("Run %6ld, Good=%6ld ", attempted, successful));
        directory_busy[static_cast<size_t>(run.directory)] = false;
        end = std::chrono::steady_clock::now();
    };

    for (;;) {
        const std::uint64_t seen = launches.end_count();
        while (starting && !state.stopped && launches.has_free_slot()) {
            const int directory = free_directory();
            if (directory < 0)
                break;
            if (ui_.progress_cancelled()) {
                last_run_set_.cancelled = true;
                starting = false;
                break;
            }
            start_run(directory);
            ++position;
            entry = position > options.last_position ? nullptr : reach(keys, position, log);
            starting = starting && entry != nullptr;
        }
        for (side_run& run : runs)
            if (!run.ended && launches.ended(run.slot))
                run.ended = true;
        while (!runs.empty() && runs.front().ended && !state.stopped) {
            finish_run(runs.front());
            runs.pop_front();
        }
        if (state.stopped || runs.empty()) {
            if (!starting || state.stopped)
                break;
            continue;
        }
        if (!models_ended && launcher_ && launcher_->cancel_requested()) {
            // The second Ctrl-C: the running models end now, and fail as the one-at-a-time set's would.
            models_ended = true;
            starting = false;
            launches.end_all();
        }
        launches.wait_for_an_end(seen, std::chrono::milliseconds(100));
    }
    // Stopped by a rule: the runs after the stopping one were never part of the set.
    if (!runs.empty()) {
        for (side_run& run : runs)
            if (run.slot >= 0)
                launches.end(run.slot);
        for (side_run& run : runs)
            if (run.slot >= 0)
                launches.take(run.slot);
        log += format_printf("%ld runs started after it were ended; they are not counted.\r\n",
                             static_cast<long>(runs.size()));
    }
}

} // namespace ivorn
