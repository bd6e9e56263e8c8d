// Row ids are read in one query per arrangement; values are read per row through one cached
// statement, so that a table of a million rows opens as fast as its ids can be listed.
#include "output/output_rows.h"

#include <sqlite3.h>

#include "core/text_utils.h"
#include "output/output_tables.h"
#include "store/recordset.h"

namespace ivorn {

const std::string& record_id_column(const table_description& table)
{
    const int farm = table.column_index("Farm Id");
    return table.columns[farm >= 0 ? static_cast<size_t>(farm) : 0].name;
}

std::vector<const table_description*> output_tables_with_rows(database& db, std::int32_t record_id)
{
    std::vector<const table_description*> tables;
    for (const table_description* table : run_output_tables()) {
        cached_statement statement = db.statement("SELECT EXISTS (SELECT 1 FROM " + quote_identifier(table->name) +
                                                  " WHERE " + quote_identifier(record_id_column(*table)) + " = ?1)");
        if (!statement)
            continue;
        sqlite3_bind_int64(statement.get(), 1, record_id);
        if (sqlite3_step(statement.get()) == SQLITE_ROW && sqlite3_column_int(statement.get(), 0))
            tables.push_back(table);
    }
    return tables;
}

bool output_rows::open(database& db, const table_description& table, std::int32_t record_id, std::string& log)
{
    db_ = &db;
    table_ = &table;
    record_id_ = record_id;
    read_sql_ = "SELECT ";
    for (size_t i = 0; i < table.columns.size(); ++i)
        read_sql_ += (i ? ", " : "") + quote_identifier(table.columns[i].name);
    read_sql_ += " FROM " + quote_identifier(table.name) + " WHERE rowid = ?1";
    return arrange(-1, false, "", -1, log);
}

bool output_rows::arrange(int sort_column, bool descending, const std::string& filter, int filter_column,
                          std::string& log)
{
    const table_description& table = *table_;
    std::string sql = "SELECT rowid FROM " + quote_identifier(table.name) + " WHERE " +
                      quote_identifier(record_id_column(table)) + " = ?1";
    if (!filter.empty()) {
        std::string terms;
        for (size_t i = 0; i < table.columns.size(); ++i) {
            if (filter_column >= 0 && static_cast<size_t>(filter_column) != i)
                continue;
            terms += (terms.empty() ? "" : " OR ") + std::string("INSTR(LOWER(CAST(") +
                     quote_identifier(table.columns[i].name) + " AS TEXT)), LOWER(?2)) > 0";
        }
        sql += " AND (" + terms + ")";
    }
    sql += " ORDER BY ";
    if (sort_column >= 0 && static_cast<size_t>(sort_column) < table.columns.size())
        sql += quote_identifier(table.columns[static_cast<size_t>(sort_column)].name) + (descending ? " DESC, " : ", ");
    sql += "rowid";
    cached_statement statement = db_->statement(sql);
    if (!statement) {
        log += "Unable to open table " + table.name + "\r\n";
        return false;
    }
    sqlite3_bind_int64(statement.get(), 1, record_id_);
    if (!filter.empty())
        sqlite3_bind_text(statement.get(), 2, filter.c_str(), static_cast<int>(filter.size()), SQLITE_TRANSIENT);
    row_ids_.clear();
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement.get())) == SQLITE_ROW)
        row_ids_.push_back(sqlite3_column_int64(statement.get(), 0));
    if (step != SQLITE_DONE) {
        log += format_printf("Unable to read table %s: %s\r\n", table.name.c_str(), sqlite3_errmsg(db_->handle()));
        return false;
    }
    return true;
}

bool output_rows::read(size_t index, std::vector<field_value>& values)
{
    if (index >= row_ids_.size())
        return false;
    cached_statement statement = db_->statement(read_sql_);
    if (!statement)
        return false;
    sqlite3_bind_int64(statement.get(), 1, row_ids_[index]);
    if (sqlite3_step(statement.get()) != SQLITE_ROW)
        return false;
    values.resize(table_->columns.size());
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = column_value(statement.get(), static_cast<int>(i));
    return true;
}

} // namespace ivorn
