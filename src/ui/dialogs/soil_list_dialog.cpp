// The soil list dialog.
#include "dialogs/soil_list_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "dialogs/soil_dialog.h"
#include "site/vorn_soil.h"
#include "store/database.h"

namespace ivorn {

namespace {

QString soil_line(const vorn_soil& soil)
{
    return QString::fromStdString(soil.name) + QString::asprintf(" - %ld", static_cast<long>(soil.number));
}

} // namespace

bool soil_list_available(QWidget* parent, const vorn_soil_list* soils)
{
    if (soils)
        return true;
    QMessageBox::information(parent, QStringLiteral("Soils"),
                             QStringLiteral("Prebuild soil list must be checked and i_vorn restarted for Select to work"));
    return false;
}

dialog_list_soils::dialog_list_soils(QWidget* parent, vorn_soil_list& soils, database& db,
                                     const list_field_help& help, bool with_select, std::int32_t current)
    : QDialog(parent), soils_(soils), db_(db), help_(help)
{
    setWindowTitle(tr("Soils"));
    list_ = new QListWidget(this);
    list_->setUniformItemSizes(true);
    QStringList lines;
    int current_row = -1;
    for (const vorn_soil* soil : soils) {
        if (soil->number == current)
            current_row = static_cast<int>(lines.size());
        lines.push_back(soil_line(*soil));
    }
    list_->addItems(lines);
    list_->setCurrentRow(current_row);
    auto* count = new QLabel(tr("%1 soils").arg(lines.size()), this);
    auto* buttons = new QDialogButtonBox(with_select ? QDialogButtonBox::Cancel : QDialogButtonBox::Close, this);
    if (with_select) {
        QPushButton* select = buttons->addButton(tr("Select"), QDialogButtonBox::AcceptRole);
        select->setDefault(true);
        connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    } else {
        connect(list_, &QListWidget::itemDoubleClicked, this, [this] { edit_chosen(); });
    }
    QPushButton* edit = buttons->addButton(tr("Edit"), QDialogButtonBox::ActionRole);
    edit->setObjectName(QStringLiteral("edit"));
    connect(edit, &QPushButton::clicked, this, [this] { edit_chosen(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(count);
    layout->addWidget(buttons);
    resize(380, 460);
}

vorn_soil* dialog_list_soils::chosen_soil() const
{
    const int row = list_->currentRow();
    return row < 0 ? nullptr : soils_.at(static_cast<size_t>(row));
}

bool dialog_list_soils::chosen(std::int32_t& number) const
{
    const vorn_soil* soil = chosen_soil();
    if (!soil)
        return false;
    number = soil->number;
    return true;
}

bool dialog_list_soils::edit_chosen()
{
    vorn_soil* soil = chosen_soil();
    if (!soil)
        return false;
    vorn_soil before;
    before.copy_from(*soil);
    dialog_soil dialog(this, *soil, help_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    std::string log;
    transaction work(db_);
    bool stored = work.begun() && soil->save_soil(db_, "Soils", "Soil Layers", log) && work.commit(log);
    if (!stored) {
        // The list keeps what the table holds.
        soil->copy_from(before);
        log += work.failure();
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(log));
        return false;
    }
    list_->currentItem()->setText(soil_line(*soil));
    edited_.push_back(soil);
    return true;
}

} // namespace ivorn
