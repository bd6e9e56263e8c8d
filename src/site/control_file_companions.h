// The files that travel with the control file but belong to other record kinds: the site file,
// the herd file, the monthly weather and wind files, and on import the site, weather and subarea
// data. The control file calls each through one function here.
#pragma once

#include <string>

#include "site/control_file.h"

namespace ivorn {

// Line 3's station values: those of the run's weather station.
station_control_values control_station_values(const control_record& record);

// Each writer reports its own failure in the log and returns it. A failure does not stop the
// control file's sequence, but the run does not go on with an earlier run's file in its place.
bool write_companion_site_file(const control_record& record, control_layout layout, const std::string& path,
                               line_end_style line_ends, std::string& log);
bool write_companion_herd_file(const control_record& record, control_layout layout, const std::string& path,
                               line_end_style line_ends, std::string& log);
bool write_companion_weather_files(const control_record& record, control_layout layout, const std::string& weather_path,
                                   const std::string& wind_path, line_end_style line_ends, std::string& log);

bool import_companion_site_file(control_record& record, const std::string& site_list, int site_number, std::string& log);
// Also moves the record's held station values into its station.
bool import_companion_weather(control_record& record, const run_file_numbers& numbers, const std::string& weather_list,
                              const std::string& wind_list, std::string& log);
bool import_companion_subareas(control_record& record, int subarea_number, const std::string& subarea_list,
                               const std::string& soil_list, const std::string& operations_list, std::string& log);

} // namespace ivorn
