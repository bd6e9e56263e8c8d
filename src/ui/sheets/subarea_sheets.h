// The subarea dialog with its management dialogs, the herd dialog, and opening them. The subarea
// dialog works on the subarea itself and restores it from a copy on Cancel, so whatever its
// management dialogs and its field operations took is undone with it.
#pragma once

#include <memory>
#include <vector>

#include "sheets/page_description.h"
#include "store/field_binding.h"

class QWidget;

namespace ivorn {

class control_record;
class list_field_help;
class property_sheet;
class operation_list_class;
class vorn_production_supply_list;
class vorn_subarea;

// The "Subareas" columns followed by those of "Management" that "Subareas" lacks: the subarea
// dialogs show columns of both rows.
const table_description& subarea_dialog_table();
const sheet_description& subarea_sheet();
// "Auto Irrigation", "Auto Fertilization", "Lagoon", "Grazing", "Reservoir", "Routing Reach",
// "Channel", "Miscellaneous", in the order of the subarea dialog's buttons.
const std::vector<sheet_description>& management_sheets();
// Both rows' bindings of the subarea.
binding_list subarea_dialog_bindings(vorn_subarea& subarea);

// "HERD": one herd slot of the control record, with the owner number all slots share.
const sheet_description& herd_sheet();
binding_list herd_bindings(control_record& record, int slot);

// What the subarea's dialogs need from the document besides the record.
struct subarea_editing {
    control_record& record;
    const list_field_help& help;
    // The reference lists for the field operations; either may be null (not loaded).
    const operation_list_class* tillage = nullptr;
    const vorn_production_supply_list* crops = nullptr;
    int model_version = 2110;
};

// The dialogs made with their buttons connected but not shown.
std::unique_ptr<property_sheet> make_subarea_dialog(QWidget* parent, const subarea_editing& editing,
                                                   vorn_subarea& subarea);
std::unique_ptr<property_sheet> make_management_dialog(QWidget* parent, const sheet_description& sheet,
                                                       const subarea_editing& editing, vorn_subarea& subarea);

// Shows "Subarea" modally. OK marks the subarea and the record modified; Cancel restores the
// subarea as it was when the dialog opened.
bool edit_subarea(QWidget* parent, const subarea_editing& editing, vorn_subarea& subarea);
// Shows "HERD" for slot 0-9; OK marks the record modified.
bool edit_herd(QWidget* parent, control_record& record, int slot, const list_field_help& help);

} // namespace ivorn
