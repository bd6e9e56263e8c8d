// The output-file switches dialog.
#include "dialogs/output_files_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QVBoxLayout>

namespace ivorn {

dialog_output_files::dialog_output_files(QWidget* parent, const std::array<int, output_file_switch_count>& switches)
    : QDialog(parent)
{
    setWindowTitle(tr("Select Output Files"));
    auto* grid = new QGridLayout;
    constexpr int rows = (output_file_switch_count + 1) / 2;
    for (int k = 0; k < output_file_switch_count; ++k) {
        auto* check = new QCheckBox(QString::fromLatin1(output_file_switch_label(k)), this);
        check->setChecked(switches[static_cast<size_t>(k)] != 0);
        boxes_[static_cast<size_t>(k)] = check;
        grid->addWidget(check, k % rows, k / rows);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

std::array<int, output_file_switch_count> dialog_output_files::switches() const
{
    std::array<int, output_file_switch_count> result{};
    for (int k = 0; k < output_file_switch_count; ++k)
        result[static_cast<size_t>(k)] = boxes_[static_cast<size_t>(k)]->isChecked() ? 1 : 0;
    return result;
}

} // namespace ivorn
