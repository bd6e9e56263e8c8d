// Import Soil, Import Weather File and Import Wind File.
#include "shell/import_area.h"

#include <cstdint>
#include <set>

#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "shell/user_interface.h"
#include "site/list_file_lines.h"
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

vorn_weather_station* find_by_number(const weather_station_list_class& stations, std::int32_t number)
{
    for (vorn_weather_station* station : stations) {
        if (station->number == number)
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
    const std::string path = listed_file_path(list_path, line.file_name, log);
    line_reader file;
    if (file.open(path, log) != line_reader::open_result::opened) {
        log += (weather ? "Cannot open weather file " : "Cannot open wind file ") + path + "\r\n";
        return false;
    }
    return weather ? station.import_weather(file, log) : station.import_wind(file, log);
}

// The station of a weather line's number, as stored or new. Re-importing a corrected list updates
// its stations in place, so that every record using one keeps it.
vorn_weather_station& weather_line_station(weather_station_list_class& stations, std::int32_t number, std::string& log)
{
    if (vorn_weather_station* stored = find_by_number(stations, number)) {
        log += format_printf("Weather station %d (%s) was already stored; it is updated.\r\n", number,
                             stored->name.c_str());
        return *stored;
    }
    auto created = std::make_unique<vorn_weather_station>();
    created->number = number;
    created->name = cut_to_width(format_printf("Weather Station %ld", static_cast<long>(number)), station_name_width);
    vorn_weather_station& station = *created;
    stations.add(std::move(created));
    return station;
}

// Columns 20-26 and 28-34 of a list line, as the list line reader takes them: the station's
// latitude and longitude, or nothing when they are blank.
bool position_blank(std::string_view text)
{
    return text.size() <= 19 || trim_copy(text.substr(19, 15)).empty();
}

bool position_given(std::string_view text)
{
    float value = 0.0f;
    return !position_blank(text) && read_float_field(text, 20, 26, value) && read_float_field(text, 28, 34, value);
}

// What one list line does to the stations: a weather line makes or updates the station of its
// number, a wind line updates the station of its number, which the weather import made.
bool import_list_line(database& db, weather_station_list_class& stations, const std::string& list_path,
                      std::string_view text, const station_list_line& line, bool weather, std::string& log)
{
    if (line.number < 1) {
        log += format_printf("Weather station number %d is not valid: station numbers start at 1.\r\n", line.number);
        return false;
    }
    vorn_weather_station* station = weather ? &weather_line_station(stations, line.number, log)
                                            : find_by_number(stations, line.number);
    if (!station) {
        log += format_printf("WARNING, station %d not found in table.  Import weather before wind.\r\n", line.number);
        return false;
    }
    if (weather && position_given(text)) {
        station->latitude = line.latitude;
        station->longitude = line.longitude;
    } else if (weather && !position_blank(text)) {
        // A list whose file names run into the position columns must not move its stations.
        log += format_printf("Weather station %d keeps its latitude and longitude: columns 20-34 of its line hold no "
                             "numbers.\r\n",
                             line.number);
    }
    return read_listed_file(*station, list_path, line, weather, log) && save_quietly(*station, db, log);
}

// Every line of the list, in one transaction: the first line that cannot be taken stops the
// import and nothing of it is stored.
bool import_station_list(database& db, const std::string& path, bool weather, std::string& log)
{
    line_reader list;
    const auto opened = list.open(path, log);
    if (opened == line_reader::open_result::missing)
        log += (weather ? "Unable to open weather station list file " : "Unable to open wind file ") + path + "\r\n";
    if (opened != line_reader::open_result::opened)
        return false;
    weather_station_list_class stations;
    if (!stations.load_station_list(db, weather_table().name, weather_by_month_table().name, log))
        return false;
    transaction work(db);
    int stored = 0;
    std::string raw;
    while (list.next_line(raw)) {
        const std::string_view text = without_line_end(raw);
        if (trim_copy(text).empty())
            continue;
        station_list_line line;
        const bool scanned = read_station_list_line(text, line);
        if (!scanned)
            log += "The line gives no station number and file name.\r\n";
        if (!scanned || !import_list_line(db, stations, path, text, line, weather, log)) {
            list.log_stop(log);
            log += "Nothing was imported from " + path + ".\r\n";
            return false;
        }
        ++stored;
    }
    log += format_printf(weather ? "Weather stations read: %d\r\n" : "Wind stations read: %d\r\n", stored);
    return work.commit(log);
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
