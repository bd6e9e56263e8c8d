// view_control_record_table's model: one line per entry of the control-record list under the
// header "#    ID Description", with "..." where a lazy list skips positions. The lines are a copy
// taken at each recount, so that painting never reads the list while a worker changes it.
#pragma once

#include <QAbstractTableModel>

#include <cstdint>
#include <string>
#include <vector>

namespace ivorn {

class list_control_record_descriptions;

class record_table_model : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class line_kind { header, entry, gap };
    struct line {
        line_kind kind = line_kind::header;
        long position = 0;
        std::int32_t id = 0;
        std::string text;
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Hint other than 0: the lines are counted and copied anew.
    void recount(const list_control_record_descriptions& list, long current_position);
    // Hint 0: only the highlight follows the current position. Falls back to a recount when the
    // list no longer matches the lines (a store that renumbered it, for one). Returns the row.
    int move_highlight(const list_control_record_descriptions& list, long current_position);

    const line* line_at(int row) const;
    // The row showing a position, or -1.
    int row_of(long position) const;
    int current_row() const { return current_row_; }

private:
    bool matches(const list_control_record_descriptions& list, int row) const;
    void set_current_row(int row);

    std::vector<line> lines_;
    int current_row_ = -1;
};

} // namespace ivorn
