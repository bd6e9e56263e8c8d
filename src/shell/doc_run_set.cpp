// Run / All Records: the model for a range of control records in list order, with progress,
// Cancel between runs, the stop rules, the archive and the closing report.
#include "shell/doc_i_vorn.h"

#include <chrono>
#include <ctime>

#include "core/text_utils.h"
#include "run/model_run.h"
#include "run/run_inputs.h"
#include "run/run_renames.h"
#include "run/job_directories.h"
#include "run/run_executor.h"
#include "run/run_set.h"

namespace ivorn {
namespace {

std::string local_time_text()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%m-%d-%Y %H:%M:%S", &local);
    return text;
}

} // namespace

// One record of a set after it was loaded: precheck with its stop rule, the launch, then what
// follows it. True when the run succeeded.
bool doc_i_vorn::run_set_member(const run_set_options& options, long position, run_context& context,
                                model_file_writer* basin, run_set_state& state, std::string& log)
{
    if (!precheck_record(context, log) && precheck_stops_set(options, position, state, log))
        return false;
    ui_.set_status_text(format_printf("Running VORN%d #%ld ID=%ld", settings_.vorn_version, position,
                                      static_cast<long>(context.record->id)));
    std::string console;
    const bool ran = launch_model(context, options.realtime_priority, console, log);
    end_set_member(options, position, ran, console, context, basin, state, log);
    return ran;
}

bool doc_i_vorn::precheck_stops_set(const run_set_options& options, long position, run_set_state& state,
                                    std::string& log)
{
    if (options.stop_on_precheck_error) {
        ui_.show_error_list("Don't run VORN til this is fixed", "Ok", log);
        log += format_printf("Stop due to precheck error at %ld\r\n", position);
        state.stopped = state.stopped_by_rule = true;
        return true;
    }
    log += format_printf("Precheck warning, %ld\r\n", position);
    return false;
}

// After the launch: the run-error stop rule or the error files, then the archive and renames.
void doc_i_vorn::end_set_member(const run_set_options& options, long position, bool ran, const std::string& console,
                                run_context& context, model_file_writer* basin, run_set_state& state, std::string& log)
{
    if (ran) {
        context.record->modified = false;
    } else if (options.stop_on_run_error) {
        ui_.show_error_list("VORN appears to have failed", "", console);
        log += "Stop due to run error\r\n";
        state.stopped = state.stopped_by_rule = true;
    } else {
        log += format_printf("**Error, record %ld - %s.\r\n", position, local_time_text().c_str());
        if (!state.first_failure_kept)
            keep_first_failure(context, console, log);
        state.first_failure_kept = true;
    }
    if (options.save_input_files)
        archive_run_files(context, log);
    if (output_variables_ && output_variables_->switch_on(29))
        rename_final_soil_tables(context, log);
    if (options.save_swat_files)
        rename_swat_output(context, basin, log);
}

bool doc_i_vorn::run_all_records()
{
    if (!db_ || !record_ || !launcher_)
        return false;
    ui_.store_form_values();
    launcher_->clear_cancel();
    std::string log;
    const bool had_current = has_current_;

    control_record_keys keys(*db_);
    if (keys.count(log) < 0) {
        show_log(log);
        return false;
    }
    complete_list(keys, log);
    run_set_options options;
    options.last_position = static_cast<long>(records_.count());
    if (!ui_.ask_run_set(options)) {
        ui_.show_record_values();
        ui_.refresh_all_views(1);
        return false;
    }
    last_run_set_ = {};
    if ((options.jobs != 1 || options.use_slurm) && settings_.read_soil != 0) {
        log += "ReadSoil is on: each run starts from the final soil tables of the run before it, so the runs "
               "cannot run side by side. Nothing was run; run the set with one job.\r\n";
        last_run_set_.log = log;
        ui_.show_error_list("Multiple Runs", "Click This", log);
        ui_.show_record_values();
        ui_.refresh_all_views(1);
        return false;
    }

    run_context context = make_run_context();
    directory_lock held;
    if (!hold_model_directory(held, context.settings.working_directory, log)) {
        last_run_set_.log = log;
        last_run_set_.cancelled = ui_.progress_cancelled();
        ui_.show_error_list("Multiple Runs", "Click This", log);
        ui_.show_record_values();
        ui_.refresh_all_views(1);
        return false;
    }
    model_file_writer basin;
    if (options.save_swat_files
        && !basin.open(model_path(context, "swat_basin.dat"), context.settings.line_ends))
        log += "ERROR, unable to open basin swat file.\r\n";
    output_options.create_yearly_table = options.create_yearly_table;
    output_options.create_watershed_table = options.create_watershed_table;
    output_options.create_residue_table = options.create_residue_table;
    context.options = output_options;
    const long planned = planned_runs(options, static_cast<long>(records_.count()));
    job_directories jobs;
    std::unique_ptr<run_executor> executor;
    const bool side_by_side = options.jobs != 1 || options.use_slurm;
    if (!(side_by_side ? prepare_job_directories(options, planned, context, jobs, executor, log)
                       : write_list_files(context, log))) {
        basin.close();
        last_run_set_.log = log;
        // Nothing ran; without this the set would end without a word.
        ui_.show_error_list("Multiple Runs", "Click This", log);
        ui_.show_record_values();
        ui_.refresh_all_views(1);
        return false;
    }

    ui_.progress_open(0, static_cast<int>(planned));
    log += format_printf("Attempting %d runs.\r\n", static_cast<int>(planned));
    long attempted = 0;
    long successful = 0;
    run_set_state state;
    bool& stopped = state.stopped;
    const auto start = std::chrono::steady_clock::now();
    auto end = start;
    if (store_before_leaving(log) && !records_.empty()) {
        // Taken after the store: an ID edited in the form is the record's ID from now on.
        const std::int32_t remembered = current_id_;
        long position = options.first_position;
        const control_record_description* entry = reach(keys, position, log);
        if (side_by_side) {
            run_side_by_side(options, keys, entry, jobs, *executor, context, basin.is_open() ? &basin : nullptr, state, attempted,
                             successful, end, log);
            entry = nullptr;
        }
        while (!stopped && entry) {
            if (ui_.progress_cancelled()) {
                last_run_set_.cancelled = true;
                break;
            }
            if (load_entry(*entry, log)) {
                context = make_run_context();
                if (run_set_member(options, position, context, basin.is_open() ? &basin : nullptr, state, log))
                    ++successful;
            } else {
                // Running it would run the previous record's values under the old ID.
                log += format_printf("Record at position %ld could not be loaded; it is not run.\r\n", position);
            }
            ++attempted;
            ui_.progress_set_position(static_cast<int>(attempted));
            ui_.progress_set_line(0, format_printf("Run %6ld, Good=%6ld ", attempted, successful));
            ++position;
            if (position > options.last_position)
                stopped = true;
            else
                entry = reach(keys, position, log);
            end = std::chrono::steady_clock::now();
        }
        if (had_current)
            make_current(remembered, log);
    }
    last_run_set_.stopped = state.stopped_by_rule;
    ui_.progress_close();
    const double elapsed = std::chrono::duration<double>(end - start).count();
    last_run_set_.closing = format_printf("%ld runs, %ld successful runs.\r\n", attempted, successful)
                            + format_printf("Elapsed: %.3f seconds, ave=%.3f", elapsed,
                                            planned != 0 ? elapsed / static_cast<double>(planned) : 0.0);
    log += last_run_set_.closing;
    ui_.show_error_list("Multiple Runs", "Click This", log);
    basin.close();
    last_run_set_.attempted = attempted;
    last_run_set_.successful = successful;
    last_run_set_.log = log;
    ui_.show_record_values();
    ui_.refresh_all_views(1);
    return !last_run_set_.cancelled && !last_run_set_.stopped && attempted == successful;
}

} // namespace ivorn
