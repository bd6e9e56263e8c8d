// Run / This Record and the pre-checks, as document commands over the run pipeline.
#include "shell/doc_i_vorn.h"

#include "core/text_utils.h"
#include "run/model_run.h"
#include "run/run_inputs.h"
#include "run/run_renames.h"

namespace ivorn {

void doc_i_vorn::set_run_resources(model_launcher* launcher, const list_output_variable_descriptions* output_variables,
                                   int* selection_changed)
{
    launcher_ = launcher;
    output_variables_ = output_variables;
    selection_changed_ = selection_changed;
}

bool doc_i_vorn::hold_model_directory(directory_lock& lock, const std::string& directory, std::string& log)
{
    directory_lock::wait_policy policy;
    policy.fail_if_busy = fail_if_directory_busy;
    policy.waiting = [this](const std::string& text) { ui_.show_waiting(text); };
    policy.cancelled = [this] { return ui_.progress_cancelled(); };
    return lock.acquire(directory, policy, log);
}

run_context doc_i_vorn::make_run_context()
{
    run_context context;
    context.db = db_.get();
    context.settings.vorn_version = settings_.vorn_version;
    context.settings.line_ends = settings_.model_line_ends;
    context.settings.read_soil = settings_.read_soil != 0;
    context.settings.run_visible = settings_.run_visible != 0;
    context.settings.save_year_first = settings_.save_year_first;
    context.settings.save_year_last = settings_.save_year_last;
    context.settings.english_convert = settings_.english_convert != 0;
    context.settings.executable = settings_.model_executable.full_path();
    context.settings.working_directory = settings_.model_working_directory();
    context.settings.base_name = settings_.model_base_name();
    context.record = record_.get();
    context.operations = operations_.get();
    context.crops = crops_.get();
    context.fertilizers = fertilizers_.get();
    context.pesticides = pesticides_.get();
    context.output_variables = output_variables_;
    context.selection_changed = selection_changed_;
    context.options = output_options;
    context.launcher = launcher_;
    context.message_box = [this](const std::string& text) { ui_.message_box(text); };
    return context;
}

bool doc_i_vorn::run_this_record()
{
    if (!db_ || !record_ || !has_current_ || !launcher_)
        return false;
    std::string log;
    std::string console;
    // A cancel belongs to the command it was asked in; an earlier one must not end this run.
    launcher_->clear_cancel();
    ui_.set_status_text("");
    ui_.store_form_values();
    if (!store_before_leaving(log)) {
        show_log(log);
        return false;
    }
    run_context context = make_run_context();
    if (!precheck_record(context, log)
        && !ui_.show_error_list("Don't run VORN til this is fixed", "Run VORN Anyhow", log)) {
        ui_.refresh_all_views(1);
        return false;
    }
    ui_.set_status_text(format_printf("Running VORN%d #%ld ID=%ld", settings_.vorn_version, current_position(),
                                      static_cast<long>(record_->id)));
    output_options.create_yearly_table = 1;
    output_options.create_watershed_table = 1;
    context.options = output_options;
    ui_.begin_wait_cursor();
    directory_lock held;
    const bool ran = hold_model_directory(held, context.settings.working_directory, log)
                     && write_list_files(context, log) && launch_model(context, false, console, log);
    ui_.end_wait_cursor();
    subarea_counter = context.subarea_counter;
    total_subarea_area = context.total_subarea_area;
    if (ran) {
        if (output_variables_ && output_variables_->switch_on(29))
            rename_final_soil_tables(context, log);
        rename_swat_output(context, nullptr, log);
        ui_.show_error_list("VORN succeeded", "Click me", console);
    } else {
        log += "\r\n***\r\n" + console;
        ui_.show_error_list("VORN appears to have failed", "", log);
    }
    ui_.refresh_all_views(1);
    return ran;
}

bool doc_i_vorn::precheck_this_record()
{
    if (!db_ || !record_ || !has_current_)
        return false;
    ui_.store_form_values();
    std::string log;
    const run_context context = make_run_context();
    if (precheck_record(context, log)) {
        ui_.message_box("Record OK.");
        return true;
    }
    ui_.show_error_list("Don't run VORN til this is fixed", "Ok", log);
    return false;
}

bool doc_i_vorn::write_inputs_of_current(const std::string& directory, std::string& log)
{
    if (!db_ || !record_ || !has_current_)
        return false;
    run_context context = make_run_context();
    context.settings.working_directory = directory;
    return write_list_files(context, log) && write_model_inputs(context, log);
}

} // namespace ivorn

namespace ivorn {

bool doc_i_vorn::precheck_all_records()
{
    if (!db_ || !record_)
        return false;
    ui_.store_form_values();
    ui_.begin_wait_cursor();
    std::string log;
    long records = 0;
    long failures = 0;
    control_record_keys keys(*db_);
    const bool checked = keys.count(log) >= 0 && store_before_leaving(log);
    if (checked) {
        const bool had_current = has_current_;
        const std::int32_t remembered = current_id_;
        complete_list(keys, log);
        for (const control_record_description* entry : records_) {
            ++records;
            // A record that cannot be loaded would be checked with the previous record's values.
            if (!load_entry(*entry, log) || !precheck_record(make_run_context(), log))
                ++failures;
        }
        if (had_current)
            make_current(remembered, log);
        ui_.show_record_values();
    }
    ui_.end_wait_cursor();
    if (!checked) {
        // Nothing was checked: "All 0 records ok." would call that a success.
        ui_.show_error_list("Don't run VORN til this is fixed", "Ok", log);
        return false;
    }
    if (failures == 0) {
        ui_.message_box(format_printf("All %ld records ok.", records));
        return true;
    }
    log += format_printf("*** %ld of %ld records failed***\r\n", failures, records);
    ui_.show_error_list("Don't run VORN til this is fixed", "Ok", log);
    return false;
}

} // namespace ivorn
