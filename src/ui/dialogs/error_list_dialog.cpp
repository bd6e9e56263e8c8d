// The log dialog that ends most commands.
#include "dialogs/error_list_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace ivorn {

dialog_error_list::dialog_error_list(QWidget* parent, const QString& caption, const QString& ok_label,
                                     const QString& text)
    : QDialog(parent)
{
    setWindowTitle(caption);
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setPlainText(text);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* copy = new QPushButton(tr("Copy Text"), this);
    ok_ = new QPushButton(ok_label.isEmpty() ? tr("OK") : ok_label, this);
    ok_->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    connect(copy, &QPushButton::clicked, this, &dialog_error_list::copy_text);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    resize(640, 360);
    // The end of a log says how the command ended; that is what the user must see first.
    text_->moveCursor(QTextCursor::End);
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

void dialog_error_list::copy_text()
{
    QApplication::clipboard()->setText(text_->toPlainText());
}

} // namespace ivorn
