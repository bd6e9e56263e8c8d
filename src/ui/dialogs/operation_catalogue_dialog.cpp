// The operation list dialog: lines, count, New and Edit, each change stored before the list shows it.
#include "dialogs/operation_catalogue_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include <memory>
#include <string>

#include "core/vorn_production_supply.h"
#include "dialogs/side_button_list_layout.h"
#include "reference/vorn_operation.h"
#include "sheets/operation_sheet.h"

namespace ivorn {

dialog_operation_catalogue::dialog_operation_catalogue(QWidget* parent, database& db, operation_list_class& list,
                                                       const list_field_help& help)
    : QDialog(parent), db_(db), list_(list), help_(help)
{
    setWindowTitle(QStringLiteral("All Operations"));
    lines_ = new QListWidget(this);
    lines_->setUniformItemSizes(true);
    count_ = new QLabel(this);
    auto* add = new QPushButton(QStringLiteral("New"), this);
    auto* edit = new QPushButton(QStringLiteral("Edit..."), this);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(add, &QPushButton::clicked, this, &dialog_operation_catalogue::add_operation);
    connect(edit, &QPushButton::clicked, this, &dialog_operation_catalogue::edit_selected);
    connect(lines_, &QListWidget::itemDoubleClicked, this, &dialog_operation_catalogue::edit_selected);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    lay_out_side_button_list(*this, lines_, {add, edit}, count_, close);
    resize(420, 460);
    fill(0);
}

void dialog_operation_catalogue::fill(int row)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(list_.count()));
    for (const vorn_operation* operation : list_)
        texts.push_back(QString::asprintf("%d %s", operation->number, operation->name.c_str()));
    lines_->clear();
    lines_->addItems(texts);
    lines_->setCurrentRow(std::min(row, lines_->count() - 1));
    count_->setText(QString::asprintf("%d operations", static_cast<int>(list_.count())));
}

bool dialog_operation_catalogue::store(vorn_operation& operation)
{
    std::string log;
    if (operation_list_class::save_operation(db_, operation, log))
        return true;
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(log));
    return false;
}

bool dialog_operation_catalogue::add_operation()
{
    const std::int32_t number = next_added_number(list_);
    if (number < 0)
        return false;
    auto operation = std::make_unique<vorn_operation>();
    operation->number = number;
    vorn_operation* added = operation.get();
    list_.add(std::move(operation));
    if (!store(*added)) {
        list_.remove(added);
        return false;
    }
    fill(static_cast<int>(list_.count()) - 1);
    return true;
}

bool dialog_operation_catalogue::edit_selected()
{
    const int row = lines_->currentRow();
    vorn_operation* operation = row < 0 ? nullptr : list_.at(static_cast<size_t>(row));
    if (!operation)
        return false;
    // The list keeps the values the table holds: a refused store leaves neither changed.
    vorn_operation edited = *operation;
    if (!edit_operation(this, edited, help_) || !store(edited))
        return false;
    *operation = edited;
    fill(row);
    return true;
}

} // namespace ivorn
