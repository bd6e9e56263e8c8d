// An updatable set of rows of one table: rows in key order ("PrimaryKey"), or in insertion order
// for a table without one, optionally narrowed by a filter. The set holds the row ids only and
// reads a row when it becomes current, so opening a table of 100 000 records stays cheap.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/database.h"
#include "store/field_value.h"

struct sqlite3_stmt;

namespace ivorn {

class recordset {
public:
    enum class mode { updatable, read_only };

    recordset() = default;
    recordset(const recordset&) = delete;
    recordset& operator=(const recordset&) = delete;
    ~recordset();

    // On failure appends "Unable to open table NAME\r\n".
    bool open(database& db, const table_description& table, const record_filter& filter, std::string& log,
              mode open_mode = mode::updatable);
    bool open(database& db, std::string_view table_name, const record_filter& filter, std::string& log,
              mode open_mode = mode::updatable);
    bool is_open() const { return db_ != nullptr; }
    void close();

    const table_description& table() const { return *table_; }
    size_t row_count() const { return row_ids_.size(); }

    bool is_empty() const { return row_ids_.empty(); }
    bool is_eof() const { return position_ >= static_cast<long long>(row_ids_.size()); }
    bool is_bof() const { return position_ < 0; }
    void move_first() { move_to(0); }
    void move_last() { move_to(static_cast<long long>(row_ids_.size()) - 1); }
    void move_next() { move_to(position_ + 1); }
    void move_previous() { move_to(position_ - 1); }
    // Zero-based place of the current row in the set.
    long long position() const { return position_; }
    void move_to(long long position);

    // Values of the current row (or of the pending new/edited row).
    const field_value& get(int column) const;
    const field_value& get(std::string_view column) const;
    std::int64_t get_integer(std::string_view column) const { return value_as_integer(get(column)); }
    double get_real(std::string_view column) const { return value_as_real(get(column)); }
    std::string get_text(std::string_view column) const { return value_as_text(get(column)); }
    const std::vector<field_value>& current_row() const { return row_; }

    void add_new();
    bool edit();
    void set(int column, field_value value);
    void set(std::string_view column, field_value value);
    // Stores the pending add or edit; an added row becomes current.
    bool update(std::string& log);
    void cancel_update();
    bool delete_current(std::string& log);

    // Makes the row whose key equals these values current; false (position unchanged) if none.
    bool seek(const std::vector<field_value>& key);
    // From the first row, the first whose first column equals `id`.
    bool find_by_key(std::int64_t id);

private:
    bool load_current();
    long long index_of_row_id(std::int64_t row_id);

    database* db_ = nullptr;
    const table_description* table_ = nullptr;
    record_filter filter_;
    bool read_only_ = false;
    std::vector<std::int64_t> row_ids_;
    std::unordered_map<std::int64_t, long long> position_of_row_;
    long long position_ = -1;
    std::vector<field_value> row_;
    enum class pending { none, adding, editing } pending_ = pending::none;
    // Reads the current row; the statement itself stays in the database's cache.
    std::string select_sql_;
};

// One column of every row, in the order a set of the table has, without reading the other
// columns: what a command needs to find the numbers in use. On failure "Unable to open table
// NAME" is logged.
bool each_column_value(database& db, const table_description& table, std::string_view column,
                       const std::function<void(const field_value&)>& take, std::string& log);

// Every row matching a filter (all rows for an empty one) with all its columns, by the table's
// column index, in the order a set of the table has, from one query: many rows load without a
// statement and a read per row. On failure "Unable to open table NAME" is logged.
bool each_row(database& db, const table_description& table, const record_filter& filter,
              const std::function<void(const std::vector<field_value>&)>& take, std::string& log);

// Deletes the rows matching a filter (all rows for an empty one); the count deleted, -1 on failure.
long long delete_rows(database& db, const table_description& table, const record_filter& filter, std::string& log);

// A column of a stepped statement as the store hands values around.
field_value column_value(sqlite3_stmt* statement, int index);
// What a new row holds in a column before anything is set: 0, 0.0 or "".
field_value empty_value(const column_description& column);
// The value as the column holds it: integers for integer columns, a single's exact value for
// reals, text for text.
field_value normalised_value(const column_description& column, const field_value& value);
// False, with the reason logged, when the value does not fit the column's type or text size.
bool check_column_value(const table_description& table, const column_description& column, const field_value& value,
                        std::string& log);
// Sets one column of the rows matching a filter to `value`; the count changed, -1 on failure.
long long update_rows(database& db, const table_description& table, const record_filter& filter,
                      std::string_view column, const field_value& value, std::string& log);

// " ORDER BY key..., rowid": the order every set of the table has.
std::string order_clause(const table_description& table);
// "WHERE a = ? AND b = ?" for a filter, empty for none.
std::string where_clause(const record_filter& filter);
void bind_value(sqlite3_stmt* statement, int index, const field_value& value);

} // namespace ivorn
