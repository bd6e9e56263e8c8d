// The run-set dialog.
#include "dialogs/multiple_runs_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

#include "widgets/numeric_edits.h"

namespace ivorn {

dialog_multiple_runs::dialog_multiple_runs(QWidget* parent, const run_set_options& proposed) : QDialog(parent)
{
    setWindowTitle(tr("Configure Run Set"));
    first = new integer_edit(this);
    last = new integer_edit(this);
    first->set_value(static_cast<int>(proposed.first_position));
    last->set_value(static_cast<int>(proposed.last_position));
    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(tr("Run:"), this));
    range->addWidget(first);
    range->addWidget(new QLabel(tr("...through..."), this));
    range->addWidget(last);

    auto box = [this](const char* label, bool on) {
        auto* check = new QCheckBox(tr(label), this);
        check->setChecked(on);
        return check;
    };
    stop_on_precheck_error = box("Stop if any precheck errors", proposed.stop_on_precheck_error);
    stop_on_run_error = box("Stop if any run errors", proposed.stop_on_run_error);
    realtime_priority = box("Realtime priority", proposed.realtime_priority);
    save_input_files = box("Save Input Files", proposed.save_input_files);
    save_swat_files = box("Save SWAT Files", proposed.save_swat_files);
    create_yearly_table = box("Create Yearly Table", proposed.create_yearly_table);
    create_watershed_table = box("Create Watershed Table", proposed.create_watershed_table);
    create_residue_table = box("Create Residue Output Table", proposed.create_residue_table);

    auto* options = new QGridLayout;
    QCheckBox* const left[] = {stop_on_precheck_error, stop_on_run_error, realtime_priority, save_input_files,
                               save_swat_files};
    QCheckBox* const right[] = {create_yearly_table, create_watershed_table, create_residue_table};
    for (int row = 0; row < 5; ++row)
        options->addWidget(left[row], row, 0);
    for (int row = 0; row < 3; ++row)
        options->addWidget(right[row], row, 1);

    jobs = new QSpinBox(this);
    jobs->setObjectName(QStringLiteral("jobs"));
    jobs->setRange(0, 1024);
    jobs->setValue(proposed.jobs);
    jobs->setSpecialValueText(tr("One per core (%1)").arg(QThread::idealThreadCount()));
    jobs->setToolTip(tr("Models running side by side, each in a directory of its own. "
                        "Not with ReadSoil, whose runs start from the run before them."));
    auto* parallel = new QHBoxLayout;
    parallel->addWidget(new QLabel(tr("Jobs:"), this));
    parallel->addWidget(jobs);
    parallel->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addLayout(options);
    layout->addLayout(parallel);
    layout->addWidget(buttons);
}

run_set_options dialog_multiple_runs::options() const
{
    run_set_options result;
    result.first_position = first->get_value();
    result.last_position = last->get_value();
    result.stop_on_precheck_error = stop_on_precheck_error->isChecked();
    result.stop_on_run_error = stop_on_run_error->isChecked();
    result.realtime_priority = realtime_priority->isChecked();
    result.save_input_files = save_input_files->isChecked();
    result.save_swat_files = save_swat_files->isChecked();
    result.create_yearly_table = create_yearly_table->isChecked();
    result.create_watershed_table = create_watershed_table->isChecked();
    result.create_residue_table = create_residue_table->isChecked();
    result.jobs = jobs->value();
    return result;
}

} // namespace ivorn
