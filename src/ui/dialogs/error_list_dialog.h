// dialog_error_list: a run log or a console text shown at the end of a command, scrolled to its
// end, with "Copy Text" to take it to the clipboard.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace ivorn {

class dialog_error_list : public QDialog {
    Q_OBJECT
public:
    // An empty OK label keeps "OK".
    dialog_error_list(QWidget* parent, const QString& caption, const QString& ok_label, const QString& text);
    QPlainTextEdit* text_field() const { return text_; }
    QPushButton* ok_button() const { return ok_; }
    void copy_text();

private:
    QPlainTextEdit* text_;
    QPushButton* ok_;
};

} // namespace ivorn
