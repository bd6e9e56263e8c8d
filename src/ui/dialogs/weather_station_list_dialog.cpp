// The weather station choice of the form view's Select button and Select / Weather Station.
#include "dialogs/weather_station_list_dialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "site/vorn_weather_station.h"

namespace ivorn {

dialog_weather_station_list::dialog_weather_station_list(QWidget* parent, database& db, std::int32_t current,
                                                         std::string& log)
    : QDialog(parent)
{
    setWindowTitle(tr("Weather Stations"));
    list_ = new QListWidget(this);
    weather_station_list_class stations;
    stations.load_station_list(db, "Weather", "Weather by Month", log);
    for (const vorn_weather_station* station : stations) {
        list_->addItem(QString::asprintf("%ld ", static_cast<long>(station->number))
                       + QString::fromStdString(station->name));
        numbers_.push_back(station->number);
        if (station->number == current)
            list_->setCurrentRow(list_->count() - 1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(360, 420);
}

bool dialog_weather_station_list::chosen(std::int32_t& number) const
{
    const int row = list_->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= numbers_.size())
        return false;
    number = numbers_[static_cast<size_t>(row)];
    return true;
}

} // namespace ivorn
