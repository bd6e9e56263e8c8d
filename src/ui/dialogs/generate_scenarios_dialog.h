// dialog_generate_scenarios (File / Generate Scenarios...): the factors file, its layout and the
// description column, with the number of scenarios it makes shown before anything is written.
#pragma once

#include <QDialog>

#include "shell/scenario_generation.h"

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ivorn {

class dialog_generate_scenarios : public QDialog {
    Q_OBJECT
public:
    // `base` names the record the scenarios are copied from.
    dialog_generate_scenarios(QWidget* parent, const QString& base);
    scenario_file_choice choice() const;
    // Reads the file as it is now and shows what it makes; OK is offered only for a good file.
    void update_preview();

    QLineEdit* file = nullptr;
    QPushButton* browse = nullptr;
    QCheckBox* grid = nullptr;
    QLineEdit* description_column = nullptr;
    QLabel* preview = nullptr;
    QDialogButtonBox* buttons = nullptr;
};

} // namespace ivorn
