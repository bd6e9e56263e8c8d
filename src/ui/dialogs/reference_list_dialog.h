// The list dialogs of the reference tables ("Crops", "Fertilizers", "Pesticides"): one line per
// record in list order, a count line, and New, Edit, Delete. Each change is stored at once, in
// one transaction, through the record's own saving operations.
#pragma once

#include <QDialog>
#include <QString>

#include <string>

#include "core/vorn_production_supply.h"
#include "sheets/page_description.h"
#include "store/field_binding.h"

class QLabel;
class QListWidget;

namespace ivorn {

class database;
class list_field_help;

enum class reference_kind { crops, fertilizers, pesticides };

// What differs between the three lists.
struct reference_list_kind {
    const char* caption;
    // printf formats: one record's line (number, name) and the count line.
    const char* line_format;
    const char* count_format;
    const sheet_description& (*sheet)();
    // The record's bindings (false when the member is of another kind).
    bool (*bindings)(vorn_production_supply& record, binding_list& out);
    // New: a record numbered after the last, appended and stored.
    vorn_production_supply* (*add)(database& db, vorn_production_supply_list& list, std::string& log);
    bool (*save)(database& db, vorn_production_supply& record, std::string& log);
    // Removes the record's row and the record from the list.
    bool (*remove)(database& db, vorn_production_supply_list& list, vorn_production_supply* record,
                   std::string& log);
};
const reference_list_kind& reference_list_of(reference_kind kind);

class dialog_reference_list : public QDialog {
    Q_OBJECT
public:
    dialog_reference_list(QWidget* parent, reference_kind kind, database& db, vorn_production_supply_list& list,
                          const list_field_help& help);

    // The buttons' actions, on the selected line; false when nothing was done (a failure is shown).
    bool add_record();
    bool edit_selected();
    bool delete_selected();

    QListWidget* records() const { return list_box_; }
    QLabel* count_line() const { return count_; }
    // One record's line as the list shows it.
    QString line_of(const vorn_production_supply& record) const;

private:
    void fill();
    vorn_production_supply* selected() const;
    void show_failure(const std::string& log);

    const reference_list_kind& kind_;
    database& db_;
    vorn_production_supply_list& list_;
    const list_field_help& help_;
    QListWidget* list_box_ = nullptr;
    QLabel* count_ = nullptr;
};

} // namespace ivorn
