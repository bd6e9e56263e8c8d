// Column layouts of the three weather tables. The thirty monthly columns follow the lines of the
// monthly weather file and the wind file, so the station's arrays can be walked in table order.
#include "site/weather_tables.h"

namespace ivorn {

namespace {

table_description build_weather()
{
    table_builder t("Weather");
    t.long_col("ID")
        .text_col("Name", 25)
        .singles({"Latitude", "Longitude", "Elevation", "Years Max Month Records",
                  "Wet Dry Probability Coefficient", "Rain Distribution",
                  "Two Year 24 Hour Rainfall"})
        .primary_key({"ID"});
    return t.build();
}

table_description build_weather_by_month()
{
    table_builder t("Weather by Month");
    t.long_col("ID")
        .short_col("Month")
        .singles({"Air Temperature Average Max", "Air Temperature Average Min",
                  "Air Temperature STD Max", "Air Temperature STD Min", "Precipitation Average",
                  "Precipitation STD", "Precipitation Skew Coefficient", "Probability Dry Wet",
                  "Probability Wet Wet", "Rain Days Average", "Rain Half Max", "Solar Radiation",
                  "Relative Humidity", "Average Velocity"});
    for (const char* direction : {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE", "S", "SSW",
                                  "SW", "WSW", "W", "WNW", "NW", "NNW"})
        t.single_col(std::string("Wind Velocity ") + direction);
    return t.build();
}

table_description build_daily_weather_filenames()
{
    table_builder t("Daily Weather Filenames");
    t.short_col("Daily Weather Number")
        .text_col("Daily Weather Filename", 255)
        .singles({"Longitude", "Latitude"});
    return t.build();
}

} // namespace

const table_description& weather_table()
{
    static const table_description table = build_weather();
    return table;
}

const table_description& weather_by_month_table()
{
    static const table_description table = build_weather_by_month();
    return table;
}

const table_description& daily_weather_filenames_table()
{
    static const table_description table = build_daily_weather_filenames();
    return table;
}

} // namespace ivorn
