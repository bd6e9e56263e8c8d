// The model's site file: where the run lies (its weather station's position), the basin values,
// the herds, the weather stations covering the area and the point-source files. Written for every
// run in the layout of the model version; read when a run definition is imported.
#pragma once

#include <string>

#include "core/model_file_writer.h"

namespace ivorn {

class control_record;
class vorn_weather_station;

// 806 serves 1307 too.
enum class site_layout { v2110, v604, v806 };
site_layout site_layout_for(int model_version);

// False (with "Unable to open sitefile for writing") when the file cannot be written.
bool write_site_file(const control_record& record, const vorn_weather_station& station, site_layout layout,
                     const std::string& path, line_end_style line_ends, std::string& log);

// The site `site_number` of the site list file into the record, its station's position and its
// herd slots. Values read before a missing line stay.
bool import_site_file(control_record& record, vorn_weather_station& station, int site_number,
                      const std::string& site_list_path, std::string& log);

} // namespace ivorn
