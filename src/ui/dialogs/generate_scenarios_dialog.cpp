// The Generate Scenarios dialog.
#include "dialogs/generate_scenarios_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "site/record_copy.h"

namespace ivorn {
namespace {

// The factors a file names, for the preview line.
QString factor_names(const factor_table& table)
{
    QStringList names;
    for (const column_assignment& factor : table.factors)
        names << QString::fromStdString(factor.name);
    return names.join(QStringLiteral(", "));
}

} // namespace

dialog_generate_scenarios::dialog_generate_scenarios(QWidget* parent, const QString& base) : QDialog(parent)
{
    setWindowTitle(tr("Generate Scenarios"));
    file = new QLineEdit(this);
    file->setObjectName(QStringLiteral("factors_file"));
    file->setMinimumWidth(360);
    browse = new QPushButton(tr("Browse..."), this);
    auto* file_row = new QHBoxLayout;
    file_row->addWidget(file);
    file_row->addWidget(browse);
    grid = new QCheckBox(tr("Grid: each column lists a factor's levels; every combination is a scenario"), this);
    description_column = new QLineEdit(this);
    description_column->setPlaceholderText(tr("none: the factors' values"));
    preview = new QLabel(this);
    preview->setObjectName(QStringLiteral("preview"));
    preview->setWordWrap(true);
    preview->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* form = new QFormLayout;
    form->addRow(tr("Base record:"), new QLabel(base, this));
    form->addRow(tr("Factors file:"), file_row);
    form->addRow(QString(), grid);
    form->addRow(tr("Description column:"), description_column);
    form->addRow(tr("Preview:"), preview);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Generate"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Factors File"), file->text(),
                                                          tr("Factors (*.csv *.txt);;All Files (*)"));
        if (!path.isEmpty())
            file->setText(path);
    });
    connect(file, &QLineEdit::textChanged, this, &dialog_generate_scenarios::update_preview);
    connect(grid, &QCheckBox::toggled, this, &dialog_generate_scenarios::update_preview);
    connect(description_column, &QLineEdit::editingFinished, this, &dialog_generate_scenarios::update_preview);
    update_preview();
}

scenario_file_choice dialog_generate_scenarios::choice() const
{
    scenario_file_choice result;
    result.path = file->text().toStdString();
    result.grid = grid->isChecked();
    // A grid's columns are all factors; it has no description column.
    if (!result.grid)
        result.description_column = description_column->text().trimmed().toStdString();
    return result;
}

void dialog_generate_scenarios::update_preview()
{
    description_column->setEnabled(!grid->isChecked());
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    if (file->text().isEmpty()) {
        preview->setText(tr("Choose a factors file."));
        return;
    }
    factor_table table;
    std::string log;
    if (!preview_scenarios(choice(), table, log)) {
        preview->setText(QString::fromStdString(log).remove(QLatin1Char('\r')).trimmed());
        return;
    }
    const long long count = table.scenario_count();
    if (count > max_new_records) {
        preview->setText(tr("More than %1 scenarios: too many for one set.").arg(max_new_records));
        return;
    }
    preview->setText((count == 1 ? tr("1 scenario over %1") : tr("%1 scenarios over %2").arg(count))
                         .arg(factor_names(table)));
    ok->setEnabled(true);
}

} // namespace ivorn
