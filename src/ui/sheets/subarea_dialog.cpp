// Opening the subarea dialog, its management dialogs and the herd dialog. The management dialogs
// copy into the subarea on their own OK; only the subarea dialog's Cancel undoes them.
#include <QPushButton>

#include "dialogs/field_operation_list_dialog.h"
#include "sheets/property_sheet.h"
#include "sheets/subarea_sheets.h"
#include "site/control_record.h"
#include "site/vorn_subarea.h"

namespace ivorn {

std::unique_ptr<property_sheet> make_management_dialog(QWidget* parent, const sheet_description& sheet,
                                                       const subarea_editing& editing, vorn_subarea& subarea)
{
    auto dialog = std::make_unique<property_sheet>(parent, sheet, subarea_dialog_bindings(subarea), editing.help);
    // The grazing limits name herds; each herd slot is edited where its limit is.
    if (&sheet == &management_sheets()[3]) {
        property_sheet* shown = dialog.get();
        for (int slot = 0; slot < herd_slot_count; ++slot) {
            QPushButton* herd = shown->add_side_button(QStringLiteral("Herd %1...").arg(slot + 1));
            QObject::connect(herd, &QPushButton::clicked, shown,
                             [shown, &editing, slot] { edit_herd(shown, editing.record, slot, editing.help); });
        }
    }
    return dialog;
}

std::unique_ptr<property_sheet> make_subarea_dialog(QWidget* parent, const subarea_editing& editing,
                                                   vorn_subarea& subarea)
{
    auto dialog = std::make_unique<property_sheet>(parent, subarea_sheet(), subarea_dialog_bindings(subarea),
                                                   editing.help);
    property_sheet* shown = dialog.get();
    for (const sheet_description& sheet : management_sheets()) {
        QPushButton* button = shown->add_side_button(QString::fromStdString(sheet.caption) + QStringLiteral("..."));
        QObject::connect(button, &QPushButton::clicked, shown, [shown, &sheet, &editing, &subarea] {
            make_management_dialog(shown, sheet, editing, subarea)->exec();
        });
    }
    QPushButton* operations = shown->add_side_button(QStringLiteral("Field Operations..."));
    QObject::connect(operations, &QPushButton::clicked, shown,
                     [shown, &editing, &subarea] { edit_field_operations(shown, editing, subarea); });
    return dialog;
}

bool edit_subarea(QWidget* parent, const subarea_editing& editing, vorn_subarea& subarea)
{
    vorn_subarea saved;
    saved.copy_from(subarea);
    if (make_subarea_dialog(parent, editing, subarea)->exec() != QDialog::Accepted) {
        subarea.copy_from(saved);
        return false;
    }
    subarea.modified = true;
    editing.record.modified = true;
    return true;
}

bool edit_herd(QWidget* parent, control_record& record, int slot, const list_field_help& help)
{
    if (slot < 0 || slot >= herd_slot_count)
        return false;
    property_sheet dialog(parent, herd_sheet(), herd_bindings(record, slot), help);
    dialog.setWindowTitle(QStringLiteral("HERD"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    record.modified = true;
    return true;
}

} // namespace ivorn
