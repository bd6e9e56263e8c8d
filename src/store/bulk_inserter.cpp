// Prepared-statement appends.
#include "store/bulk_inserter.h"

#include <sqlite3.h>

#include "core/text_utils.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

field_value zero_for(const column_description& column)
{
    if (column.type == column_type::text)
        return field_value(std::string());
    if (column.type == column_type::single_float)
        return field_value(0.0);
    return field_value(std::int64_t{0});
}

} // namespace

bulk_inserter::~bulk_inserter()
{
    if (insert_)
        sqlite3_finalize(insert_);
}

bool bulk_inserter::prepare(database& db, const table_description& table, std::string& log)
{
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
    row_.clear();
    for (const auto& column : table.columns)
        row_.push_back(zero_for(column));
    return true;
}

void bulk_inserter::set(int column, field_value value)
{
    if (column >= 0 && static_cast<size_t>(column) < row_.size())
        row_[static_cast<size_t>(column)] = std::move(value);
}

void bulk_inserter::set(std::string_view column, field_value value)
{
    if (table_)
        set(table_->column_index(column), std::move(value));
}

bool bulk_inserter::insert_row(std::string& log)
{
    if (!insert_ || !db_->can_write(log))
        return false;
    sqlite3_reset(insert_);
    for (size_t i = 0; i < row_.size(); ++i) {
        bind_value(insert_, static_cast<int>(i + 1), row_[i]);
        row_[i] = zero_for(table_->columns[i]);
    }
    if (sqlite3_step(insert_) != SQLITE_DONE) {
        log += format_printf("Unable to add a row to %s: %s\r\n", table_->name.c_str(), sqlite3_errmsg(db_->handle()));
        return false;
    }
    ++rows_;
    return true;
}

} // namespace ivorn
