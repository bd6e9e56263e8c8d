// The model process step of a run.
#include "run/model_run.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "core/default_file_names.h"
#include "core/file_lookup.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "output/output_loaders.h"
#include "run/run_inputs.h"

namespace ivorn {
namespace {

const char* const extensions[] = {"OUT", "ACY", "AWP", "MSA", "ACN", "SUS", "APS", "MSW", "SWT", nullptr};

// Several files may differ only in case; each of them is a leftover, except the model itself:
// an executable may well be called "vorn", and removing it would end every later run.
void remove_ignoring_case(directory_lookup& files, const std::string& name, const std::string& keep)
{
    for (int i = 0; i < 8; ++i) {
        const std::string found = files.find(name);
        std::error_code error;
        if ((std::filesystem::equivalent(found, keep, error) && !error) || !std::filesystem::remove(found, error))
            return;
        files.forget(found);
    }
}

// The bare "vorn" file and every report an earlier run left: a model that writes nothing must
// never get those loaded as its own. The final soil tables stay: the next run may start from them.
void remove_stale_outputs(const run_context& context)
{
    directory_lookup files(context.settings.working_directory);
    const std::string& model = context.settings.executable;
    remove_ignoring_case(files, file_names::output_base, model);
    for (const char* const* extension = extensions; *extension; ++extension)
        remove_ignoring_case(files, std::string(file_names::output_base) + "." + *extension, model);
}

bool load_outputs(run_context& context, std::string& log)
{
    run_output_request request;
    request.record_id = context.record->id;
    request.beginning_year = context.record->beginning_year;
    request.working_directory = context.settings.working_directory;
    request.base_name = file_names::output_base;
    request.vorn_version = context.settings.vorn_version;
    request.save_year_first = context.settings.save_year_first;
    request.save_year_last = context.settings.save_year_last;
    request.english_convert = context.settings.english_convert;
    request.selection_changed = context.selection_changed;
    request.want_yearly = context.options.create_yearly_table != 0;
    request.want_watershed = context.options.create_watershed_table != 0;
    request.want_residue = context.options.create_residue_table != 0;
    request.variables = context.output_variables;
    return read_run_outputs(*context.db, request, log);
}

std::string signal_name(int number)
{
    const char* abbreviation = sigabbrev_np(number);
    return abbreviation ? std::string("SIG") + abbreviation : "signal " + std::to_string(number);
}

std::string absolute_path(const std::string& path)
{
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

} // namespace

const char* const* report_extensions() { return extensions; }

bool prepare_model_launch(run_context& context, bool realtime_priority, model_launch& launch, std::string& log)
{
    const auto& settings = context.settings;
    const bool visible = settings.run_visible;
    remove_stale_outputs(context);
    if (!write_model_inputs(context, log)) {
        if (!visible)
            log += "Unable to open VORN run file.\r\n";
        return false;
    }

    launch_request& request = launch.request;
    request.executable = absolute_path(settings.executable);
    request.working_directory = settings.working_directory;
    request.realtime_priority = realtime_priority;
    launch.visible = visible;
    if (visible) {
        request.arguments = {file_names::visible_argument};
        launch.command_line = settings.executable + " " + file_names::visible_argument;
        return true;
    }
    launch.command_line = "\"" + settings.executable + "\"";
    const std::string capture = model_path(context, file_names::console_capture);
    std::FILE* probe = std::fopen(capture.c_str(), "wb");
    if (!probe) {
        log += "Unable to create file handle.\r\n" + capture + "\r\n";
        return false;
    }
    std::fclose(probe);
    request.capture_file = capture;
    return true;
}

bool complete_model_launch(run_context& context, const model_launch& launch, const launch_result& result,
                           std::string& console_text, std::string& log)
{
    if (!launch.visible) {
        std::string captured;
        read_whole_file(launch.request.capture_file, captured);
        if (!context.settings.keep_by_copy)
            std::remove(launch.request.capture_file.c_str());
        if (result.finished)
            console_text = launch.command_line + "\r\nProcess Finished\r\n";
        console_text += captured;
    }
    if (!result.started) {
        if (!result.scheduler_state.empty())
            log += result.scheduler_state + "\r\n";
        else
            log += format_printf("Unable to create process, code=%d.\r\n", result.error_code) + launch.command_line + "\r\n";
        return false;
    }
    if (result.cancelled) {
        log += "Process Cancelled/Error\r\n  The model was ended on request.\r\n";
        return false;
    }
    if (!result.finished && !result.scheduler_state.empty()) {
        log += "Process Cancelled/Error\r\n  " + result.scheduler_state + ".\r\n";
        return false;
    }
    if (!result.finished) {
        log += format_printf("Process Cancelled/Error\r\n  Function failure (%ld).\r\n", static_cast<long>(result.error_code));
        return false;
    }
    // Whatever reports a killed model left were cut off by its end: none of them is loaded.
    if (result.terminating_signal != 0) {
        log += format_printf("The model was ended by signal %s (%d).\r\n", signal_name(result.terminating_signal).c_str(),
                             result.terminating_signal);
        return false;
    }
    if (result.exit_status != 0)
        log += format_printf("The model ended with exit status %d.\r\n", result.exit_status);
    if (!load_outputs(context, log))
        return false;
    context.record->modified = true;
    return true;
}

bool launch_model(run_context& context, bool realtime_priority, std::string& console_text, std::string& log)
{
    model_launch launch;
    if (!prepare_model_launch(context, realtime_priority, launch, log))
        return false;
    const launch_result result = context.launcher->run(launch.request);
    return complete_model_launch(context, launch, result, console_text, log);
}

} // namespace ivorn
