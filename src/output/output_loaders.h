// Loading a finished run's reports into the output tables: the entry point the run pipeline and
// `ivorn load-outputs` call once the model has ended.
#pragma once

#include <cstdint>
#include <string>

#include "output/output_variables.h"
#include "store/database.h"

namespace ivorn {

struct run_output_request {
    std::int32_t record_id = 0;
    // The control record's Beginning Year: the run's first simulated year.
    int beginning_year = 0;
    // Where the report files are and their base name: the files are base name + ".OUT", ".ACY"...
    // found whatever the case of their names. An empty directory is the current one.
    std::string working_directory;
    std::string base_name = "vorn";
    int vorn_version = 2110;
    int save_year_first = 1;
    int save_year_last = 100;
    bool english_convert = false;
    // The selection-changed flag ("SetUserSelectedVariables"): read, and cleared once the
    // Selected Variables rows have been stored. Null counts as not set.
    int* selection_changed = nullptr;
    bool want_yearly = false;
    bool want_watershed = false;
    bool want_residue = false;
    // The selected-output-variables list; null means every output-file switch off and no
    // variable selected.
    const list_output_variable_descriptions* variables = nullptr;
};

// Reads every report the list's switches name, in the model version's order, and stores their
// rows for the record, replacing its earlier rows in every output table. A main report that
// lacks "TOTAL RUN TIME" fails the load whatever the switches. All of it is one transaction: on
// failure (false, with the first error in the log) nothing is changed.
bool read_run_outputs(database& db, const run_output_request& request, std::string& log);

} // namespace ivorn
