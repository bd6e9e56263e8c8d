// dialog_configuration ("Configuration"): the model executable and version, the start-up and
// output options, the stored-year window, and the selection of output variables and files.
// It edits a copy of the settings; the variable list is edited in place and put back as it was
// when the dialog is cancelled.
#pragma once

#include <QDialog>

#include <array>
#include <vector>

#include "output/output_variables.h"
#include "shell/app_settings.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace ivorn {

class integer_edit;

class dialog_configuration : public QDialog {
    Q_OBJECT
public:
    // `variables` may be null (no "output variables.csv" was read): the lists stay empty.
    dialog_configuration(QWidget* parent, const app_settings& settings, list_output_variable_descriptions* variables,
                         int selection_changed);
    // The settings as the dialog leaves them; read after OK.
    app_settings settings() const;
    int selection_changed() const { return selection_changed_; }

    void select_variable();
    void remove_variable();
    void select_output_files();

    QLineEdit* model_path = nullptr;
    QPushButton* change = nullptr;
    std::array<QRadioButton*, 4> versions{};
    QCheckBox* record_list = nullptr;
    QCheckBox* prebuild_soil = nullptr;
    QCheckBox* run_visible = nullptr;
    QCheckBox* read_soil = nullptr;
    QCheckBox* english_convert = nullptr;
    integer_edit* save_year_first = nullptr;
    integer_edit* save_year_last = nullptr;
    QListWidget* all_variables = nullptr;
    QListWidget* ivorn_selected = nullptr;
    QListWidget* user_selected = nullptr;
    QPushButton* select_variable_button = nullptr;
    QPushButton* remove_button = nullptr;
    QPushButton* output_files_button = nullptr;

    // Cancel changes nothing: what Select and Remove did to the list is undone.
    void reject() override;

private:
    void build_model_group(QWidget* page);
    void build_variable_page(QWidget* page);
    void choose_model();
    void fill_lists();
    void show_messages(const message_box_texts& shown);

    app_settings settings_;
    list_output_variable_descriptions* variables_;
    int selection_changed_;
    // What Cancel puts back.
    struct kept_selection {
        std::vector<int> states;
        int selected_count = 0;
        std::array<int, output_file_switch_count> switches{};
    } kept_;
};

} // namespace ivorn
