// The soil dialog.
#include "dialogs/soil_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "sheets/help_box.h"
#include "sheets/property_sheet.h"
#include "sheets/record_page.h"
#include "sheets/soil_sheets.h"
#include "site/soil_tables.h"

namespace ivorn {

dialog_soil::dialog_soil(QWidget* parent, vorn_soil& soil, const list_field_help& help)
    : QDialog(parent), soil_(soil), help_(help)
{
    setWindowTitle(tr("Soil"));
    working_.copy_from(soil);
    working_.number = soil.number;
    bindings_ = working_.soil_bindings();
    page_ = new record_page(soil_page(), soils_table(), bindings_, this);
    page_->fill();
    // The values keep the room their labels and numbers need; the layer list takes what is left.
    page_->setMinimumWidth(page_->sizeHint().width());

    layers_ = new QListWidget(this);
    layers_->setObjectName(QStringLiteral("layers"));
    auto* layer_buttons = new QHBoxLayout;
    const std::pair<const char*, bool (dialog_soil::*)()> actions[] = {
        {"Insert", &dialog_soil::insert_layer}, {"Delete", &dialog_soil::delete_layer},
        {"Edit", &dialog_soil::edit_layer}};
    for (const auto& [text, action] : actions) {
        auto* button = new QPushButton(tr(text), this);
        button->setObjectName(QString::fromLatin1(text).toLower() + QStringLiteral("_layer"));
        connect(button, &QPushButton::clicked, this, [this, action = action] { (this->*action)(); });
        layer_buttons->addWidget(button);
    }
    connect(layers_, &QListWidget::itemDoubleClicked, this, [this] { edit_layer(); });
    auto* layer_column = new QVBoxLayout;
    layer_column->addWidget(layers_, 1);
    layer_column->addLayout(layer_buttons);

    help_box_ = new edit_help_text(this);
    help_box_->setMinimumWidth(220);
    help_box_->follow_focus(this, help_, [this](const QWidget* now) { return page_->variable_of(now); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &dialog_soil::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(page_, 3);
    row->addLayout(layer_column, 1);
    row->addWidget(help_box_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addWidget(buttons);
    fill_layers(0);
}

void dialog_soil::fill_layers(int select)
{
    layers_->clear();
    for (int layer = 0; layer < working_.layer_count; ++layer) {
        layers_->addItem(QString::asprintf("Layer %d: depth %g", layer + 1,
                                           static_cast<double>(working_.layers[layer_depth][static_cast<size_t>(layer)])));
    }
    if (layers_->count() > 0)
        layers_->setCurrentRow(std::clamp(select, 0, layers_->count() - 1));
}

bool dialog_soil::insert_layer()
{
    const int row = layers_->currentRow();
    const int position = row < 0 ? working_.layer_count : row;
    if (!working_.insert_layer(position)) {
        QMessageBox::information(this, windowTitle(), tr("Number of layers is already at maximum"));
        return false;
    }
    fill_layers(position);
    return true;
}

bool dialog_soil::delete_layer()
{
    const int row = layers_->currentRow();
    if (!working_.delete_layer(row)) {
        QMessageBox::information(this, windowTitle(), tr("Unable to delete layer."));
        return false;
    }
    fill_layers(row);
    return true;
}

bool dialog_soil::edit_layer()
{
    const int row = layers_->currentRow();
    if (row < 0 || row >= working_.layer_count)
        return false;
    property_sheet sheet(this, soil_layer_sheet(), working_.layer_bindings(row), help_);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    fill_layers(row);
    return true;
}

void dialog_soil::accept()
{
    QWidget* field = nullptr;
    const QString refusal = page_->check(field);
    if (!refusal.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), refusal);
        if (field)
            field->setFocus(Qt::OtherFocusReason);
        return;
    }
    page_->take_back();
    const std::int32_t number = soil_.number;
    soil_.copy_from(working_);
    soil_.number = number;
    QDialog::accept();
}

} // namespace ivorn
