// One launch of the model for the record of a run: the stale files removed, the model inputs
// written, the model started in its working directory (hidden with its console captured, or
// visible), waited for, and its reports loaded.
#pragma once

#include <string>

#include "run/run_context.h"

namespace ivorn {

// True when the model was started, ended by itself and its reports loaded. A cancelled model
// counts as failed. A successful run marks the record modified.
bool launch_model(run_context& context, bool realtime_priority, std::string& console_text, std::string& log);

// launch_model in its three steps, for callers that start several models at once: the inputs
// written and the request made, the process run by the caller, then its console and reports.
struct model_launch {
    launch_request request;
    std::string command_line;
    bool visible = false;
};
bool prepare_model_launch(run_context& context, bool realtime_priority, model_launch& launch, std::string& log);
bool complete_model_launch(run_context& context, const model_launch& launch, const launch_result& result,
                           std::string& console_text, std::string& log);

// The report extensions the loaders read, whose files of an earlier run must not pass for this
// run's.
const char* const* report_extensions();

} // namespace ivorn
