// Prepared-statement appends.
#include "store/bulk_inserter.h"

#include <sqlite3.h>

#include "core/text_utils.h"
#include "store/recordset.h"

namespace ivorn {

bulk_inserter::~bulk_inserter()
{
    if (insert_)
        sqlite3_finalize(insert_);
}

bool bulk_inserter::prepare(database& db, const table_description& table, std::string& log)
{
    if (insert_)
        sqlite3_finalize(insert_);
    insert_ = nullptr;
    std::string sql = "INSERT INTO " + quote_identifier(table.name) + " (";
    std::string values;
    for (size_t i = 0; i < table.columns.size(); ++i) {
        sql += (i ? ", " : "") + quote_identifier(table.columns[i].name);
        values += i ? ", ?" : "?";
    }
    sql += ") VALUES (" + values + ")";
    if (!db.is_open() || sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &insert_, nullptr) != SQLITE_OK) {
        log += "Unable to open table " + table.name + "\r\n";
        return false;
    }
    db_ = &db;
    table_ = &table;
    set_now_.assign(table.columns.size(), 0);
    bound_.assign(table.columns.size(), 0);
    for (size_t i = 0; i < table.columns.size(); ++i)
        bind_zero(i);
    return true;
}

void bulk_inserter::bind_zero(size_t column)
{
    const int index = static_cast<int>(column + 1);
    const column_type type = table_->columns[column].type;
    if (type == column_type::text)
        sqlite3_bind_text(insert_, index, "", 0, SQLITE_STATIC);
    else if (type == column_type::single_float)
        sqlite3_bind_double(insert_, index, 0.0);
    else
        sqlite3_bind_int64(insert_, index, 0);
}

bool bulk_inserter::take(int column)
{
    if (!insert_ || column < 0 || static_cast<size_t>(column) >= set_now_.size())
        return false;
    set_now_[static_cast<size_t>(column)] = 1;
    return true;
}

void bulk_inserter::set(int column, const field_value& value)
{
    if (take(column))
        bind_value(insert_, column + 1, value);
}

void bulk_inserter::set(std::string_view column, const field_value& value)
{
    if (table_)
        set(table_->column_index(column), value);
}

void bulk_inserter::set_integer(int column, std::int64_t value)
{
    if (take(column))
        sqlite3_bind_int64(insert_, column + 1, value);
}

void bulk_inserter::set_single(int column, float value)
{
    if (take(column))
        sqlite3_bind_double(insert_, column + 1, static_cast<double>(value));
}

void bulk_inserter::set_text(int column, std::string_view value)
{
    if (take(column))
        sqlite3_bind_text(insert_, column + 1, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
}

bool bulk_inserter::insert_row(std::string& log)
{
    if (!insert_ || !db_->can_write(log))
        return false;
    // A column set for the last row but not for this one goes back to its zero.
    for (size_t i = 0; i < set_now_.size(); ++i) {
        if (set_now_[i])
            bound_[i] = 1;
        else if (bound_[i]) {
            bind_zero(i);
            bound_[i] = 0;
        }
        set_now_[i] = 0;
    }
    // Reset at once, so that the next row's values can be bound as they are read.
    const bool added = sqlite3_step(insert_) == SQLITE_DONE;
    if (!added)
        log += format_printf("Unable to add a row to %s: %s\r\n", table_->name.c_str(), sqlite3_errmsg(db_->handle()));
    sqlite3_reset(insert_);
    if (!added)
        return false;
    ++rows_;
    return true;
}

} // namespace ivorn
