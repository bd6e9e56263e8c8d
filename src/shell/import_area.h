// The area-study import commands (soil, weather, wind, weather links): each reads the model's own data file
// into the open project database in one transaction, shows its log in the error list and
// refreshes the views. The file chooser stays with the caller, which passes the chosen path.
#pragma once

#include <functional>
#include <string>

#include "store/database.h"

namespace ivorn {

class user_interface;

// Runs after the import has landed and before its log is shown and the views are refreshed: the
// caller brings what it holds (the current record) up to date, adding to the same log.
using after_import = std::function<void(std::string& log)>;

// One soil from a soil file, stored under the smallest free soil ID with its layers. The log
// ends with "Soils read: N" (1, or 0 when the file could not be read). True when a soil was stored.
bool import_soil_file(database& db, const std::string& path, user_interface& ui, std::string& log);

// The weather station list file, in one transaction: each line's monthly weather file goes into
// the station of the line's number with the line's latitude and longitude. A station of that
// number already stored is updated in place (the log says so); a new one is named "Weather
// Station N". The first line that cannot be taken stops the import with its file and line, and
// nothing is stored. The caller reloads the current record's station in `after`.
bool import_weather_file(database& db, const std::string& path, user_interface& ui, std::string& log,
                         const after_import& after = {});
// The wind list file, likewise: each line's wind file goes into the station of its number, which
// a weather import must have stored first.
bool import_wind_file(database& db, const std::string& path, user_interface& ui, std::string& log,
                      const after_import& after = {});
// Import Weather Links, in one transaction: each line of the weather link file (after its first)
// links the control records of its State FIPS, County FIPS, HUC and MLRA to the weather station of
// its name. A record no line matches keeps its station; a matched name that no station carries is
// logged and changes nothing. The log ends with the counts of records linked and kept and of names
// not found. A line that stops the reading stores nothing. True when the whole file was read and
// every matched name was found.
bool import_weather_links(database& db, const std::string& path, user_interface& ui, std::string& log,
                          const after_import& after = {});

} // namespace ivorn
