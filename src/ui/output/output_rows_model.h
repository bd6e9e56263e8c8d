// Table Output's model over the record store: one output table's rows of one record, read as
// the view asks for them, sortable by any column and narrowed by a text filter on the store side.
#pragma once

#include <QAbstractTableModel>

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "output/output_rows.h"

namespace ivorn {

class output_rows_model : public QAbstractTableModel {
public:
    output_rows_model(database& db, const table_description& table, std::int32_t record_id, QObject* parent = nullptr);

    bool ok() const { return ok_; }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // While this answers true (a run owns the database on the worker thread) nothing is read:
    // rows not read yet show empty, and sorting and filtering wait.
    void set_blocked(std::function<bool()> blocked) { blocked_ = std::move(blocked); }
    // Keeps the rows where `text` occurs in `column` (-1: in any column).
    void set_filter(const QString& text, int column);
    const table_description& table() const { return rows_.table(); }
    // The values of one row as stored, for copying and export.
    const std::vector<field_value>* row(int index) const;
    // A value as the table shows it.
    static QString display_text(const field_value& value);

private:
    void rearrange();
    mutable output_rows rows_;
    bool ok_ = false;
    int sort_column_ = -1;
    bool descending_ = false;
    std::string filter_;
    int filter_column_ = -1;
    // The rows read last; a view shows a few dozen at a time.
    mutable std::unordered_map<int, std::vector<field_value>> cache_;
    std::function<bool()> blocked_;
};

} // namespace ivorn
