// Companion files of the control file. Each function is the one place where the record kind that
// owns the file is called; until that kind exists the function has nothing to do.
#include "site/control_file_companions.h"

namespace ivorn {

// Until the embedded weather station exists, the values an import held are the station's values.
station_control_values control_station_values(const control_record& record) { return record.held_station_values; }

// Site file: the 2110 layout for 2110, 604 for 604, the 806 layout for 806 and 1307.
void write_companion_site_file(const control_record&, control_layout, const std::string&, line_end_style, std::string&) {}

// Herd file (604, 806, 1307).
void write_companion_herd_file(const control_record&, control_layout, const std::string&, line_end_style, std::string&) {}

// Monthly weather file and wind file of the embedded station.
void write_companion_weather_files(const control_record&, control_layout, const std::string&, const std::string&,
                                   line_end_style, std::string&)
{
}

void import_companion_site_file(control_record&, const std::string&, int, std::string&) {}

bool import_companion_weather(control_record&, const run_file_numbers&, const std::string&, const std::string&,
                              std::string&)
{
    return true;
}

bool import_companion_subareas(control_record&, int, const std::string&, const std::string&, const std::string&,
                               std::string&)
{
    return true;
}

} // namespace ivorn
