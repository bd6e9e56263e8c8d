// The main window's commands on the current record's subareas and on the operation list: the
// subarea dialog (a double-click on the form's subarea line), Edit / Edit Field Operations and
// Edit / All Operations.
#include <QListWidget>
#include <QMessageBox>

#include "app/app_i_vorn.h"
#include "app/main_window.h"
#include "dialogs/field_operation_list_dialog.h"
#include "dialogs/operation_catalogue_dialog.h"
#include "sheets/subarea_sheets.h"
#include "shell/doc_i_vorn.h"
#include "site/control_record.h"
#include "views/form_view.h"

namespace ivorn {

vorn_subarea* main_window::chosen_subarea(std::int64_t number)
{
    control_record* record = doc_->current_record();
    if (busy() || !record || !doc_->current_entry())
        return nullptr;
    // The form's pending edits go into the record first, so a later store keeps them.
    form_->store_form_values();
    return record->subareas.find_by_subarea(static_cast<std::int32_t>(number));
}

void main_window::edit_subarea(std::int64_t number)
{
    vorn_subarea* subarea = chosen_subarea(number);
    if (!subarea)
        return;
    const subarea_editing editing{*doc_->current_record(), doc_->field_help(), doc_->operations(), doc_->crops(),
                                  app_.settings.vorn_version};
    if (ivorn::edit_subarea(this, editing, *subarea))
        update_title();
}

void main_window::edit_field_operations()
{
    // The schedule of the subarea chosen in the form, or of the first one.
    const QListWidgetItem* line = form_->subareas->currentItem();
    if (!line)
        line = form_->subareas->item(0);
    vorn_subarea* subarea = line ? chosen_subarea(line->data(Qt::UserRole).toLongLong()) : nullptr;
    if (!subarea) {
        if (doc_->current_entry() && !busy())
            QMessageBox::information(this, QStringLiteral("Field Operations"),
                                     QStringLiteral("This record has no subareas."));
        return;
    }
    const subarea_editing editing{*doc_->current_record(), doc_->field_help(), doc_->operations(), doc_->crops(),
                                  app_.settings.vorn_version};
    if (!ivorn::edit_field_operations(this, editing, *subarea))
        return;
    subarea->modified = true;
    doc_->current_record()->modified = true;
    update_title();
}

void main_window::edit_operations()
{
    if (busy() || !doc_->db() || !doc_->operations())
        return;
    dialog_operation_catalogue dialog(this, *doc_->db(), *doc_->operations(), doc_->field_help());
    dialog.exec();
}

} // namespace ivorn
