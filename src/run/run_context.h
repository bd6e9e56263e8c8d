// What a run needs from the document and the settings, handed down so that the run code stands
// below the document: the database, the record, the reference lists, the variable list, the
// settings in force and the model launcher.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/model_file_writer.h"
#include "core/vorn_production_supply.h"
#include "output/output_variables.h"
#include "reference/vorn_operation.h"
#include "run/model_launcher.h"
#include "site/control_record.h"
#include "store/database.h"

namespace ivorn {

// The three load-output flags handed to the output loader after a run.
struct load_output_options {
    int create_yearly_table = 0;
    int create_watershed_table = 0;
    int create_residue_table = 0;
};

struct run_settings {
    int vorn_version = 2110;
    line_end_style line_ends = platform_line_ends();
    bool read_soil = false;
    bool run_visible = false;
    int save_year_first = 1;
    int save_year_last = 100;
    bool english_convert = false;
    // The model executable, its directory (with separator, or empty) and base name.
    std::string executable;
    std::string working_directory;
    std::string base_name;
    // Where a set keeps what outlives a run (the archive, the renamed per-record reports, the
    // first failure's files) when the model runs in a directory of its own; empty: the working
    // directory.
    std::string keep_directory;
    // A cluster's run directories stay for the next collect: what a run keeps is copied out of
    // them, and its console capture stays, so that a second collect finds every file again.
    bool keep_by_copy = false;
};

struct run_context {
    database* db = nullptr;
    run_settings settings;
    control_record* record = nullptr;
    const operation_list_class* operations = nullptr;
    const vorn_production_supply_list* crops = nullptr;
    const vorn_production_supply_list* fertilizers = nullptr;
    const vorn_production_supply_list* pesticides = nullptr;
    // Absent: every output switch off, nothing selected.
    const list_output_variable_descriptions* output_variables = nullptr;
    // The selection-changed setting, cleared once the selected variables are stored.
    int* selection_changed = nullptr;
    load_output_options options;
    model_launcher* launcher = nullptr;
    // A message box, for the few failures shown that way.
    std::function<void(const std::string&)> message_box;

    // Kept while write_model_inputs writes the subareas.
    std::int32_t subarea_counter = 0;
    double total_subarea_area = 0.0;
};

// The path of a file in the model working directory.
inline std::string model_path(const run_context& context, const std::string& name)
{
    return context.settings.working_directory + name;
}

// The directory of the files a run leaves for the user.
inline const std::string& keep_directory(const run_context& context)
{
    return context.settings.keep_directory.empty() ? context.settings.working_directory
                                                   : context.settings.keep_directory;
}

} // namespace ivorn
