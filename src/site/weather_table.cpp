// Weather stations in the project database: one "Weather" row per station and one "Weather by
// Month" row per station and month, bound to the station's members by column name.
#include <unordered_map>

#include "core/text_utils.h"
#include "site/vorn_weather_station.h"
#include "site/weather_tables.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

constexpr size_t station_name_width = 25;
// "Weather by Month" columns before the thirty monthly ones: [ID] and [Month].
constexpr int month_first_value = 2;

record_filter station_filter(std::int32_t number)
{
    return filter_by("ID", field_value(std::int64_t{number}));
}

void load_station_row(vorn_weather_station& station, const recordset& row)
{
    load_bindings(row, station.station_bindings());
    station.name = cut_to_width(trim_copy(station.name), station_name_width);
}

// The month rows of station `number`, whether or not the station has its own row.
bool load_months(vorn_weather_station& station, database& db, std::int32_t number, std::string& log)
{
    recordset months;
    if (!months.open(db, weather_by_month_table(), station_filter(number), log, recordset::mode::read_only))
        return false;
    for (; !months.is_eof(); months.move_next())
        station.store_month_row(months, log);
    return true;
}

// The first row of the month table from the top whose [Month] is `month`, made current.
bool find_month_row(recordset& months, int month)
{
    for (months.move_first(); !months.is_eof(); months.move_next()) {
        if (months.get_integer("Month") == month)
            return true;
    }
    return false;
}

} // namespace

binding_list vorn_weather_station::station_bindings()
{
    return {
        {"ID", &number},
        {"Name", &name},
        {"Latitude", &latitude},
        {"Longitude", &longitude},
        {"Elevation", &elevation},
        {"Years Max Month Records", &years_max_month_records},
        {"Wet Dry Probability Coefficient", &wet_dry_probability_coefficient},
        {"Rain Distribution", &rain_distribution},
        {"Two Year 24 Hour Rainfall", &two_year_24_hour_rainfall},
    };
}

binding_list vorn_weather_station::month_bindings(int month)
{
    const auto& columns = weather_by_month_table().columns;
    binding_list bindings;
    bindings.reserve(weather_monthly_columns);
    for (int column = 0; column < weather_monthly_columns; ++column) {
        bindings.push_back({columns[static_cast<size_t>(month_first_value + column)].name,
                            &monthly[static_cast<size_t>(column)][static_cast<size_t>(month - 1)]});
    }
    return bindings;
}

bool vorn_weather_station::store_month_row(const recordset& row, std::string& log)
{
    const std::int64_t month = row.get_integer("Month");
    if (month < 1 || month > weather_months) {
        log += format_printf("Weather station %d month %lld lies outside 1 to 12; the month was skipped.\r\n", number,
                             static_cast<long long>(month));
        return false;
    }
    load_bindings(row, month_bindings(static_cast<int>(month)));
    return true;
}

bool vorn_weather_station::load_station(database& db, std::int32_t station_number, std::string& log, bool* found)
{
    reset_station();
    if (found)
        *found = false;
    recordset stations;
    if (!stations.open(db, weather_table(), station_filter(station_number), log, recordset::mode::read_only))
        return false;
    if (found)
        *found = !stations.is_eof();
    if (!stations.is_eof()) {
        if (stations.current_row().empty()) {
            log += "ERROR: read_weather by id fails.\r\n";
            return false;
        }
        load_station_row(*this, stations);
    }
    // Without a row the station stays reset (number 0), but its months are still those of the
    // number asked for: station 0's months would otherwise be stored under this number.
    return load_months(*this, db, station_number, log);
}

bool vorn_weather_station::load_station_by_name(database& db, const std::string& station_name, std::string& log)
{
    reset_station();
    recordset stations;
    if (!stations.open(db, weather_table(), filter_by("Name", field_value(station_name)), log,
                       recordset::mode::read_only))
        return false;
    if (stations.is_eof())
        return false;
    load_station_row(*this, stations);
    return load_months(*this, db, number, log);
}

bool vorn_weather_station::save_station(database& db, std::string_view station_table, std::string_view month_table,
                                        std::string& log)
{
    recordset stations;
    if (!stations.open(db, station_table, station_filter(number), log))
        return false;
    if (stations.is_eof())
        stations.add_new();
    else
        stations.edit();
    save_bindings(stations, station_bindings());
    if (!stations.update(log))
        return false;

    recordset months;
    if (!months.open(db, month_table, station_filter(number), log))
        return false;
    for (int month = 1; month <= weather_months; ++month) {
        if (find_month_row(months, month)) {
            months.edit();
        } else {
            months.add_new();
            log += format_printf("Weather month %d created\r\n", month);
        }
        months.set("ID", field_value(std::int64_t{number}));
        months.set("Month", field_value(std::int64_t{month}));
        save_bindings(months, month_bindings(month));
        if (!months.update(log))
            return false;
    }
    return true;
}

bool weather_station_list_class::load_station_list(database& db, std::string_view station_table,
                                                   std::string_view month_table, std::string& log)
{
    recordset stations;
    std::string failure;
    if (!stations.open(db, station_table, {}, failure, recordset::mode::read_only)) {
        log = failure;
        return false;
    }
    // Month rows go to the first station of their number, as a search from the head finds it.
    std::unordered_map<std::int32_t, vorn_weather_station*> by_number;
    for (; !stations.is_eof(); stations.move_next()) {
        auto station = std::make_unique<vorn_weather_station>();
        load_station_row(*station, stations);
        by_number.emplace(station->number, station.get());
        add(std::move(station));
    }
    recordset months;
    if (!months.open(db, month_table, {}, failure, recordset::mode::read_only)) {
        log = failure;
        return false;
    }
    for (; !months.is_eof(); months.move_next()) {
        const auto id = static_cast<std::int32_t>(months.get_integer("ID"));
        const auto found = by_number.find(id);
        if (found == by_number.end()) {
            log += format_printf("Weather monthly record has no corresponding station: %d\r\n", id);
            continue;
        }
        found->second->store_month_row(months, log);
    }
    return true;
}

bool delete_station(database& db, const vorn_weather_station& station, std::string& log)
{
    recordset stations;
    if (!stations.open(db, weather_table(), station_filter(station.number), log))
        return false;
    if (!stations.is_eof() && !stations.delete_current(log))
        return false;
    const long long months_deleted = delete_rows(db, weather_by_month_table(), station_filter(station.number), log);
    if (months_deleted < 0)
        return false;
    log += format_printf("Deleted %s weather stations and %d months(s).\r\n", station.name.c_str(),
                         static_cast<int>(months_deleted));
    return true;
}

} // namespace ivorn
