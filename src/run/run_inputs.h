// The input file set of a run: the checks before it, the list files written once per set of
// runs, and the model inputs of one control record.
#pragma once

#include <string>

#include "run/run_context.h"

namespace ivorn {

// Every check runs; each failure appends its message. False when any failed.
bool precheck_record(const run_context& context, std::string& log);
// Model file list, run file, one-line lists, daily weather list, print file, reference files.
// Fails when the model file list, the daily weather list, the print file or a reference file could
// not be written.
bool write_list_files(run_context& context, std::string& log);
// Parameter file, subareas with their schedules and soils, the two lists, the control file set.
bool write_model_inputs(run_context& context, std::string& log);
// The subarea count and total area write_model_inputs leaves in the context, for a run whose
// inputs an earlier process wrote (the archive and the basin list need them).
void count_subareas(run_context& context);

} // namespace ivorn
