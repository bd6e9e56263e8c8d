// "Add Operation" and "Change Operations": one field operation, its operation, tractor and crop
// chosen from the document's lists, and its integer and parameter fields labelled by what the
// chosen operation's code makes of them.
#pragma once

#include <QString>

#include <array>
#include <deque>
#include <memory>
#include <string>

#include "sheets/page_description.h"

class QWidget;

namespace ivorn {

class list_field_help;
class property_sheet;
class operation_list_class;
class vorn_field_operation;
class vorn_production_supply_list;

// The labels of Int Variable and Parameters 1 to 7 for an operation code.
std::array<QString, 8> field_operation_labels(int code, int model_version);

// The page of a field operation dialog, with the choice tables it is built over (the tractor
// choice: "No tractor" and the power units of the tillage list).
class field_operation_form {
public:
    field_operation_form(const char* caption, const operation_list_class* tillage,
                         const vorn_production_supply_list* crops, int model_version);
    const sheet_description& sheet() const { return sheet_; }

private:
    const char* keep(std::string text);

    std::deque<std::string> texts_;
    choice_table operations_;
    choice_table tractors_;
    choice_table crops_;
    sheet_description sheet_;
};

// The dialog made, labelled by its operation and relabelled when another is chosen, not shown.
// `form` must outlive it.
std::unique_ptr<property_sheet> make_field_operation_dialog(QWidget* parent, const field_operation_form& form,
                                                            vorn_field_operation& operation,
                                                            const operation_list_class* tillage, int model_version,
                                                            const list_field_help& help);
// Shows the dialog on `operation`; true when OK took its values. The labels follow the operation
// chosen while the dialog is open.
bool edit_field_operation(QWidget* parent, const char* caption, vorn_field_operation& operation,
                          const operation_list_class* tillage, const vorn_production_supply_list* crops,
                          int model_version, const list_field_help& help);

} // namespace ivorn
