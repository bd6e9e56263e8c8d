// The weather sheet over one station, and opening it on the current control record's station
// (OK marks the record modified) or on a station of the station list (OK stores the station).
#pragma once

#include <string>

#include "sheets/page_description.h"
#include "store/field_binding.h"

class QWidget;

namespace ivorn {

class control_record;
class database;
class list_field_help;
class vorn_weather_station;

// "Weather": the station values, the twelve months of statistics, the wind.
const sheet_description& weather_sheet();
// The station's members and each month's values bound as "COLUMN#MONTH".
binding_list weather_sheet_bindings(vorn_weather_station& station);

// True (and the record marked modified) on OK.
bool edit_weather(QWidget* parent, control_record& record, const list_field_help& help);
// The stored station `number` in the sheet; on OK stored in one transaction. False on Cancel, or
// when the station cannot be read or stored (`log` says why; nothing is stored then).
bool edit_stored_station(QWidget* parent, database& db, std::int32_t number, const list_field_help& help,
                         std::string& log);

} // namespace ivorn
