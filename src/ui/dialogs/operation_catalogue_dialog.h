// The list of every tillage and equipment operation behind Edit / All Operations. Each change is
// stored at once through the operation's own saving operation.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;

namespace ivorn {

class database;
class list_field_help;
class operation_list_class;
class vorn_operation;

// One line "%d %s" per operation in list order, the count "%d operations", New and Edit. No
// operation is deleted: field operations of any record may name it.
class dialog_operation_catalogue : public QDialog {
    Q_OBJECT
public:
    dialog_operation_catalogue(QWidget* parent, database& db, operation_list_class& list, const list_field_help& help);

    // New: numbered after the last, code 7, stored at once. Edit: the selected one, stored on OK.
    bool add_operation();
    bool edit_selected();

    QListWidget* lines() const { return lines_; }
    QLabel* count_line() const { return count_; }

private:
    void fill(int row);
    bool store(vorn_operation& operation);

    database& db_;
    operation_list_class& list_;
    const list_field_help& help_;
    QListWidget* lines_ = nullptr;
    QLabel* count_ = nullptr;
};

} // namespace ivorn
