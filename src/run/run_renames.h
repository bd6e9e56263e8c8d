// Per-run output files moved to per-record names so that they survive the next run: the SWAT
// output and the final soil tables.
#pragma once

#include <string>

#include "core/model_file_writer.h"
#include "run/run_context.h"

namespace ivorn {

// vorn.swt to swNNNNNN.swt; with a summary file, one line about the run. Always true.
bool rename_swat_output(const run_context& context, model_file_writer* summary, std::string& log);
// Each subarea's final soil table to its record-specific name. Always true.
bool rename_final_soil_tables(const run_context& context, std::string& log);

} // namespace ivorn
