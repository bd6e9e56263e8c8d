// Run / All Records with several models at once. This document stays the only writer: it loads
// each record, writes its inputs into a job directory, starts the model there, and finishes the
// runs (log, outputs, stop rules, archive, renames) strictly in list order, whatever order the
// models end in, so that the set leaves what the one-at-a-time set leaves.
#include "shell/doc_i_vorn.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <thread>

#include "core/line_reader.h"
#include "core/text_utils.h"
#include "run/job_directories.h"
#include "run/model_run.h"
#include "run/parallel_launches.h"
#include "run/slurm_executor.h"
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

// What collect needs to finish a Slurm set as the set would have: its load and keep options and
// the model's name, in a file of the set's directory.
constexpr const char* collect_options_name = "options";

std::string collect_options_text(const run_set_options& options, const std::string& model_name)
{
    return format_printf("%d %d %d %d %d %d\n", options.create_yearly_table, options.create_watershed_table,
                         options.create_residue_table, options.save_input_files, options.save_swat_files,
                         options.stop_on_run_error)
           + model_name + "\n";
}

bool read_collect_options(const std::string& path, run_set_options& options, std::string& model_name)
{
    std::string text;
    if (!read_whole_file(path, text))
        return false;
    int flags[6] = {};
    const size_t line_end = text.find('\n');
    if (line_end == std::string::npos
        || std::sscanf(text.c_str(), "%d %d %d %d %d %d", &flags[0], &flags[1], &flags[2], &flags[3], &flags[4], &flags[5])
               != 6)
        return false;
    options.create_yearly_table = flags[0] != 0;
    options.create_watershed_table = flags[1] != 0;
    options.create_residue_table = flags[2] != 0;
    options.save_input_files = flags[3] != 0;
    options.save_swat_files = flags[4] != 0;
    options.stop_on_run_error = flags[5] != 0;
    model_name = trim_copy(std::string_view(text).substr(line_end + 1));
    return !model_name.empty() && model_name.find('/') == std::string::npos;
}

// The set's directory: `stage` itself when it holds a submitted set, else its latest set.
std::string submitted_set_directory(const std::string& stage)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::exists(fs::path(stage) / "job_id", error))
        return stage;
    std::string latest;
    fs::file_time_type latest_time{};
    for (const auto& entry : fs::directory_iterator(stage, error)) {
        const auto stamp = fs::last_write_time(entry.path() / "job_id", error);
        if (!error && (latest.empty() || stamp > latest_time)) {
            latest = entry.path().string();
            latest_time = stamp;
        }
    }
    return latest;
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
                                         job_directories& jobs, std::unique_ptr<run_executor>& executor,
                                         std::string& log)
{
    const std::string model_name = std::filesystem::path(context.settings.executable).filename().string();
    std::string parent = job_parent_directory();
    // Twice the running models: a model that ended before the one ahead of it keeps its outputs
    // in its directory until their turn, while another model starts. On a cluster every record
    // has a run directory of its own, on the shared stage directory, kept for collect.
    int count = 2 * effective_jobs(options.jobs, planned);
    if (options.use_slurm) {
        parent = slurm_stage_directory(options.slurm);
        count = static_cast<int>(std::clamp(planned, 1L, 1000000L));
        std::error_code error;
        std::filesystem::create_directories(parent, error);
        jobs.keep();
    }
    if (!jobs.create(parent, context.settings.working_directory, count, log))
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
    if (options.use_slurm) {
        executor = std::make_unique<slurm_executor>(options.slurm, jobs.root() + native_separator(), model_name);
        if (!write_text_file(jobs.root() + native_separator() + collect_options_name,
                             collect_options_text(options, model_name))) {
            log += "Unable to write " + jobs.root() + native_separator() + collect_options_name + "\r\n";
            return false;
        }
    } else {
        executor = std::make_unique<parallel_launches>(count / 2);
    }
    return true;
}

std::string doc_i_vorn::slurm_stage_directory(const slurm_options& options) const
{
    // The tasks run elsewhere, from another directory: every path they are given is absolute.
    std::error_code error;
    const std::filesystem::path stage = !options.stage.empty()
                                            ? std::filesystem::path(options.stage)
                                            : std::filesystem::path(database_path_).parent_path() / "slurm-runs";
    const std::filesystem::path absolute = std::filesystem::absolute(stage, error);
    return (error ? stage : absolute).lexically_normal().string();
}

void doc_i_vorn::run_side_by_side(const run_set_options& options, control_record_keys& keys, const control_record_description* first,
                                  job_directories& jobs, run_executor& launches, const run_context& context,
                                  model_file_writer* basin, run_set_state& state, long& attempted, long& successful,
                                  std::chrono::steady_clock::time_point& end, std::string& log)
{
    std::vector<bool> directory_busy(static_cast<size_t>(jobs.count()), false);
    std::deque<side_run> runs;
    const control_record_description* entry = first;
    long position = options.first_position;
    long started = 0;
    bool starting = entry != nullptr;
    bool models_ended = false;
    bool submitted = false;

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
        // A cluster's run directories stay for collect, which must find every file again.
        run.context.settings.keep_by_copy = options.use_slurm;
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
        if (run.slot >= 0)
            launches.describe(run.slot, position, static_cast<long>(run.record->id));
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
        for (side_run& run : runs) {
            if (run.ended || !launches.ended(run.slot))
                continue;
            run.ended = true;
            // A model that ended gives its slot back at once, so the next model starts before
            // this one's outputs are loaded and the cores are not left waiting for the loader.
            // Its directory stays taken until then. Cluster tasks keep theirs for collect.
            if (!options.use_slurm) {
                run.result = launches.take(run.slot);
                run.slot = -1;
            }
        }
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
        if (!starting && !submitted) {
            submitted = true;
            if (last_run_set_.cancelled && options.use_slurm) {
                // Nothing reached the cluster: the prepared runs are dropped, as runs never started.
                log += format_printf("Cancelled before the job was submitted: %ld prepared runs did not run.\r\n",
                                     static_cast<long>(runs.size()));
                runs.clear();
                break;
            }
            if (launches.submit(log) && options.use_slurm && options.slurm.no_wait) {
                // The cluster runs them now and collect loads them; what never reached it ends here.
                for (side_run& run : runs)
                    if (!run.launched)
                        finish_run(run);
                last_run_set_.left_running = true;
                runs.clear();
                break;
            }
        }
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

bool doc_i_vorn::collect_run_set(const std::string& stage)
{
    if (!db_ || !record_)
        return false;
    last_run_set_ = {};
    std::string log;
    const std::string directory = submitted_set_directory(stage);
    run_set_options options;
    std::string model_name;
    slurm_executor tasks(slurm_options{}, directory + native_separator(), "");
    if (directory.empty() || !tasks.resume(log)) {
        log += "No submitted run set in " + stage + "\r\n";
    } else if (!read_collect_options(directory + native_separator() + collect_options_name, options, model_name)) {
        log += "Unreadable run set options in " + directory + "\r\n";
    } else {
        ui_.store_form_values();
        const bool had_current = has_current_;
        if (store_before_leaving(log)) {
            const std::int32_t remembered = current_id_;
            collect_tasks(tasks, options, model_name, log);
            if (had_current)
                make_current(remembered, log);
        }
    }
    log += last_run_set_.closing;
    last_run_set_.log = log;
    ui_.show_error_list("Multiple Runs", "Click This", log);
    ui_.show_record_values();
    ui_.refresh_all_views(1);
    return !last_run_set_.closing.empty() && !last_run_set_.left_running
           && last_run_set_.attempted == last_run_set_.successful;
}

void doc_i_vorn::collect_tasks(slurm_executor& tasks, const run_set_options& options, const std::string& model_name,
                               std::string& log)
{
    tasks.poll();
    run_context context = make_run_context();
    context.options.create_yearly_table = options.create_yearly_table;
    context.options.create_watershed_table = options.create_watershed_table;
    context.options.create_residue_table = options.create_residue_table;
    context.settings.keep_directory = context.settings.working_directory;
    context.settings.keep_by_copy = true;
    // The basin list names the runs loaded now, as the set's own list would have; a later collect
    // writes it anew with every run it loads.
    model_file_writer basin;
    if (options.save_swat_files
        && !basin.open(model_path(context, "swat_basin.dat"), context.settings.line_ends))
        log += "ERROR, unable to open basin swat file.\r\n";
    run_set_options finishing = options;
    // Collect reports every failure and goes on: there is nothing left to stop.
    finishing.stop_on_run_error = false;
    run_set_state state;
    long pending = 0;
    for (int i = 0; i < tasks.task_count(); ++i) {
        if (!tasks.ended(i)) {
            ++pending;
            continue;
        }
        const slurm_executor::task_entry& task = tasks.task_at(i);
        control_record record(settings_);
        const control_record_description entry(task.position, static_cast<std::int32_t>(task.record_id), "");
        ++last_run_set_.attempted;
        if (!read_entry(entry, record, log)) {
            log += format_printf("Record ID %ld of task %d could not be loaded; its outputs are not.\r\n", task.record_id, i + 1);
            continue;
        }
        run_context in_task = context;
        in_task.record = &record;
        count_subareas(in_task);
        in_task.settings.working_directory = task.request.working_directory;
        in_task.settings.executable = task.request.working_directory + model_name;
        model_launch launch;
        launch.request = task.request;
        launch.command_line = "\"" + in_task.settings.executable + "\"";
        std::string console;
        const bool ran = complete_model_launch(in_task, launch, tasks.take(i), console, log);
        if (ran)
            ++last_run_set_.successful;
        end_set_member(finishing, task.position, ran, console, in_task, basin.is_open() ? &basin : nullptr, state, log);
    }
    basin.close();
    last_run_set_.left_running = pending > 0;
    last_run_set_.closing = format_printf("%ld runs, %ld successful runs.\r\n", last_run_set_.attempted,
                                          last_run_set_.successful);
    if (pending > 0)
        last_run_set_.closing += format_printf("%ld tasks still pending or running: collect again later.\r\n", pending);
}

} // namespace ivorn
