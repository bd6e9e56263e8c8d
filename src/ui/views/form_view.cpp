// The form view of the current control record.
#include "views/form_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

#include "shell/doc_i_vorn.h"
#include "site/control_record_table.h"
#include "widgets/numeric_edits.h"

namespace ivorn {
namespace {

// A text editor never takes more than its column holds: the store would refuse the record at the
// next move and keep the user on it with an error instead.
int column_size(const char* column, int fallback)
{
    const column_description* described = control_records_table().column(column);
    return described && described->text_size > 0 ? described->text_size : fallback;
}

// The record's integer columns are 32 bits; a longer number reads as 0, as text that is no
// number does, rather than wrapping into another value.
int int_value(long value)
{
    return value < INT_MIN || value > INT_MAX ? 0 : static_cast<int>(value);
}

QString text_of(const std::string& text) { return QString::fromStdString(text); }

} // namespace

const char* const view_control_record::erosion_equations[6] = {
    "MUST MUSL Theoretical", "AOF Onstad-Foster", "USLE", "Small watershed MUSLE", "MUSLE modified USLE",
    "MUSI MUSLE"};

view_control_record::view_control_record(doc_i_vorn& doc, QWidget* parent) : QWidget(parent), doc_(doc)
{
    build_fields();
    connect_edits();
    show_record_values();
}

void view_control_record::build_fields()
{
    id = new long_integer_edit(this);
    description = new QLineEdit(this);
    description->setMaxLength(column_size("Description", 80));
    state_fips = new integer_edit(this);
    county_fips = new integer_edit(this);
    mlra = new QLineEdit(this);
    mlra->setMaxLength(std::min(8, column_size("MLRA", 8)));
    nri_pointer = new long_integer_edit(this);
    huc = new long_integer_edit(this);
    psu = new QLineEdit(this);
    psu->setMaxLength(column_size("PSU", 25));
    point = new integer_edit(this);
    for (integer_edit*& edit : run_attribute)
        edit = new integer_edit(this);
    erosion_equation = new QComboBox(this);
    for (const char* choice : erosion_equations)
        erosion_equation->addItem(QString::fromLatin1(choice));
    weather_station = new QLineEdit(this);
    weather_station->setReadOnly(true);
    subareas = new QListWidget(this);
    position = new QLabel(this);
    select_button = new QPushButton(tr("Select"), this);
    edit_button = new QPushButton(tr("Edit"), this);
    run_header_button = new QPushButton(tr("Run Header"), this);
    parameters_button = new QPushButton(tr("Parameters"), this);
    connect(select_button, &QPushButton::clicked, this, &view_control_record::select_weather_station);

    auto* fields = new QGridLayout;
    auto add = [&](int row, int column, const QString& label, QWidget* editor) {
        auto* caption = new QLabel(label, this);
        caption->setBuddy(editor);
        fields->addWidget(caption, row, column * 2);
        fields->addWidget(editor, row, column * 2 + 1);
    };
    add(0, 0, tr("ID"), id);
    add(0, 1, tr("Point"), point);
    fields->addWidget(new QLabel(tr("Description"), this), 1, 0);
    fields->addWidget(description, 1, 1, 1, 3);
    add(2, 0, tr("State FIPS"), state_fips);
    add(2, 1, tr("County FIPS"), county_fips);
    add(3, 0, tr("MLRA"), mlra);
    add(3, 1, tr("HUC"), huc);
    add(4, 0, tr("NRI Pointer"), nri_pointer);
    add(4, 1, tr("PSU"), psu);
    add(5, 0, tr("Run Attribute 1"), run_attribute[0]);
    add(5, 1, tr("Run Attribute 2"), run_attribute[1]);
    add(6, 0, tr("Run Attribute 3"), run_attribute[2]);
    add(6, 1, tr("Erosion equation"), erosion_equation);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    auto* station = new QGroupBox(tr("Weather Station"), this);
    auto* station_row = new QHBoxLayout(station);
    station_row->addWidget(weather_station, 1);
    station_row->addWidget(select_button);
    station_row->addWidget(edit_button);

    auto* subarea_box = new QGroupBox(tr("Subareas"), this);
    auto* subarea_layout = new QVBoxLayout(subarea_box);
    subarea_layout->addWidget(subareas);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(position, 1);
    buttons->addWidget(run_header_button);
    buttons->addWidget(parameters_button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(station);
    layout->addWidget(subarea_box, 1);
    layout->addLayout(buttons);

    identification_ = {id, description, state_fips, county_fips, mlra, nri_pointer, huc, psu, point,
                       run_attribute[0], run_attribute[1], run_attribute[2], erosion_equation, select_button,
                       edit_button, run_header_button, parameters_button};
}

void view_control_record::connect_edits()
{
    // textEdited, not textChanged: only the user's typing marks the record, never filling it.
    for (QLineEdit* edit : {static_cast<QLineEdit*>(id), description, static_cast<QLineEdit*>(state_fips),
                            static_cast<QLineEdit*>(county_fips), mlra, static_cast<QLineEdit*>(nri_pointer),
                            static_cast<QLineEdit*>(huc), psu, static_cast<QLineEdit*>(point),
                            static_cast<QLineEdit*>(run_attribute[0]), static_cast<QLineEdit*>(run_attribute[1]),
                            static_cast<QLineEdit*>(run_attribute[2])})
        connect(edit, &QLineEdit::textEdited, this, &view_control_record::mark_edited);
    connect(erosion_equation, &QComboBox::activated, this, &view_control_record::mark_edited);
}

void view_control_record::mark_edited()
{
    if (filling_)
        return;
    control_record* record = doc_.current_record();
    if (!record || !doc_.current_entry())
        return;
    edited_ = true;
    record->modified = true;
    Q_EMIT record_modified();
}

void view_control_record::set_identification_enabled(bool enabled)
{
    for (QWidget* widget : identification_)
        widget->setEnabled(enabled);
}

void view_control_record::show_record_values()
{
    filling_ = true;
    edited_ = false;
    const control_record* record = doc_.current_record();
    const control_record_description* entry = doc_.current_entry();
    subareas->clear();
    if (!record || !entry) {
        // Without a database there is no file to speak of.
        position->setText(doc_.is_open() ? QStringLiteral("No records in file") : QString());
        for (QLineEdit* edit : findChildren<QLineEdit*>())
            edit->clear();
        erosion_equation->setCurrentIndex(-1);
        set_identification_enabled(false);
        filling_ = false;
        return;
    }
    set_identification_enabled(true);
    if (doc_.record_list().loaded)
        position->setText(QString::asprintf("Record: %ld of %ld", entry->position,
                                            static_cast<long>(doc_.record_list().count())));
    else
        position->setText(QString::asprintf("Record: %ld", entry->position));
    description->setText(text_of(record->description));
    weather_station->setText(text_of(record->weather_station.name));
    mlra->setText(text_of(record->mlra));
    huc->set_value(record->huc);
    psu->setText(text_of(record->psu));
    point->set_value(record->point);
    nri_pointer->set_value(record->nriptr);
    state_fips->set_value(record->state_fips);
    county_fips->set_value(record->county_fips);
    id->set_value(record->id);
    for (int i = 0; i < 3; ++i)
        run_attribute[i]->set_value(record->run_attribute[i]);
    const int equation = static_cast<int>(record->erosion_equation);
    erosion_equation->setCurrentIndex(equation >= 0 && equation < 6 ? equation : -1);
    for (const vorn_subarea* subarea : record->subareas) {
        auto* line = new QListWidgetItem(QString::asprintf("%ld", static_cast<long>(subarea->subarea_number)), subareas);
        line->setData(Qt::UserRole, static_cast<qlonglong>(subarea->subarea_number));
    }
    filling_ = false;
}

void view_control_record::store_form_values()
{
    control_record* record = doc_.current_record();
    if (!record || !doc_.current_entry() || !edited_)
        return;
    record->id = int_value(id->get_value());
    record->description = description->text().toStdString();
    record->mlra = mlra->text().toStdString();
    record->psu = psu->text().toStdString();
    record->point = point->get_value();
    record->nriptr = int_value(nri_pointer->get_value());
    record->state_fips = state_fips->get_value();
    record->county_fips = county_fips->get_value();
    record->huc = int_value(huc->get_value());
    // The columns hold a byte: what a larger number leaves in its low byte is what is stored.
    for (int i = 0; i < 3; ++i)
        record->run_attribute[i] = run_attribute[i]->get_value() & 0xff;
    // An equation outside the six choices is shown as none and kept as it was.
    if (erosion_equation->currentIndex() >= 0)
        record->erosion_equation = static_cast<float>(erosion_equation->currentIndex());
    edited_ = false;
}

} // namespace ivorn
