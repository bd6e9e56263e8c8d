// The New Record dialog.
#include "dialogs/new_record_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include <climits>

#include "widgets/numeric_edits.h"

namespace ivorn {
namespace {

// A number typed beyond a record ID's range reads as 0, which no record may carry.
std::int32_t id_value(long_integer_edit* edit)
{
    const long value = edit->get_value();
    return value < INT_MIN || value > INT_MAX ? 0 : static_cast<std::int32_t>(value);
}

} // namespace

dialog_new_record::dialog_new_record(QWidget* parent, const new_record_answer& proposed) : QDialog(parent)
{
    setWindowTitle(tr("New Record"));
    record_id = new long_integer_edit(this);
    record_id->set_value(proposed.record_id);
    station_id = new long_integer_edit(this);
    station_id->set_value(proposed.station_id);
    station_name = new QLineEdit(QString::fromStdString(proposed.station_name), this);
    station_name->setMaxLength(25);
    auto* soil_id = new long_integer_edit(this);
    auto* soil_name = new QLineEdit(this);
    soil_id->setEnabled(false);
    soil_name->setEnabled(false);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Record ID"), record_id);
    form->addRow(tr("Weather Station ID:"), station_id);
    form->addRow(tr("Weather Station Name:"), station_name);
    form->addRow(tr("Soil ID"), soil_id);
    form->addRow(tr("Soil Name"), soil_name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    setMinimumWidth(360);
}

new_record_answer dialog_new_record::answer() const
{
    new_record_answer result;
    result.record_id = id_value(record_id);
    result.station_id = id_value(station_id);
    result.station_name = station_name->text().toStdString();
    return result;
}

} // namespace ivorn
