// Per-run output files moved to per-record names so that they survive the next run: the SWAT
// output and the final soil tables.
#pragma once

#include <string>
#include <vector>

#include "core/model_file_writer.h"
#include "run/run_context.h"

namespace ivorn {

// Moves a file to a new name, replacing any file of that name. When there is nothing to move the
// file of the new name stays: an earlier run's copy is worth more than no copy.
bool move_replacing(const std::string& from, const std::string& to);
// move_replacing, or a copy replacing `to` when the run's directory must keep its files.
bool keep_replacing(const run_context& context, const std::string& from, const std::string& to);

// The subarea IDs of the record, each once: subareas that share an ID share their files.
std::vector<long> distinct_subarea_ids(const control_record& record);

// vorn.swt to swNNNNNN.swt, whose copy from an earlier run goes in any case (a run set would
// otherwise take it for this run's); with a summary file, one line about the run when it wrote
// its SWAT output. Always true.
bool rename_swat_output(const run_context& context, model_file_writer* summary, std::string& log);
// Each subarea's final soil table to its record-specific name. Always true.
bool rename_final_soil_tables(const run_context& context, std::string& log);

} // namespace ivorn
