// The schedule list. A changed date moves an operation: it is taken out and added again, so the
// list keeps its date order without a sort of its own.
#include "dialogs/field_operation_list_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <memory>

#include "dialogs/side_button_list_layout.h"
#include "reference/vorn_operation.h"
#include "sheets/field_operation_sheet.h"
#include "sheets/subarea_sheets.h"
#include "site/vorn_subarea.h"

namespace ivorn {

dialog_operation_list::dialog_operation_list(QWidget* parent, const subarea_editing& editing, vorn_subarea& subarea)
    : QDialog(parent), editing_(editing), subarea_(subarea)
{
    setWindowTitle(QStringLiteral("Field Operations"));
    lines_ = new QListWidget(this);
    lines_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    count_ = new QLabel(this);
    auto* add = new QPushButton(QStringLiteral("Add Operation..."), this);
    auto* change = new QPushButton(QStringLiteral("Change Operations..."), this);
    auto* remove = new QPushButton(QStringLiteral("Delete"), this);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(add, &QPushButton::clicked, this, &dialog_operation_list::add_operation);
    connect(change, &QPushButton::clicked, this, &dialog_operation_list::change_selected);
    connect(remove, &QPushButton::clicked, this, &dialog_operation_list::delete_selected);
    connect(lines_, &QListWidget::itemDoubleClicked, this, &dialog_operation_list::change_selected);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    lay_out_side_button_list(*this, lines_, {add, change, remove}, count_, close);
    resize(520, 420);
    fill(subarea_.operations.first());
}

QString dialog_operation_list::line_of(const vorn_field_operation& operation) const
{
    const vorn_operation* performed =
        editing_.tillage ? editing_.tillage->find_by_number(operation.operation_number) : nullptr;
    const QString what = QString::asprintf("%02d/%02d %5d %s", operation.month, operation.day, operation.operation_number,
                                           performed ? performed->name.c_str() : "");
    return QString::asprintf("%d %s", operation.year, what.toLocal8Bit().constData()).trimmed();
}

void dialog_operation_list::fill(const vorn_field_operation* selected)
{
    lines_->clear();
    for (const vorn_field_operation* operation : subarea_.operations) {
        auto* line = new QListWidgetItem(line_of(*operation), lines_);
        if (operation == selected)
            lines_->setCurrentItem(line);
    }
    count_->setText(QString::asprintf("%d ops", static_cast<int>(subarea_.operations.count())));
}

vorn_field_operation* dialog_operation_list::selected() const
{
    const int row = lines_->currentRow();
    return row < 0 ? nullptr : subarea_.operations.at(static_cast<size_t>(row));
}

void dialog_operation_list::start_new_line(vorn_field_operation& operation, const subarea_editing& editing,
                                           const vorn_subarea& subarea)
{
    operation.record_id = subarea.record_id;
    operation.subarea_number = subarea.subarea_number;
    if (editing.tillage && !editing.tillage->empty())
        operation.operation_number = editing.tillage->first()->number;
}

bool dialog_operation_list::add_operation()
{
    auto operation = std::make_unique<vorn_field_operation>();
    start_new_line(*operation, editing_, subarea_);
    if (!edit_field_operation(this, "Add Operation", *operation, editing_.tillage, editing_.crops,
                              editing_.model_version, editing_.help))
        return false;
    const vorn_field_operation* added = operation.get();
    subarea_.operations.add(std::move(operation));
    fill(added);
    changed_ = true;
    return true;
}

bool dialog_operation_list::change_selected()
{
    vorn_field_operation* operation = selected();
    if (!operation || !edit_field_operation(this, "Change Operations", *operation, editing_.tillage, editing_.crops,
                                            editing_.model_version, editing_.help))
        return false;
    subarea_.operations.list_class::add(subarea_.operations.unlink(operation));
    fill(operation);
    changed_ = true;
    return true;
}

bool dialog_operation_list::delete_selected()
{
    vorn_field_operation* operation = selected();
    if (!operation)
        return false;
    const int row = lines_->currentRow();
    subarea_.operations.remove(operation);
    fill(subarea_.operations.at(static_cast<size_t>(std::min<int>(row, static_cast<int>(subarea_.operations.count()) - 1))));
    changed_ = true;
    return true;
}

bool edit_field_operations(QWidget* parent, const subarea_editing& editing, vorn_subarea& subarea)
{
    dialog_operation_list dialog(parent, editing, subarea);
    dialog.exec();
    return dialog.changed();
}

} // namespace ivorn
