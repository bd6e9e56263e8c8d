// Lines with their buttons stacked to the right, so a long list keeps its width.
#include "dialogs/side_button_list_layout.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ivorn {

void lay_out_side_button_list(QDialog& dialog, QListWidget* lines, std::initializer_list<QPushButton*> buttons,
                              QLabel* count, QDialogButtonBox* close)
{
    auto* column = new QVBoxLayout;
    for (QPushButton* button : buttons)
        column->addWidget(button);
    column->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(lines, 1);
    row->addLayout(column);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(row, 1);
    layout->addWidget(count);
    layout->addWidget(close);
}

} // namespace ivorn
