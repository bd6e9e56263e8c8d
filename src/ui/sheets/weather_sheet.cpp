// Opening the weather sheet: on the current record's own station, or on a stored station of the
// station list, which is stored at once.
#include "sheets/weather_sheet.h"

#include "sheets/property_sheet.h"
#include "site/control_record.h"
#include "site/vorn_weather_station.h"
#include "store/database.h"

namespace ivorn {

bool edit_weather(QWidget* parent, control_record& record, const list_field_help& help)
{
    property_sheet dialog(parent, weather_sheet(), weather_sheet_bindings(record.weather_station), help);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    record.modified = true;
    return true;
}

bool edit_stored_station(QWidget* parent, database& db, std::int32_t number, const list_field_help& help,
                         std::string& log)
{
    vorn_weather_station station;
    bool found = false;
    if (!station.load_station(db, number, log, &found))
        return false;
    if (!found) {
        log += "The weather station " + std::to_string(number) + " is no longer stored.\r\n";
        return false;
    }
    property_sheet dialog(parent, weather_sheet(), weather_sheet_bindings(station), help);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    transaction work(db);
    if (!work.begun()) {
        log += work.failure();
        return false;
    }
    // A month row the save creates is reported, but it is no failure.
    std::string created;
    if (!station.save_station(db, "Weather", "Weather by Month", created)) {
        log += created;
        return false;
    }
    return work.commit(log);
}

} // namespace ivorn
