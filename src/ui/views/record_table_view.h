// view_control_record_table: the control-record list as a table of lines with the current
// record highlighted; a click on another record's line goes to that record.
#pragma once

#include <QTableView>

namespace ivorn {

class doc_i_vorn;
class record_table_model;

class view_control_record_table : public QTableView {
    Q_OBJECT
public:
    view_control_record_table(doc_i_vorn& doc, QWidget* parent = nullptr);
    record_table_model* lines() const { return model_; }
    // Hint 0 moves the highlight; any other recounts the lines.
    void update_from_document(int hint);

protected:
    // PgUp, PgDn, Ctrl+Home and Ctrl+End move the current record, as everywhere in the window,
    // rather than the view's scroll position.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

Q_SIGNALS:
    // A line of another record was clicked.
    void go_to_position(long position);

private:
    void line_clicked(const QModelIndex& index);

    doc_i_vorn& doc_;
    record_table_model* model_;
};

} // namespace ivorn
