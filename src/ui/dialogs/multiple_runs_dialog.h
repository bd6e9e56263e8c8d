// dialog_multiple_runs ("Configure Run Set"): the positions and options of Run / All Records.
#pragma once

#include <QDialog>

#include "run/run_set.h"

class QCheckBox;
class QSpinBox;

namespace ivorn {

class integer_edit;

class dialog_multiple_runs : public QDialog {
    Q_OBJECT
public:
    dialog_multiple_runs(QWidget* parent, const run_set_options& proposed);
    run_set_options options() const;

    integer_edit* first = nullptr;
    integer_edit* last = nullptr;
    QCheckBox* stop_on_precheck_error = nullptr;
    QCheckBox* stop_on_run_error = nullptr;
    QCheckBox* realtime_priority = nullptr;
    QCheckBox* save_input_files = nullptr;
    QCheckBox* save_swat_files = nullptr;
    QCheckBox* create_yearly_table = nullptr;
    QCheckBox* create_watershed_table = nullptr;
    QCheckBox* create_residue_table = nullptr;
    // Models run side by side; 1 keeps the set in the model directory, one run at a time.
    QSpinBox* jobs = nullptr;
};

} // namespace ivorn
