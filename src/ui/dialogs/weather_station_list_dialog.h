// dialog_weather_station_list ("Weather Stations"): the stations of the "Weather" table, one line
// "%ld %s" each; OK returns the chosen station's number.
#pragma once

#include <QDialog>

#include <cstdint>
#include <vector>

class QListWidget;

namespace ivorn {

class database;

class dialog_weather_station_list : public QDialog {
    Q_OBJECT
public:
    // Reads the stations; a table that cannot be read leaves the list empty and `log` says why.
    dialog_weather_station_list(QWidget* parent, database& db, std::int32_t current, std::string& log);
    // False when no line is chosen.
    bool chosen(std::int32_t& number) const;
    QListWidget* stations() const { return list_; }

private:
    QListWidget* list_;
    std::vector<std::int32_t> numbers_;
};

} // namespace ivorn
