// The layout the list dialogs with buttons beside their lines share: lines and buttons in a row,
// the count line under them, Close at the foot.
#pragma once

#include <initializer_list>

class QDialog;
class QDialogButtonBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace ivorn {

void lay_out_side_button_list(QDialog& dialog, QListWidget* lines, std::initializer_list<QPushButton*> buttons,
                              QLabel* count, QDialogButtonBox* close);

} // namespace ivorn
