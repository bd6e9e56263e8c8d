// CAboutDlg: the program's name and version, its build date, and the libraries it is built on
// with their licences.
#pragma once

#include <QDialog>

namespace ivorn {

class dialog_about : public QDialog {
    Q_OBJECT
public:
    explicit dialog_about(QWidget* parent);
    // "Build Date: %s" with the date this program was built.
    static QString build_date_line();
};

} // namespace ivorn
