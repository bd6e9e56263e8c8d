// Rewrites a filtered set's rows with one SELECT, then one reused UPDATE, DELETE or INSERT per row.
#include "store/ordered_rows.h"

#include <sqlite3.h>

#include <cstdint>
#include <vector>

#include "core/text_utils.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

bool row_ids_of(database& db, const table_description& table, const record_filter& filter,
                std::vector<std::int64_t>& ids, std::string& log)
{
    const std::string failure = "Unable to open table " + table.name + "\r\n";
    for (const auto& term : filter) {
        if (table.column_index(term.column) < 0) {
            log += failure;
            return false;
        }
    }
    const cached_statement rows =
        db.statement("SELECT rowid FROM " + quote_identifier(table.name) + where_clause(filter) + order_clause(table));
    if (!rows) {
        log += failure;
        return false;
    }
    for (size_t i = 0; i < filter.size(); ++i)
        bind_value(rows.get(), static_cast<int>(i + 1), filter[i].value);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(rows.get())) == SQLITE_ROW)
        ids.push_back(sqlite3_column_int64(rows.get(), 0));
    if (step == SQLITE_DONE)
        return true;
    log += failure;
    return false;
}

// A row's column values are stepped through one statement of the database's cache.
bool step_statement(database& db, const std::string& sql, const std::vector<field_value>* row, std::int64_t row_id,
                    const char* verb, const table_description& table, std::string& log)
{
    const cached_statement statement = db.statement(sql);
    if (!statement) {
        log += format_printf("Database error: %s\r\n", sqlite3_errmsg(db.handle()));
        return false;
    }
    int index = 1;
    if (row) {
        for (size_t i = 0; i < row->size(); ++i)
            bind_value(statement.get(), index++, normalised_value(table.columns[i], (*row)[i]));
    }
    if (row_id >= 0)
        sqlite3_bind_int64(statement.get(), index, row_id);
    if (sqlite3_step(statement.get()) == SQLITE_DONE)
        return true;
    log += format_printf("Unable to %s table %s: %s\r\n", verb, table.name.c_str(), sqlite3_errmsg(db.handle()));
    return false;
}

} // namespace

bool store_rows_in_order(database& db, const table_description& table, const record_filter& filter,
                         const binding_list& bindings, size_t count, const std::function<void(size_t)>& fill,
                         std::string& log)
{
    std::vector<std::int64_t> ids;
    if (!db.is_open()) {
        log += "Unable to open table " + table.name + "\r\n";
        return false;
    }
    if (!row_ids_of(db, table, filter, ids, log) || !db.can_write(log))
        return false;
    std::vector<int> columns;
    std::vector<bool> bound(table.columns.size(), false);
    for (const auto& binding : bindings) {
        columns.push_back(table.column_index(binding.column));
        if (columns.back() >= 0)
            bound[static_cast<size_t>(columns.back())] = true;
    }
    bool covers_every_column = true;
    for (const bool is_bound : bound)
        covers_every_column = covers_every_column && is_bound;
    const std::string name = quote_identifier(table.name);
    std::string names;
    std::string values;
    std::string update = "UPDATE " + name + " SET ";
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const std::string column = quote_identifier(table.columns[i].name);
        names += (i ? ", " : "") + column;
        values += i ? ", ?" : "?";
        update += (i ? ", " : "") + column + " = ?";
    }
    update += " WHERE rowid = ?";
    const std::string insert = "INSERT INTO " + name + " (" + names + ") VALUES (" + values + ")";
    const std::string select = "SELECT " + names + " FROM " + name + " WHERE rowid = ?";
    std::vector<field_value> row(table.columns.size());
    for (size_t i = 0; i < count; ++i) {
        const bool rewriting = i < ids.size();
        if (rewriting && !covers_every_column) {
            const cached_statement current = db.statement(select);
            if (!current)
                return false;
            sqlite3_bind_int64(current.get(), 1, ids[i]);
            if (sqlite3_step(current.get()) != SQLITE_ROW)
                return false;
            for (size_t c = 0; c < row.size(); ++c)
                row[c] = column_value(current.get(), static_cast<int>(c));
        } else if (!rewriting) {
            for (size_t c = 0; c < row.size(); ++c)
                row[c] = empty_value(table.columns[c]);
            for (const auto& term : filter)
                row[static_cast<size_t>(table.column_index(term.column))] = term.value;
        }
        fill(i);
        for (size_t b = 0; b < bindings.size(); ++b) {
            if (columns[b] >= 0)
                row[static_cast<size_t>(columns[b])] = member_value(bindings[b].member);
        }
        for (size_t c = 0; c < row.size(); ++c) {
            if (!check_column_value(table, table.columns[c], row[c], log))
                return false;
        }
        if (!step_statement(db, rewriting ? update : insert, &row, rewriting ? ids[i] : -1,
                            "update", table, log))
            return false;
    }
    const std::string remove = "DELETE FROM " + name + " WHERE rowid = ?";
    for (size_t i = count; i < ids.size(); ++i) {
        if (!step_statement(db, remove, nullptr, ids[i], "delete from", table, log))
            return false;
    }
    return true;
}

} // namespace ivorn
