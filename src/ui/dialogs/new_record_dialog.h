// dialog_new_record ("New Record"): the proposed record ID and weather station of Record / New,
// which the user may change. The soil fields are shown but not used.
#pragma once

#include <QDialog>

#include "shell/user_interface.h"

class QLineEdit;

namespace ivorn {

class long_integer_edit;

class dialog_new_record : public QDialog {
    Q_OBJECT
public:
    dialog_new_record(QWidget* parent, const new_record_answer& proposed);
    new_record_answer answer() const;

    long_integer_edit* record_id = nullptr;
    long_integer_edit* station_id = nullptr;
    QLineEdit* station_name = nullptr;
};

} // namespace ivorn
