// The weather station tables: "Weather" (one row per station), "Weather by Month" (twelve rows
// per station) and "Daily Weather Filenames" (the daily weather files a run may use).
#pragma once

#include "store/table_description.h"

namespace ivorn {

const table_description& weather_table();
const table_description& weather_by_month_table();
const table_description& daily_weather_filenames_table();

} // namespace ivorn
