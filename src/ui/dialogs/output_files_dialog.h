// dialog_output_files ("Select Output Files"): one check box per output-file switch.
#pragma once

#include <QDialog>

#include <array>

#include "output/output_variables.h"

class QCheckBox;

namespace ivorn {

class dialog_output_files : public QDialog {
    Q_OBJECT
public:
    dialog_output_files(QWidget* parent, const std::array<int, output_file_switch_count>& switches);
    std::array<int, output_file_switch_count> switches() const;
    QCheckBox* box(int k) const { return boxes_[static_cast<size_t>(k)]; }

private:
    std::array<QCheckBox*, output_file_switch_count> boxes_{};
};

} // namespace ivorn
