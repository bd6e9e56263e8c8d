// "Field Operations": one subarea's schedule, one line per operation in date order, with Add
// Operation, Change Operations and Delete working on the subarea's list at once.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;

namespace ivorn {

struct subarea_editing;
class vorn_field_operation;
class vorn_subarea;

class dialog_operation_list : public QDialog {
    Q_OBJECT
public:
    dialog_operation_list(QWidget* parent, const subarea_editing& editing, vorn_subarea& subarea);

    // The buttons' actions; each true when the schedule changed.
    bool add_operation();
    bool change_selected();
    bool delete_selected();
    bool changed() const { return changed_; }

    QListWidget* lines() const { return lines_; }
    QLabel* count_line() const { return count_; }
    // One operation's line: "%d %s" with the year, then its date in the year and its operation.
    QString line_of(const vorn_field_operation& operation) const;
    // What Add Operation offers first: a line of the subarea on the catalogue's first operation,
    // rather than on a number that names none and would be written if OK came first.
    static void start_new_line(vorn_field_operation& operation, const subarea_editing& editing,
                               const vorn_subarea& subarea);

private:
    void fill(const vorn_field_operation* selected);
    vorn_field_operation* selected() const;

    const subarea_editing& editing_;
    vorn_subarea& subarea_;
    QListWidget* lines_ = nullptr;
    QLabel* count_ = nullptr;
    bool changed_ = false;
};

// Shows the list modally; true when the schedule changed. The caller marks what owns it.
bool edit_field_operations(QWidget* parent, const subarea_editing& editing, vorn_subarea& subarea);

} // namespace ivorn
