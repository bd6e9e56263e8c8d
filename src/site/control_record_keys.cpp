// Key-order queries on "Control Records". Rows are ordered by ID and then by rowid, as a set of
// the table is; rows without an ID sort first, as SQLite orders NULL.
#include "site/control_record_keys.h"

#include <sqlite3.h>

#include <vector>

#include "site/control_record_descriptions.h"
#include "site/control_record_table.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

// The values as a set of the table reads them: an ID that is not an integer goes through the
// same conversions, a description that is not text likewise.
void read_key(sqlite3_stmt* statement, control_record_key& row)
{
    if (sqlite3_column_type(statement, 0) == SQLITE_INTEGER)
        row.id = static_cast<std::int32_t>(sqlite3_column_int64(statement, 0));
    else
        row.id = static_cast<std::int32_t>(value_as_integer(column_value(statement, 0)));
    if (sqlite3_column_type(statement, 1) == SQLITE_TEXT) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 1));
        row.description.assign(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(statement, 1)));
    } else {
        row.description = value_as_text(column_value(statement, 1));
    }
}

std::string unable_to_open() { return "Unable to open table " + control_records_table().name + "\r\n"; }

} // namespace

control_record_keys::control_record_keys(database& db) : db_(db)
{
    const table_description& table = control_records_table();
    const auto key = table.key_columns();
    table_ = quote_identifier(table.name);
    key_ = quote_identifier(key.empty() ? "ID" : key.front());
    columns_ = key_ + ", " + quote_identifier("Description");
}

bool control_record_keys::each(const std::function<void(control_record_key&)>& take, std::string& log)
{
    const cached_statement rows = db_.statement("SELECT " + columns_ + " FROM " + table_ + " ORDER BY " + key_ + ", rowid");
    if (!rows) {
        log += unable_to_open();
        return false;
    }
    control_record_key row;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(rows.get())) == SQLITE_ROW) {
        read_key(rows.get(), row);
        take(row);
    }
    if (step == SQLITE_DONE)
        return true;
    log += unable_to_open();
    return false;
}

long long control_record_keys::count(std::string& log)
{
    const cached_statement counted = db_.statement("SELECT count(*) FROM " + table_);
    if (!counted || sqlite3_step(counted.get()) != SQLITE_ROW) {
        log += unable_to_open();
        return -1;
    }
    return sqlite3_column_int64(counted.get(), 0);
}

bool control_record_keys::first_row(const std::string& sql, std::int64_t first, std::int64_t second,
                                    control_record_key& row)
{
    const cached_statement found = db_.statement(sql);
    if (!found)
        return false;
    sqlite3_bind_int64(found.get(), 1, first);
    if (sqlite3_bind_parameter_count(found.get()) > 1)
        sqlite3_bind_int64(found.get(), 2, second);
    if (sqlite3_step(found.get()) != SQLITE_ROW)
        return false;
    read_key(found.get(), row);
    return true;
}

bool control_record_keys::at_position(long position, control_record_key& row)
{
    if (position < 1)
        return false;
    return first_row("SELECT " + columns_ + " FROM " + table_ + " ORDER BY " + key_ + ", rowid LIMIT 1 OFFSET ?1",
                     position - 1, 0, row);
}

long long control_record_keys::count_where(const std::string& where, std::int32_t id)
{
    const cached_statement counted = db_.statement("SELECT count(*) FROM " + table_ + " WHERE " + where);
    if (!counted)
        return -1;
    if (sqlite3_bind_parameter_count(counted.get()) > 0)
        sqlite3_bind_int64(counted.get(), 1, id);
    if (sqlite3_step(counted.get()) != SQLITE_ROW)
        return -1;
    return sqlite3_column_int64(counted.get(), 0);
}

std::string control_record_keys::ends_sql() const
{
    // Each in a query of its own: the smallest and the largest are then read off the ends of the
    // key index, and a bare count(*) counts its pages, where one query would read every row.
    return "SELECT (SELECT min(" + key_ + ") FROM " + table_ + "), (SELECT max(" + key_ + ") FROM " + table_
           + "), (SELECT count(*) FROM " + table_ + ") - (SELECT count(*) FROM " + table_ + " WHERE " + key_
           + " IS NULL)";
}

bool control_record_keys::contains(std::int32_t id) { return count_where(key_ + " = ?1", id) > 0; }

bool control_record_keys::step(std::int32_t anchor, long offset, control_record_key& row)
{
    if (!contains(anchor))
        return false;
    // The anchor is the first row of its ID: the rows from it on are those of an ID at least as
    // large, and the rows before it those of a smaller ID.
    if (offset >= 0)
        return first_row("SELECT " + columns_ + " FROM " + table_ + " WHERE " + key_ + " >= ?1 ORDER BY " + key_
                             + ", rowid LIMIT 1 OFFSET ?2",
                         anchor, offset, row);
    const long back = -(offset + 1);
    if (first_row("SELECT " + columns_ + " FROM " + table_ + " WHERE " + key_ + " < ?1 ORDER BY " + key_
                      + " DESC, rowid DESC LIMIT 1 OFFSET ?2",
                  anchor, back, row))
        return true;
    // Rows without an ID come first of all.
    const long long smaller = count_where(key_ + " < ?1", anchor);
    if (smaller < 0 || back < smaller)
        return false;
    return first_row("SELECT " + columns_ + " FROM " + table_ + " WHERE " + key_
                         + " IS NULL ORDER BY rowid DESC LIMIT 1 OFFSET ?1",
                     back - smaller, 0, row);
}

long control_record_keys::position_of(std::int32_t id)
{
    if (!contains(id))
        return 0;
    // A count walks the key index over the rows it counts: count on the side of the ID nearer
    // its end (the record just added has the largest ID, the first record the smallest).
    const cached_statement ends = db_.statement(ends_sql());
    bool from_the_end = false;
    if (ends && sqlite3_step(ends.get()) == SQLITE_ROW && sqlite3_column_type(ends.get(), 0) == SQLITE_INTEGER
        && sqlite3_column_type(ends.get(), 1) == SQLITE_INTEGER) {
        const std::int64_t low = sqlite3_column_int64(ends.get(), 0);
        const std::int64_t high = sqlite3_column_int64(ends.get(), 1);
        from_the_end = high - id < id - low;
    }
    if (from_the_end) {
        std::string ignored;
        const long long rows = count(ignored);
        const long long from_it = count_where(key_ + " >= ?1", id);
        return rows < 0 || from_it < 0 ? 0 : static_cast<long>(rows - from_it + 1);
    }
    const long long smaller = count_where(key_ + " < ?1", id);
    const long long without_id = count_where(key_ + " IS NULL", id);
    return smaller < 0 || without_id < 0 ? 0 : static_cast<long>(smaller + without_id + 1);
}

bool control_record_keys::has_unique_key()
{
    const cached_statement indexes = db_.statement("PRAGMA index_list(" + table_ + ")");
    if (!indexes)
        return false;
    std::vector<std::string> unique;
    while (sqlite3_step(indexes.get()) == SQLITE_ROW) {
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(indexes.get(), 1));
        if (name && sqlite3_column_int(indexes.get(), 2) == 1 && sqlite3_column_int(indexes.get(), 4) == 0)
            unique.emplace_back(name);
    }
    for (const std::string& index : unique) {
        const cached_statement columns = db_.statement("PRAGMA index_info(" + quote_identifier(index) + ")");
        int count = 0;
        bool on_key = false;
        while (columns && sqlite3_step(columns.get()) == SQLITE_ROW) {
            ++count;
            const auto* column = reinterpret_cast<const char*>(sqlite3_column_text(columns.get(), 2));
            on_key = column && quote_identifier(column) == key_;
        }
        if (count == 1 && on_key)
            return true;
    }
    return false;
}

std::int64_t control_record_keys::dense_free_id()
{
    // Unique IDs from 1 to as many as there are rows leave no gap: the next is one past the
    // largest. Found from the ends of the key index and a count, without reading every ID.
    if (!has_unique_key())
        return 0;
    const cached_statement ends = db_.statement(ends_sql());
    if (!ends || sqlite3_step(ends.get()) != SQLITE_ROW)
        return 0;
    if (sqlite3_column_type(ends.get(), 0) != SQLITE_INTEGER || sqlite3_column_type(ends.get(), 1) != SQLITE_INTEGER)
        return 0;
    const std::int64_t low = sqlite3_column_int64(ends.get(), 0);
    const std::int64_t high = sqlite3_column_int64(ends.get(), 1);
    const std::int64_t rows = sqlite3_column_int64(ends.get(), 2);
    if (low != 1 || high != rows || high + 1 >= 2147483647)
        return 0;
    return high + 1;
}

std::int64_t control_record_keys::next_free_id(std::string& log)
{
    if (const std::int64_t dense = dense_free_id(); dense > 0)
        return dense;
    std::vector<std::int32_t> ids;
    const auto take = [&ids](const field_value& id) { ids.push_back(static_cast<std::int32_t>(value_as_integer(id))); };
    if (!each_column_value(db_, control_records_table(), "ID", take, log))
        return -1;
    return smallest_free_id(ids);
}

} // namespace ivorn
