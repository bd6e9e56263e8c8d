// Companion files of the control file. Each function is the one place where the record kind that
// owns the file is called; until that kind exists the function has nothing to do.
#include "site/control_file_companions.h"

#include "site/livestock.h"

namespace ivorn {

// Until the embedded weather station exists, the values an import held are the station's values.
station_control_values control_station_values(const control_record& record) { return record.held_station_values; }

// Site file: the 2110 layout for 2110, 604 for 604, the 806 layout for 806 and 1307.
void write_companion_site_file(const control_record&, control_layout, const std::string&, line_end_style, std::string&) {}

// Herd file (604, 806, 1307), from the herd slots as they are now: the livestock list holds the
// rows as last loaded, which an edit since then has left behind. Its result does not count.
void write_companion_herd_file(const control_record& record, control_layout, const std::string& path,
                               line_end_style line_ends, std::string& log)
{
    livestock_list herds;
    livestock_from_slots(record.herds, herds);
    write_herd_file(path, herds, record.livestock_schedule, line_ends, log);
}

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

bool import_companion_subareas(control_record& record, int subarea_number, const std::string& subarea_list,
                               const std::string& soil_list, const std::string& operations_list, std::string& log)
{
    return record.subareas.import_subareas(record.id, subarea_number, subarea_list, soil_list, operations_list, log);
}

} // namespace ivorn
