// The model's control file `vorncont.dat`: seven fixed-width lines in four layouts chosen by the
// model version, written for every run with its companion files, and read back on import together
// with the run file's station and subarea numbers.
#pragma once

#include <string>

#include "core/model_file_writer.h"
#include "site/control_record.h"

namespace ivorn {

// The four control-file layouts; every version not listed writes the 2110 one.
enum class control_layout { v2110, v604, v806, v1307 };
control_layout control_layout_for(int model_version);

struct control_file_paths {
    std::string control;
    std::string site;
    std::string weather;
    std::string wind;
    // The three below are written by the 604, 806 and 1307 layouts only (hourly: 806 and 1307).
    std::string herd;
    std::string point_source;
    std::string hourly_precipitation;
};

struct control_import_paths {
    std::string control;
    std::string site_list;
    std::string subarea_list;
    std::string soil_list;
    std::string operations_list;
    std::string run;
    std::string weather_list;
    std::string wind_list;
};

// The run file's first line: which site, weather station, wind station and subarea set to import.
struct run_file_numbers {
    int site = 0;
    int weather = 0;
    int wind = 0;
    int subarea = 0;
};

// Lines 1 to 3, with line 3's station values taken from `station`.
void write_control_lines(model_file_writer& out, const control_record& record, const station_control_values& station,
                         control_layout layout);
// The control file and its companion files. False when the control file, the point source file or
// the hourly precipitation file cannot be written; the companions report their own failures.
bool write_control_file(const control_record& record, int model_version, line_end_style line_ends,
                        const control_file_paths& paths, std::string& log);
// One run definition from the model's own files into `record`. Fields of lines read before a
// failure stay set.
bool import_control_file(control_record& record, const control_import_paths& paths, std::string& log);
// The run file's first line, columns 9-24; zeros when the file or its line is missing.
run_file_numbers read_run_file_numbers(const std::string& run_path, std::string& log);

} // namespace ivorn
