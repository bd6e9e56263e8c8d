// The station's reset and the station list's number allocation.
#include "site/vorn_weather_station.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace ivorn {

void vorn_weather_station::reset_station()
{
    number = 0;
    name.clear();
    latitude = longitude = elevation = 0.0f;
    years_max_month_records = wet_dry_probability_coefficient = 0.0f;
    rain_distribution = two_year_24_hour_rainfall = 0.0f;
    for (month_array& column : monthly)
        column.fill(0.0f);
}

std::int32_t weather_station_list_class::next_free_number() const
{
    std::vector<std::int32_t> used;
    used.reserve(count());
    for (const vorn_weather_station* station : *this) {
        if (station->number > 0)
            used.push_back(station->number);
    }
    std::sort(used.begin(), used.end());
    std::int32_t candidate = 1;
    for (const std::int32_t value : used) {
        if (value > candidate)
            break;
        if (value == candidate) {
            if (candidate == std::numeric_limits<std::int32_t>::max() - 1)
                return -1;
            ++candidate;
        }
    }
    return candidate;
}

} // namespace ivorn
