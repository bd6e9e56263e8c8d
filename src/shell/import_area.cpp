// Import Soil, Import Weather File and Import Wind File.
#include "shell/import_area.h"

#include <cstdint>
#include <set>

#include "core/field_readers.h"
#include "core/filename_struct.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "shell/user_interface.h"
#include "site/list_file_lines.h"
#include "site/control_record_table.h"
#include "site/soil_tables.h"
#include "site/vorn_soil.h"
#include "site/vorn_weather_station.h"
#include "site/weather_tables.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

constexpr size_t station_name_width = 25;

void show_import_log(user_interface& ui, const std::string& log)
{
    ui.end_wait_cursor();
    ui.show_error_list("Record read errors", "Click This", log);
    ui.refresh_all_views(1);
}

// The smallest positive number not in `used`; 0 when none is left below 2147483647.
std::int32_t smallest_unused(const std::set<std::int64_t>& used)
{
    std::int64_t candidate = 1;
    for (const std::int64_t number : used) {
        if (number == candidate)
            ++candidate;
        else if (number > candidate)
            break;
    }
    return candidate >= INT32_MAX ? 0 : static_cast<std::int32_t>(candidate);
}

// Adds the values of one column of a table to `used`.
bool collect_numbers(database& db, const table_description& table, const char* column, std::set<std::int64_t>& used,
                     std::string& log)
{
    return each_column_value(
        db, table, column, [&used](const field_value& value) { used.insert(value_as_integer(value)); }, log);
}

std::int32_t smallest_free_soil_id(database& db, std::string& log)
{
    std::set<std::int64_t> used;
    return collect_numbers(db, soils_table(), "Soil Id", used, log) ? smallest_unused(used) : 0;
}

bool store_soil(database& db, vorn_soil& soil, std::string& log)
{
    transaction work(db);
    soil.number = smallest_free_soil_id(db, log);
    if (soil.number == 0)
        return false;
    return soil.save_soil(db, soils_table().name, soil_layers_table().name, log) && work.commit(log);
}

// The station a list line's file belongs to is named after that file's base name.
std::string station_name_of(const std::string& file_name)
{
    filename_struct file;
    file.set_full_path(file_name);
    return cut_to_width(file.base, station_name_width);
}

vorn_weather_station* find_by_name(const weather_station_list_class& stations, const std::string& name)
{
    for (vorn_weather_station* station : stations) {
        if (station->name == name)
            return station;
    }
    return nullptr;
}

// save_station notes every month row it creates; an import creates twelve per new station, so
// those notes are kept only when the save fails and the log must say why.
bool save_quietly(vorn_weather_station& station, database& db, std::string& log)
{
    std::string notes;
    if (station.save_station(db, weather_table().name, weather_by_month_table().name, notes))
        return true;
    log += notes;
    return false;
}

bool read_listed_file(vorn_weather_station& station, const std::string& list_path, const station_list_line& line,
                      bool weather, std::string& log)
{
    const std::string path = listed_file_path(list_path, line.file_name);
    line_reader file;
    if (file.open(path, log) != line_reader::open_result::opened) {
        log += (weather ? "Cannot open weather file " : "Cannot open wind file ") + path + "\r\n";
        return false;
    }
    return weather ? station.import_weather(file, log) : station.import_wind(file, log);
}

// The stations an import may update, and the numbers a new one must not take: those of the
// stations and those that control records name, whose station may not have a row yet.
struct known_stations {
    weather_station_list_class stations;
    std::set<std::int64_t> numbers_in_use;
};

bool load_known_stations(database& db, known_stations& known, std::string& log)
{
    if (!known.stations.load_station_list(db, weather_table().name, weather_by_month_table().name, log))
        return false;
    for (const vorn_weather_station* station : known.stations)
        known.numbers_in_use.insert(station->number);
    return collect_numbers(db, control_records_table(), "Weather Station ID", known.numbers_in_use, log);
}

// What one list line does to the stations: weather makes or updates the named station, wind
// only updates one that exists.
bool import_list_line(database& db, known_stations& stations, const std::string& list_path,
                      const station_list_line& line, bool weather, std::string& log)
{
    const std::string name = station_name_of(line.file_name);
    if (name.empty()) {
        log += "No station name in the file name " + line.file_name + "\r\n";
        return false;
    }
    vorn_weather_station* station = find_by_name(stations.stations, name);
    if (!station && !weather) {
        log += format_printf("WARNING, station %s not found in table.  Import weather before wind.\r\n", name.c_str());
        return false;
    }
    if (!station) {
        const std::int32_t number = smallest_unused(stations.numbers_in_use);
        if (number == 0) {
            log += "No free weather station number is left.\r\n";
            return false;
        }
        auto created = std::make_unique<vorn_weather_station>();
        created->number = number;
        created->name = name;
        station = created.get();
        stations.numbers_in_use.insert(number);
        stations.stations.add(std::move(created));
    }
    if (weather) {
        station->latitude = line.latitude;
        station->longitude = line.longitude;
    }
    return read_listed_file(*station, list_path, line, weather, log) && save_quietly(*station, db, log);
}

bool import_station_list(database& db, const std::string& path, bool weather, std::string& log)
{
    line_reader list;
    const auto opened = list.open(path, log);
    if (opened == line_reader::open_result::missing)
        log += (weather ? "Unable to open weather station list file " : "Unable to open wind file ") + path + "\r\n";
    if (opened != line_reader::open_result::opened)
        return false;
    known_stations stations;
    if (!load_known_stations(db, stations, log))
        return false;

    transaction work(db);
    bool all_read = true;
    int stored = 0;
    std::string raw;
    while (list.next_line(raw)) {
        station_list_line line;
        if (!read_station_list_line(without_line_end(raw), line))
            continue;
        if (import_list_line(db, stations, path, line, weather, log))
            ++stored;
        else
            all_read = false;
    }
    log += format_printf(weather ? "Weather stations read: %d\r\n" : "Wind stations read: %d\r\n", stored);
    return work.commit(log) && all_read;
}

} // namespace

bool import_soil_file(database& db, const std::string& path, user_interface& ui, std::string& log)
{
    ui.begin_wait_cursor();
    vorn_soil soil;
    const bool stored = soil.read_soil_file(path, log) && store_soil(db, soil, log);
    if (!stored)
        log += "No soil was imported from " + path + "\r\n";
    log += format_printf("Soils read: %ld\r\n", stored ? 1L : 0L);
    show_import_log(ui, log);
    return stored;
}

bool import_weather_file(database& db, const std::string& path, user_interface& ui, std::string& log,
                         const after_import& after)
{
    ui.begin_wait_cursor();
    const bool ok = import_station_list(db, path, true, log);
    if (after)
        after(log);
    show_import_log(ui, log);
    return ok;
}

bool import_wind_file(database& db, const std::string& path, user_interface& ui, std::string& log,
                      const after_import& after)
{
    ui.begin_wait_cursor();
    const bool ok = import_station_list(db, path, false, log);
    if (after)
        after(log);
    show_import_log(ui, log);
    return ok;
}

} // namespace ivorn
