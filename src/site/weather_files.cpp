// The model's monthly weather and wind files, read on import and written for every run, and the
// weather and wind list files that lead a control-file import to them.
#include <cstdio>

#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "site/list_file_lines.h"
#include "site/real_columns.h"
#include "site/vorn_weather_station.h"

namespace ivorn {
namespace {

constexpr int value_width = 6;
constexpr int header_lines = 2;

// Decimals of each monthly column as the files print it ("%*.*f" at width 6), table order.
const int monthly_decimals[weather_monthly_columns] = {
    2, 2, 2, 2, 1, 1, 2, 3, 3, 2, 1, 1, 2, // the thirteen weather statistics
    2,                                     // average velocity
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, // N to NNW
};

std::string month_line(const vorn_weather_station::month_array& values, int decimals)
{
    std::string line;
    for (const float value : values)
        line += format_printf("%*.*f", value_width, decimals, static_cast<double>(value));
    return line + "\n";
}

// Reads the two ignored lines, then one line into each column from `first_column` on. A number
// no single float holds stops the read (noted in `overflow`) rather than pass for a 0.
bool read_month_lines(vorn_weather_station& station, line_reader& file, int first_column, int column_count,
                      field_overflow& overflow)
{
    std::string raw;
    for (int i = 0; i < header_lines; ++i) {
        if (!file.next_line(raw))
            return false;
    }
    for (int column = first_column; column < first_column + column_count; ++column) {
        if (!file.next_line(raw))
            return false;
        const std::string_view line = without_line_end(raw);
        auto& values = station.monthly[static_cast<size_t>(column)];
        for (int m = 1; m <= weather_months; ++m) {
            bool out_of_range = false;
            values[static_cast<size_t>(m - 1)] = real_from_columns(line, value_width * m - 5, value_width * m, out_of_range);
            if (out_of_range) {
                overflow.first = value_width * m - 5;
                overflow.last = value_width * m;
                return false;
            }
        }
    }
    return true;
}

bool read_station_file(vorn_weather_station& station, line_reader& file, int first_column, int column_count,
                       const char* read_error, std::string& log)
{
    field_overflow overflow;
    if (read_month_lines(station, file, first_column, column_count, overflow))
        return true;
    if (overflow.found()) {
        log += overflow.message(file.path(), file.line_number());
        return false;
    }
    log += read_error;
    file.log_missing_line(log);
    return false;
}

bool write_lines(const std::string& path, line_end_style line_ends, const std::string& text,
                 const std::string& open_failure, std::string& log)
{
    model_file_writer file;
    if (!file.open(path, line_ends)) {
        log += open_failure;
        return false;
    }
    file.write(text);
    if (!file.close()) {
        log += "Unable to write " + path + "\r\n";
        return false;
    }
    return true;
}

double squared_distance(double site_latitude, double site_longitude, const station_list_line& line)
{
    const double line_longitude = line.longitude < 0.0f ? line.longitude + 360.0 : line.longitude;
    const double site_east = site_longitude < 0.0 ? site_longitude + 360.0 : site_longitude;
    const double d_longitude = site_east - line_longitude;
    const double d_latitude = site_latitude - line.latitude;
    return d_longitude * d_longitude + d_latitude * d_latitude;
}

// The list line chosen: by number, or with number 0 the nearest to the site. Lines of 33
// characters or fewer cannot hold a position and take no part in the nearest choice.
bool choose_list_line(line_reader& list, int wanted, double site_latitude, double site_longitude,
                      station_list_line& chosen)
{
    constexpr size_t shortest_positioned_line = 34;
    double nearest = 1e20;
    bool found = false;
    std::string raw;
    while (list.next_line(raw)) {
        const std::string_view line = without_line_end(raw);
        station_list_line candidate;
        if (wanted != 0) {
            if (read_station_list_line(line, candidate) && candidate.number == wanted) {
                chosen = candidate;
                return true;
            }
            continue;
        }
        if (line.size() < shortest_positioned_line || !read_station_list_line(line, candidate))
            continue;
        const double distance = squared_distance(site_latitude, site_longitude, candidate);
        if (distance < nearest) {
            nearest = distance;
            chosen = candidate;
            found = true;
        }
    }
    return found;
}

struct station_file_kind {
    const char* list_open_failure;
    const char* not_found;
    const char* file_open_failure;
    bool (vorn_weather_station::*import)(line_reader&, std::string&);
};

const station_file_kind weather_kind = {"Cannot open weatherlist file\n", "Cannot find weather station\n",
                                        "Cannot open weather file\n", &vorn_weather_station::import_weather};
const station_file_kind wind_kind = {"Cannot open windlist file\n", "Cannot find wind station",
                                     "Cannot open wind file\n", &vorn_weather_station::import_wind};

bool import_listed_station(vorn_weather_station& station, const station_file_kind& kind, int wanted,
                           const std::string& list_path, std::string& log)
{
    line_reader list;
    if (list.open(list_path, log) != line_reader::open_result::opened) {
        log += kind.list_open_failure;
        return false;
    }
    station_list_line chosen;
    if (!choose_list_line(list, wanted, station.latitude, station.longitude, chosen)) {
        log += kind.not_found;
        return false;
    }
    line_reader file;
    if (file.open(listed_file_path(list_path, chosen.file_name, log), log) != line_reader::open_result::opened) {
        log += kind.file_open_failure;
        return false;
    }
    // A file cut short would leave the months it lacks at zero, or at another station's values.
    return (station.*kind.import)(file, log);
}

} // namespace

bool read_station_list_line(std::string_view line, station_list_line& out)
{
    if (!scan_number_and_name(line, out.number, out.file_name))
        return false;
    read_float_field(line, 20, 26, out.latitude);
    read_float_field(line, 28, 34, out.longitude);
    return true;
}

bool vorn_weather_station::import_weather(line_reader& file, std::string& log)
{
    return read_station_file(*this, file, 0, weather_statistics, "Read error in vorn_weather::import_weather\r\n", log);
}

bool vorn_weather_station::import_wind(line_reader& file, std::string& log)
{
    return read_station_file(*this, file, average_velocity, 1 + wind_directions,
                             "Read error in vorn_weather_station::import_wind\r\n", log);
}

bool vorn_weather_station::write_weather_file(const std::string& path, int vorn_version, line_end_style line_ends,
                                              std::string& log) const
{
    std::string text = "\n\n";
    for (int column = 0; column < weather_statistics; ++column)
        text += month_line(monthly[static_cast<size_t>(column)], monthly_decimals[column]);
    if (vorn_version == 806 || vorn_version == 1307)
        text += month_line(monthly[average_velocity], monthly_decimals[average_velocity]);
    return write_lines(path, line_ends, text, "Cannot open weatherfile\n", log);
}

bool vorn_weather_station::write_wind_file(const std::string& path, line_end_style line_ends, std::string& log) const
{
    std::string text = "\n\n";
    for (int column = average_velocity; column < first_wind_direction + wind_directions; ++column)
        text += month_line(monthly[static_cast<size_t>(column)], monthly_decimals[column]);
    return write_lines(path, line_ends, text, "Unable to open wind file " + path + "\r\n", log);
}

bool import_weather_and_wind(vorn_weather_station& station, const station_control_values& held,
                             int weather_station_number, int wind_station_number,
                             const std::string& weather_list_path, const std::string& wind_list_path,
                             std::string& log)
{
    station.years_max_month_records = held.years_max_month_records;
    station.wet_dry_probability_coefficient = held.wet_dry_probability_coefficient;
    station.rain_distribution = held.rain_distribution;
    station.two_year_24_hour_rainfall = held.two_year_24_hour_rainfall;
    return import_listed_station(station, weather_kind, weather_station_number, weather_list_path, log)
           && import_listed_station(station, wind_kind, wind_station_number, wind_list_path, log);
}

} // namespace ivorn
