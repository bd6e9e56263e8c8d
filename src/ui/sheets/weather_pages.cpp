// "Weather", pages "VORN Weather" (the station values), "VORN Weather" (the thirteen statistics
// of every month) and "VORN Wind" (the average wind speed and the sixteen directions of every
// month, each row headed by its direction button). Monthly values are bound once per month.
#include "sheets/weather_sheet.h"

#include "site/vorn_weather_station.h"
#include "site/weather_tables.h"
#include "widgets/wind_direction_button.h"

namespace ivorn {

namespace {

// The first monthly value's position in "Weather by Month", after [ID] and [Month].
constexpr size_t first_monthly_column = 2;

const std::vector<std::string>& month_headings()
{
    static const std::vector<std::string> headings = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return headings;
}

// Rows `first` to `first + count - 1` of the monthly columns, twelve months each.
field_group month_grid(const char* caption, int first, int count, std::vector<std::string> row_labels)
{
    const auto& columns = weather_by_month_table().columns;
    field_group group{caption, {}, 1, {month_headings(), std::move(row_labels), nullptr}};
    for (int row = 0; row < count; ++row) {
        const std::string& column = columns[first_monthly_column + static_cast<size_t>(first + row)].name;
        for (int month = 1; month <= weather_months; ++month)
            group.fields.push_back({column, column + ", " + month_headings()[static_cast<size_t>(month - 1)],
                                    editor_kind::real, nullptr, {}, element_binding_name(column, month)});
    }
    return group;
}

sheet_description build()
{
    sheet_description sheet{"Weather", &weather_table(), {}};
    sheet.pages.push_back({"VORN Weather",
                           {{"Station",
                             {{"Name", "Name", editor_kind::text, nullptr, "Station Name"},
                              {"Latitude", "Latitude (degrees)", editor_kind::real, nullptr, "Station Latitude"},
                              {"Longitude", "Longitude (degrees, west negative)", editor_kind::real, nullptr,
                               "Station Longitude"},
                              {"Elevation", "Elevation", editor_kind::real, nullptr, "Station Elevation"}}},
                            {"Control file values",
                             {{"Years Max Month Records", "Years of maximum monthly rainfall records"},
                              {"Wet Dry Probability Coefficient", "Wet-dry probability coefficient"},
                              {"Rain Distribution", "Rain distribution"},
                              {"Two Year 24 Hour Rainfall", "Two-year 24-hour rainfall"}}}}});
    std::vector<std::string> statistics;
    for (int row = 0; row < weather_statistics; ++row)
        statistics.push_back(weather_by_month_table().columns[first_monthly_column + static_cast<size_t>(row)].name);
    sheet.pages.push_back(
        {"VORN Weather", {month_grid("Monthly statistics", 0, weather_statistics, statistics)}, &weather_by_month_table()});
    std::vector<std::string> directions;
    for (int index = 0; index < wind_direction_count; ++index)
        directions.push_back(wind_direction_label(index));
    field_group wind = month_grid("Wind velocity", average_velocity, 1 + wind_directions, directions);
    wind.grid.row_header = [](int row, const std::string&, QWidget* parent) -> QWidget* {
        return new button_wind_direction(row, parent);
    };
    sheet.pages.push_back({"VORN Wind", {wind}, &weather_by_month_table()});
    return sheet;
}

} // namespace

const sheet_description& weather_sheet()
{
    static const sheet_description sheet = build();
    return sheet;
}

binding_list weather_sheet_bindings(vorn_weather_station& station)
{
    binding_list bindings = station.station_bindings();
    for (int month = 1; month <= weather_months; ++month) {
        for (field_binding& binding : station.month_bindings(month))
            bindings.push_back({element_binding_name(binding.column, month), binding.member});
    }
    return bindings;
}

} // namespace ivorn
