// dialog_weather_station_list ("Weather Stations"): the stations of the "Weather" table, one line
// "%ld %s" each; Select (or OK) returns the chosen station's number, Edit opens the weather sheet
// on it and stores it.
#pragma once

#include <QDialog>

#include <cstdint>
#include <vector>

class QListWidget;

namespace ivorn {

class database;
class list_field_help;

class dialog_weather_station_list : public QDialog {
    Q_OBJECT
public:
    // Reads the stations; a table that cannot be read leaves the list empty and `log` says why.
    dialog_weather_station_list(QWidget* parent, database& db, std::int32_t current, const list_field_help& help,
                                std::string& log);
    // False when no line is chosen.
    bool chosen(std::int32_t& number) const;
    QListWidget* stations() const { return list_; }
    // True when Edit stored this station while the dialog was open.
    bool edited(std::int32_t number) const;
    // Edit on the chosen line; false on Cancel or a failure (shown).
    bool edit_chosen();

private:
    database& db_;
    const list_field_help& help_;
    QListWidget* list_;
    std::vector<std::int32_t> numbers_;
    std::vector<std::int32_t> edited_;
};

} // namespace ivorn
