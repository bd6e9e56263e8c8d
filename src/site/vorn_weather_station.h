// A weather station: station-wide values and, per month, thirteen weather statistics, the
// average wind speed and the speed from sixteen directions. Embedded in every control record and
// held in the station list; stored in "Weather" and "Weather by Month"; imported from the model's
// weather and wind files and written as the monthly weather and wind files of each run.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/list_class.h"
#include "core/model_file_writer.h"
#include "store/field_binding.h"

namespace ivorn {

class database;
class line_reader;

constexpr int weather_months = 12;
constexpr int weather_monthly_columns = 30;
// The thirteen statistics of the monthly weather file come first, then [Average Velocity], then
// the sixteen direction columns N to NNW.
constexpr int weather_statistics = 13;
constexpr int average_velocity = 13;
constexpr int first_wind_direction = 14;
constexpr int wind_directions = 16;

class vorn_weather_station : public vorn_module {
public:
    using month_array = std::array<float, weather_months>;

    std::int32_t number = 0;
    std::string name;
    float latitude = 0.0f;
    float longitude = 0.0f;
    float elevation = 0.0f;
    float years_max_month_records = 0.0f;
    float wet_dry_probability_coefficient = 0.0f;
    float rain_distribution = 0.0f;
    float two_year_24_hour_rainfall = 0.0f;
    // monthly[column][m - 1] holds month m; columns in "Weather by Month" order.
    std::array<month_array, weather_monthly_columns> monthly{};

    void reset_station();

    // The monthly weather file and the wind file, from an opened reader. True when every line
    // was read; values read before a missing line stay.
    bool import_weather(line_reader& file, std::string& log);
    bool import_wind(line_reader& file, std::string& log);

    // The monthly weather file has a 16th line of average wind speeds for versions 806 and 1307.
    bool write_weather_file(const std::string& path, int vorn_version, line_end_style line_ends,
                            std::string& log) const;
    bool write_wind_file(const std::string& path, line_end_style line_ends, std::string& log) const;

    // `found` (when given) tells whether the station has its row in "Weather".
    bool load_station(database& db, std::int32_t station_number, std::string& log, bool* found = nullptr);
    // True only when a station of that name was found and its months could be read.
    bool load_station_by_name(database& db, const std::string& station_name, std::string& log);
    // Table names as the caller passes them ("Weather", "Weather by Month"; brackets allowed).
    bool save_station(database& db, std::string_view station_table, std::string_view month_table, std::string& log);

    binding_list station_bindings();
    // Month m (1 to 12) of every monthly column.
    binding_list month_bindings(int month);
    // Stores one "Weather by Month" row at its [Month]; false (with a message) outside 1 to 12.
    bool store_month_row(const recordset& row, std::string& log);
};

class weather_station_list_class : public typed_list<vorn_weather_station> {
public:
    bool load_station_list(database& db, std::string_view station_table, std::string_view month_table,
                           std::string& log);
    // The smallest number from 1 that no station carries; -1 when all below 2147483647 are used.
    std::int32_t next_free_number() const;
};

// Deletes the station's row and its month rows, reporting how many month rows went.
bool delete_station(database& db, const vorn_weather_station& station, std::string& log);

// The four station values that line 3 of the control file carries; an import holds them until
// the weather import stores them into the station.
struct station_control_values {
    float years_max_month_records = 0.0f;
    float wet_dry_probability_coefficient = 0.0f;
    float rain_distribution = 0.0f;
    float two_year_24_hour_rainfall = 0.0f;
};

// Fills the run's station from the model's weather and wind lists: the station of the given
// number, or with number 0 the one nearest the station's own latitude and longitude (the site's).
// The station keeps its number and name.
bool import_weather_and_wind(vorn_weather_station& station, const station_control_values& held,
                             int weather_station_number, int wind_station_number,
                             const std::string& weather_list_path, const std::string& wind_list_path,
                             std::string& log);

// One line of a weather or wind list file.
struct station_list_line {
    int number = 0;
    std::string file_name;
    float latitude = 0.0f;
    float longitude = 0.0f;
};
// False when the line has no number and file name.
bool read_station_list_line(std::string_view line, station_list_line& out);

} // namespace ivorn
