// The run's list files, whose only job is to name the other files: the model file list, the run
// file, the one-line lists and the daily weather list.
#pragma once

#include <functional>
#include <string>

#include "core/model_file_writer.h"
#include "store/database.h"

namespace ivorn {

// 14 lines for 2110 (and any unlisted version), 17 for 604, 18 for 806 and 1307, then five empty
// lines. False, with "ERROR, unable to open VORN name file PATH", when it cannot be written.
bool write_model_file_list(const std::string& working_directory, int vorn_version, line_end_style line_ends,
                           std::string& log);
// "vorn" and the version's tail. A failure is logged but is not the step's failure.
void write_run_file(const std::string& working_directory, int vorn_version, line_end_style line_ends,
                    std::string& log);
// ivsublist.dat, ivsitels.dat, ivwthlst.dat, ivwindls.dat, each " 1    NAME".
void write_one_line_lists(const std::string& working_directory, line_end_style line_ends, std::string& log);

// ivwdaily.dat from "Daily Weather Filenames" (versions 604, 806, 1307): one line per row in
// table order. A table that does not open is shown in a message box.
bool write_daily_weather_list(database& db, const std::string& working_directory, line_end_style line_ends,
                              const std::function<void(const std::string&)>& message_box, std::string& log);

// True for the versions whose list has the herd, daily weather and point source lines.
bool has_farm_files(int vorn_version);
// True for the versions with the newer layouts (806, 1307).
bool is_wide_version(int vorn_version);

} // namespace ivorn
