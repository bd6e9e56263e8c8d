// The Configuration dialog.
#include "dialogs/configuration_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/output_files_dialog.h"
#include "widgets/numeric_edits.h"

namespace ivorn {
namespace {

constexpr int version_numbers[4] = {2110, 604, 806, 1307};
constexpr const char* version_labels[4] = {"Vorn2110", "Vorn0604", "Vorn0806", "Vorn1307"};

// The model is a program file: on its home system an ".exe", elsewhere any executable file.
QString executable_filter()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Programs (*.exe)");
#else
    return QStringLiteral("Programs (*)");
#endif
}

QCheckBox* flag_box(QWidget* parent, const QString& label, int value)
{
    auto* box = new QCheckBox(label, parent);
    box->setChecked(value != 0);
    return box;
}

} // namespace

dialog_configuration::dialog_configuration(QWidget* parent, const app_settings& settings,
                                           list_output_variable_descriptions* variables, int selection_changed)
    : QDialog(parent), settings_(settings), variables_(variables), selection_changed_(selection_changed)
{
    setWindowTitle(tr("Configuration"));
    if (variables_) {
        for (const output_variable_description* variable : *variables_)
            kept_.states.push_back(variable->state);
        kept_.selected_count = variables_->selected_count;
        kept_.switches = variables_->switches;
    }
    auto* left = new QWidget(this);
    build_model_group(left);
    auto* right = new QWidget(this);
    build_variable_page(right);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* columns = new QHBoxLayout;
    columns->addWidget(left);
    columns->addWidget(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    fill_lists();
}

void dialog_configuration::build_model_group(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* model = new QGroupBox(tr("VORN executable"), page);
    auto* model_row = new QHBoxLayout(model);
    model_path = new QLineEdit(QString::fromStdString(settings_.model_executable.full_path()), model);
    model_path->setReadOnly(true);
    model_path->setMinimumWidth(280);
    change = new QPushButton(tr("Change"), model);
    connect(change, &QPushButton::clicked, this, &dialog_configuration::choose_model);
    model_row->addWidget(model_path, 1);
    model_row->addWidget(change);
    layout->addWidget(model);

    auto* version = new QGroupBox(tr("VORN version"), page);
    auto* version_row = new QHBoxLayout(version);
    // A stored version that is none of the first three is taken as the last.
    int checked = 3;
    for (int i = 0; i < 3; ++i)
        if (settings_.vorn_version == version_numbers[i])
            checked = i;
    for (int i = 0; i < 4; ++i) {
        versions[i] = new QRadioButton(QString::fromLatin1(version_labels[i]), version);
        versions[i]->setChecked(i == checked);
        version_row->addWidget(versions[i]);
    }
    layout->addWidget(version);

    auto* options = new QGroupBox(tr("Options"), page);
    auto* option_column = new QVBoxLayout(options);
    record_list = flag_box(options, tr("Prebuild Control Record List"), settings_.record_list);
    prebuild_soil = flag_box(options, tr("Prebuild soil list"), settings_.prebuild_soil);
    run_visible = flag_box(options, tr("Run VORN in visible console"), settings_.run_visible);
    read_soil = flag_box(options, tr("Start with final soil tables"), settings_.read_soil);
    english_convert = flag_box(options, tr("Convert output to English Units"), settings_.english_convert);
    for (QCheckBox* box : {record_list, prebuild_soil, run_visible, read_soil, english_convert})
        option_column->addWidget(box);
    layout->addWidget(options);

    auto* years = new QHBoxLayout;
    save_year_first = new integer_edit(page);
    save_year_last = new integer_edit(page);
    save_year_first->set_value(settings_.save_year_first);
    save_year_last->set_value(settings_.save_year_last);
    years->addWidget(new QLabel(tr("Save output for years"), page));
    years->addWidget(save_year_first);
    years->addWidget(new QLabel(tr("through"), page));
    years->addWidget(save_year_last);
    layout->addLayout(years);
    layout->addStretch();
}

void dialog_configuration::build_variable_page(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    all_variables = new QListWidget(page);
    ivorn_selected = new QListWidget(page);
    user_selected = new QListWidget(page);
    all_variables->setMinimumWidth(300);
    select_variable_button = new QPushButton(tr("Select Variable"), page);
    remove_button = new QPushButton(tr("Remove"), page);
    output_files_button = new QPushButton(tr("Select Output Files"), page);
    connect(select_variable_button, &QPushButton::clicked, this, &dialog_configuration::select_variable);
    connect(remove_button, &QPushButton::clicked, this, &dialog_configuration::remove_variable);
    connect(output_files_button, &QPushButton::clicked, this, &dialog_configuration::select_output_files);
    for (QPushButton* button : {select_variable_button, remove_button, output_files_button})
        button->setEnabled(variables_ != nullptr);

    grid->addWidget(new QLabel(tr("Output variables"), page), 0, 0);
    grid->addWidget(all_variables, 1, 0, 3, 1);
    grid->addWidget(new QLabel(tr("I_vorn Selected"), page), 0, 1);
    grid->addWidget(ivorn_selected, 1, 1);
    grid->addWidget(new QLabel(tr("User Selected"), page), 2, 1);
    grid->addWidget(user_selected, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(select_variable_button);
    buttons->addWidget(remove_button);
    buttons->addStretch();
    buttons->addWidget(output_files_button);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
}

void dialog_configuration::choose_model()
{
    const QString chosen = QFileDialog::getOpenFileName(this, tr("VORN executable"), model_path->text(),
                                                        executable_filter());
    if (chosen.isEmpty())
        return;
    model_path->setText(chosen);
}

void dialog_configuration::fill_lists()
{
    const int highlighted = all_variables->currentRow();
    all_variables->clear();
    ivorn_selected->clear();
    user_selected->clear();
    if (!variables_)
        return;
    auto fill = [](QListWidget* list, const std::vector<output_variable_description*>& shown, bool with_text) {
        for (const output_variable_description* variable : shown)
            list->addItem(QString::fromStdString(list_output_variable_descriptions::list_entry(*variable, with_text)));
    };
    fill(all_variables, variables_->all_variables(), true);
    fill(ivorn_selected, variables_->printed_variables(), false);
    fill(user_selected, variables_->user_selected_variables(), false);
    all_variables->setCurrentRow(highlighted);
}

void dialog_configuration::show_messages(const message_box_texts& shown)
{
    for (const std::string& text : shown)
        QMessageBox::information(this, windowTitle(), QString::fromStdString(text));
}

void dialog_configuration::select_variable()
{
    if (!variables_)
        return;
    const int row = all_variables->currentIndex().isValid() ? all_variables->currentRow() : -1;
    const auto all = variables_->all_variables();
    output_variable_description* highlighted =
        row >= 0 && static_cast<size_t>(row) < all.size() ? all[static_cast<size_t>(row)] : nullptr;
    message_box_texts shown;
    variables_->select_variable(highlighted, selection_changed_, shown);
    show_messages(shown);
    fill_lists();
}

void dialog_configuration::remove_variable()
{
    if (!variables_)
        return;
    const QListWidgetItem* item = user_selected->currentItem();
    const std::string text = item ? item->text().toStdString() : std::string();
    message_box_texts shown;
    variables_->remove_variable(item ? &text : nullptr, selection_changed_, shown);
    show_messages(shown);
    fill_lists();
}

void dialog_configuration::select_output_files()
{
    if (!variables_)
        return;
    dialog_output_files dialog(this, variables_->switches);
    if (dialog.exec() == QDialog::Accepted)
        variables_->switches = dialog.switches();
}

app_settings dialog_configuration::settings() const
{
    app_settings result = settings_;
    std::string ignored;
    if (model_path->text().toStdString() != settings_.model_executable.full_path())
        set_setting(result, "Files/VORN2110", model_path->text().toStdString(), ignored);
    for (int i = 0; i < 4; ++i)
        if (versions[i]->isChecked())
            result.vorn_version = version_numbers[i];
    result.record_list = record_list->isChecked() ? 1 : 0;
    result.prebuild_soil = prebuild_soil->isChecked() ? 1 : 0;
    result.run_visible = run_visible->isChecked() ? 1 : 0;
    result.read_soil = read_soil->isChecked() ? 1 : 0;
    result.english_convert = english_convert->isChecked() ? 1 : 0;
    result.save_year_first = save_year_first->get_value();
    result.save_year_last = save_year_last->get_value();
    return result;
}

void dialog_configuration::reject()
{
    // Cancel changes nothing: what Select and Remove did to the list is undone.
    if (variables_) {
        size_t i = 0;
        for (output_variable_description* variable : *variables_)
            if (i < kept_.states.size())
                variable->state = kept_.states[i++];
        variables_->selected_count = kept_.selected_count;
        variables_->switches = kept_.switches;
    }
    QDialog::reject();
}

} // namespace ivorn
