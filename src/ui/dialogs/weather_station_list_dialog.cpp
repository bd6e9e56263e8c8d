// The weather station choice of the form view's Select button and Select / Weather Station.
#include "dialogs/weather_station_list_dialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "sheets/weather_sheet.h"
#include "site/vorn_weather_station.h"

namespace ivorn {

namespace {

QString station_line(std::int32_t number, const std::string& name)
{
    return QString::asprintf("%ld ", static_cast<long>(number)) + QString::fromStdString(name);
}

} // namespace

dialog_weather_station_list::dialog_weather_station_list(QWidget* parent, database& db, std::int32_t current,
                                                         const list_field_help& help, std::string& log)
    : QDialog(parent), db_(db), help_(help)
{
    setWindowTitle(tr("Weather Stations"));
    list_ = new QListWidget(this);
    weather_station_list_class stations;
    stations.load_station_list(db, "Weather", "Weather by Month", log);
    for (const vorn_weather_station* station : stations) {
        list_->addItem(station_line(station->number, station->name));
        numbers_.push_back(station->number);
        if (station->number == current)
            list_->setCurrentRow(list_->count() - 1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* select = buttons->addButton(tr("Select"), QDialogButtonBox::AcceptRole);
    select->setDefault(true);
    QPushButton* edit = buttons->addButton(tr("Edit"), QDialogButtonBox::ActionRole);
    edit->setObjectName(QStringLiteral("edit"));
    connect(edit, &QPushButton::clicked, this, [this] { edit_chosen(); });
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

bool dialog_weather_station_list::edited(std::int32_t number) const
{
    return std::find(edited_.begin(), edited_.end(), number) != edited_.end();
}

bool dialog_weather_station_list::edit_chosen()
{
    std::int32_t number = 0;
    if (!chosen(number))
        return false;
    std::string log;
    if (!edit_stored_station(this, db_, number, help_, log)) {
        if (!log.empty())
            QMessageBox::warning(this, windowTitle(), QString::fromStdString(log));
        return false;
    }
    edited_.push_back(number);
    vorn_weather_station station;
    log.clear();
    if (station.load_station(db_, number, log))
        list_->currentItem()->setText(station_line(number, station.name));
    return true;
}

} // namespace ivorn
