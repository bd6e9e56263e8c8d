// The application's settings with their defaults, and the model working directory and base name
// derived from the configured executable.
#pragma once

#include <cstdint>
#include <string>

#include "core/filename_struct.h"
#include "core/model_file_writer.h"
#include "shell/settings_store.h"

namespace ivorn {

struct app_settings {
    filename_struct model_executable = default_model_executable();
    std::uint8_t run_visible = 0;
    std::uint8_t read_soil = 0;
    std::uint8_t dynamic_runoff = 1;
    std::uint8_t record_list = 1;
    int vorn_version = 2110;
    std::uint8_t prebuild_soil = 1;
    int save_year_first = 1;
    int save_year_last = 100;
    int english_convert = 0;
    int set_user_selected_variables = 1;
    line_end_style model_line_ends = platform_line_ends();
    // "output variables.csv" beside the model executable.
    filename_struct output_variable_file;

    static filename_struct default_model_executable();

    // Reads every setting, each with its current value as the default; flags keep the low byte.
    void read(settings_store& store);
    void write(settings_store& store) const;
    // Writes only the keys whose value differs from `as_read`; the number of keys written.
    int write_changes(settings_store& store, const app_settings& as_read) const;

    // Drive ("X:" when there is one) and directory of the executable; empty for a bare name.
    std::string model_working_directory() const;
    // The executable's name without extension, at most 49 characters.
    std::string model_base_name() const;
};

// A setting by its "Section/Key" name, as `ivorn config` addresses them; false when unknown.
bool get_setting(const app_settings& settings, const std::string& name, std::string& value);
bool set_setting(app_settings& settings, const std::string& name, const std::string& value, std::string& log);
const char* const* setting_names();

} // namespace ivorn
