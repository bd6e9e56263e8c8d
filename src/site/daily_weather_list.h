// The daily weather list file of a run (model versions 604, 806 and 1307): one line per row of
// "Daily Weather Filenames", in table order.
#pragma once

#include <string>

#include "core/model_file_writer.h"

namespace ivorn {

class database;

// False when the table cannot be opened ("Cannot open table Daily Weather Filename") or the file
// cannot be written.
bool write_daily_weather_list(database& db, const std::string& path, line_end_style line_ends, std::string& log);

} // namespace ivorn
