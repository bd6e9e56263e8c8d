// The reference list dialogs and the three kinds they serve.
#include "dialogs/reference_list_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "reference/reference_store.h"
#include "reference/reference_tables.h"
#include "reference/vorn_crop.h"
#include "reference/vorn_fertilizer.h"
#include "reference/vorn_pesticide.h"
#include "sheets/property_sheet.h"
#include "sheets/reference_sheets.h"
#include "store/database.h"

namespace ivorn {

namespace {

template <class R>
bool bindings_of(vorn_production_supply& record, binding_list& out)
{
    auto* typed = dynamic_cast<R*>(&record);
    if (!typed)
        return false;
    out = typed->bindings();
    return true;
}

template <class R, const table_description& (*Table)()>
vorn_production_supply* add_of(database& db, vorn_production_supply_list& list, std::string& log)
{
    return add_new_record<R>(db, Table(), list, log);
}

template <class R, const table_description& (*Table)()>
bool save_of(database& db, vorn_production_supply& record, std::string& log)
{
    auto* typed = dynamic_cast<R*>(&record);
    return typed && upsert_bound_row(db, Table(), *typed, log);
}

bool remove_crop(database& db, vorn_production_supply_list& list, vorn_production_supply* record, std::string& log)
{
    return delete_crop(db, list, dynamic_cast<vorn_crop*>(record), log);
}

// Fertilizers and pesticides go from their table too, so that a deleted one does not come back
// with the next open.
template <const table_description& (*Table)()>
bool remove_supply(database& db, vorn_production_supply_list& list, vorn_production_supply* record,
                   std::string& log)
{
    if (!record || !delete_row_by_id(db, Table(), record->number, log))
        return false;
    list.remove(record);
    return true;
}

const reference_list_kind kinds[] = {
    {"Crops", "%d %s", "%d crops", &crop_sheet, &bindings_of<vorn_crop>, &add_of<vorn_crop, crops_table>,
     &save_of<vorn_crop, crops_table>, &remove_crop},
    {"Fertilizers", "%d \"%s\"", "%d fertilizers", &fertilizer_sheet, &bindings_of<vorn_fertilizer>,
     &add_of<vorn_fertilizer, fertilizer_table>, &save_of<vorn_fertilizer, fertilizer_table>,
     &remove_supply<fertilizer_table>},
    {"Pesticides", "%d %s", "%d pesticides", &pesticide_sheet, &bindings_of<vorn_pesticide>,
     &add_of<vorn_pesticide, pesticide_table>, &save_of<vorn_pesticide, pesticide_table>,
     &remove_supply<pesticide_table>},
};

// One change as one transaction: committed when `change` succeeds, rolled back otherwise.
template <class Change>
bool in_one_transaction(database& db, std::string& log, Change change)
{
    transaction work(db);
    if (!work.begun()) {
        log += work.failure();
        return false;
    }
    if (!change())
        return false;
    return work.commit(log);
}

} // namespace

const reference_list_kind& reference_list_of(reference_kind kind) { return kinds[static_cast<int>(kind)]; }

dialog_reference_list::dialog_reference_list(QWidget* parent, reference_kind kind, database& db,
                                             vorn_production_supply_list& list, const list_field_help& help)
    : QDialog(parent), kind_(reference_list_of(kind)), db_(db), list_(list), help_(help)
{
    setWindowTitle(QString::fromLatin1(kind_.caption));
    list_box_ = new QListWidget(this);
    // Every line is as tall as the first; a list of thousands then lays out at once.
    list_box_->setUniformItemSizes(true);
    count_ = new QLabel(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    const std::pair<const char*, bool (dialog_reference_list::*)()> actions[] = {
        {"New", &dialog_reference_list::add_record},
        {"Edit", &dialog_reference_list::edit_selected},
        {"Delete", &dialog_reference_list::delete_selected}};
    for (const auto& [text, action] : actions) {
        QPushButton* button = buttons->addButton(tr(text), QDialogButtonBox::ActionRole);
        button->setObjectName(QString::fromLatin1(text).toLower());
        connect(button, &QPushButton::clicked, this, [this, action = action] { (this->*action)(); });
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    connect(list_box_, &QListWidget::itemDoubleClicked, this, [this] { edit_selected(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_box_, 1);
    layout->addWidget(count_);
    layout->addWidget(buttons);
    resize(380, 460);
    fill();
}

QString dialog_reference_list::line_of(const vorn_production_supply& record) const
{
    return QString::asprintf(kind_.line_format, static_cast<int>(record.number), record.name.c_str());
}

void dialog_reference_list::fill()
{
    const int row = list_box_->currentRow();
    QStringList lines;
    for (const vorn_production_supply* record : list_)
        lines.push_back(line_of(*record));
    list_box_->clear();
    list_box_->addItems(lines);
    count_->setText(QString::asprintf(kind_.count_format, static_cast<int>(lines.size())));
    list_box_->setCurrentRow(std::min(row, static_cast<int>(lines.size()) - 1));
}

vorn_production_supply* dialog_reference_list::selected() const
{
    const int row = list_box_->currentRow();
    return row < 0 ? nullptr : list_.at(static_cast<size_t>(row));
}

void dialog_reference_list::show_failure(const std::string& log)
{
    if (!log.empty())
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(log));
}

bool dialog_reference_list::add_record()
{
    std::string log;
    vorn_production_supply* added = nullptr;
    if (!in_one_transaction(db_, log, [&] { return (added = kind_.add(db_, list_, log)) != nullptr; })) {
        // A rolled back row must not stay in the list either.
        if (added)
            list_.remove(added);
        show_failure(log);
        return false;
    }
    fill();
    list_box_->setCurrentRow(list_box_->count() - 1);
    return true;
}

bool dialog_reference_list::edit_selected()
{
    vorn_production_supply* record = selected();
    binding_list bindings;
    if (!record || !kind_.bindings(*record, bindings))
        return false;
    property_sheet sheet(this, kind_.sheet(), std::move(bindings), help_);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    std::string log;
    if (!in_one_transaction(db_, log, [&] { return kind_.save(db_, *record, log); })) {
        show_failure(log);
        return false;
    }
    list_box_->currentItem()->setText(line_of(*record));
    return true;
}

bool dialog_reference_list::delete_selected()
{
    vorn_production_supply* record = selected();
    if (!record)
        return false;
    std::string log;
    // A crop leaves the list even when its row was missing; the others only with their rows.
    const bool done = in_one_transaction(db_, log, [&] { return kind_.remove(db_, list_, record, log); });
    if (!done)
        show_failure(log);
    fill();
    return done;
}

} // namespace ivorn
