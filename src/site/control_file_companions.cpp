// Companion files of the control file. Each function is the one place where the record kind that
// owns the file is called; until that kind exists the function has nothing to do.
#include "site/control_file_companions.h"

#include "site/livestock.h"
#include "site/site_file.h"

namespace ivorn {

namespace {

// The monthly weather file's 16th line depends on the version, which the layout stands for.
int weather_file_version(control_layout layout)
{
    switch (layout) {
    case control_layout::v806:
        return 806;
    case control_layout::v1307:
        return 1307;
    case control_layout::v604:
        return 604;
    default:
        return 2110;
    }
}

site_layout site_layout_of(control_layout layout)
{
    return site_layout_for(weather_file_version(layout));
}

} // namespace

station_control_values control_station_values(const control_record& record)
{
    const vorn_weather_station& station = record.weather_station;
    return {station.years_max_month_records, station.wet_dry_probability_coefficient, station.rain_distribution,
            station.two_year_24_hour_rainfall};
}

// Site file: the 2110 layout for 2110, 604 for 604, the 806 layout for 806 and 1307.
bool write_companion_site_file(const control_record& record, control_layout layout, const std::string& path,
                               line_end_style line_ends, std::string& log)
{
    return write_site_file(record, record.weather_station, site_layout_of(layout), path, line_ends, log);
}

// Herd file (604, 806, 1307), from the herd slots as they are now: the livestock list holds the
// rows as last loaded, which an edit since then has left behind.
bool write_companion_herd_file(const control_record& record, control_layout, const std::string& path,
                               line_end_style line_ends, std::string& log)
{
    livestock_list herds;
    livestock_from_slots(record.herds, herds);
    return write_herd_file(path, herds, record.livestock_schedule, line_ends, log);
}

// Monthly weather file and wind file of the embedded station.
bool write_companion_weather_files(const control_record& record, control_layout layout, const std::string& weather_path,
                                   const std::string& wind_path, line_end_style line_ends, std::string& log)
{
    const bool weather = record.weather_station.write_weather_file(weather_path, weather_file_version(layout), line_ends, log);
    return record.weather_station.write_wind_file(wind_path, line_ends, log) && weather;
}

bool import_companion_site_file(control_record& record, const std::string& site_list, int site_number, std::string& log)
{
    return import_site_file(record, record.weather_station, site_number, site_list, log);
}

bool import_companion_weather(control_record& record, const run_file_numbers& numbers, const std::string& weather_list,
                              const std::string& wind_list, std::string& log)
{
    return import_weather_and_wind(record.weather_station, record.held_station_values, numbers.weather, numbers.wind,
                                   weather_list, wind_list, log);
}

bool import_companion_subareas(control_record& record, int subarea_number, const std::string& subarea_list,
                               const std::string& soil_list, const std::string& operations_list, std::string& log)
{
    return record.subareas.import_subareas(record.id, subarea_number, subarea_list, soil_list, operations_list, log);
}

} // namespace ivorn
