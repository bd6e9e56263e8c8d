// Whole-row upserts of bound records with statements from the database's cache.
#include "store/bound_upserter.h"

#include <sqlite3.h>

#include "core/text_utils.h"
#include "store/recordset.h"

namespace ivorn {

bound_upserter::bound_upserter(database& db, const table_description& table) : db_(db), table_(table)
{
    id_column_ = table.column_index("ID");
    const std::string name = quote_identifier(table.name);
    find_sql_ = "SELECT rowid FROM " + name + " WHERE " + quote_identifier("ID") + " = ?1 ORDER BY ";
    for (const auto& key : table.key_columns())
        find_sql_ += quote_identifier(key) + ", ";
    find_sql_ += "rowid LIMIT 1";
    std::string columns;
    std::string values;
    update_sql_ = "UPDATE " + name + " SET ";
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const std::string column = quote_identifier(table.columns[i].name);
        columns += (i ? ", " : "") + column;
        values += i ? ", ?" : "?";
        update_sql_ += (i ? ", " : "") + column + " = ?";
    }
    update_sql_ += " WHERE rowid = ?";
    insert_sql_ = "INSERT INTO " + name + " (" + columns + ") VALUES (" + values + ")";
}

void bound_upserter::resolve(const binding_list& bindings)
{
    bool same = names_.size() == bindings.size();
    for (size_t i = 0; same && i < bindings.size(); ++i)
        same = names_[i] == bindings[i].column;
    if (same)
        return;
    names_.clear();
    columns_.clear();
    std::vector<bool> bound(table_.columns.size(), false);
    for (const auto& binding : bindings) {
        const int column = table_.column_index(binding.column);
        names_.push_back(binding.column);
        columns_.push_back(column);
        if (column >= 0)
            bound[static_cast<size_t>(column)] = true;
    }
    covers_every_column_ = true;
    for (const bool is_bound : bound)
        covers_every_column_ = covers_every_column_ && is_bound;
}

bool bound_upserter::upsert(std::int64_t id, const binding_list& bindings, std::string& log)
{
    if (id_column_ < 0 || !db_.is_open()) {
        log += "Unable to open table " + table_.name + "\r\n";
        return false;
    }
    resolve(bindings);
    if (!covers_every_column_)
        return upsert_through_set(id, bindings, log);
    // What a new row of the set filtered on this ID would hold, then the members over it; with
    // every column bound, the members alone.
    row_.resize(table_.columns.size());
    row_[static_cast<size_t>(id_column_)] = field_value(id);
    for (size_t i = 0; i < bindings.size(); ++i) {
        if (columns_[i] >= 0)
            row_[static_cast<size_t>(columns_[i])] = member_value(bindings[i].member);
    }
    for (size_t i = 0; i < row_.size(); ++i) {
        row_[i] = normalised_value(table_.columns[i], row_[i]);
        if (!check_column_value(table_, table_.columns[i], row_[i], log))
            return false;
    }
    std::int64_t row_id = -1;
    {
        const cached_statement find = db_.statement(find_sql_);
        if (!find) {
            log += "Unable to open table " + table_.name + "\r\n";
            return false;
        }
        sqlite3_bind_int64(find.get(), 1, id);
        const int step = sqlite3_step(find.get());
        if (step == SQLITE_ROW)
            row_id = sqlite3_column_int64(find.get(), 0);
        else if (step != SQLITE_DONE) {
            log += "Unable to open table " + table_.name + "\r\n";
            return false;
        }
    }
    return write_row(row_id, log);
}

bool bound_upserter::write_row(std::int64_t row_id, std::string& log)
{
    const cached_statement write = db_.statement(row_id < 0 ? insert_sql_ : update_sql_);
    if (!write) {
        log += format_printf("Database error: %s\r\n", sqlite3_errmsg(db_.handle()));
        return false;
    }
    int index = 1;
    for (size_t i = 0; i < row_.size(); ++i)
        bind_value(write.get(), index++, row_[i]);
    if (row_id >= 0)
        sqlite3_bind_int64(write.get(), index, row_id);
    if (sqlite3_step(write.get()) != SQLITE_DONE) {
        log += format_printf("Unable to update table %s: %s\r\n", table_.name.c_str(), sqlite3_errmsg(db_.handle()));
        return false;
    }
    return true;
}

bool bound_upserter::upsert_through_set(std::int64_t id, const binding_list& bindings, std::string& log)
{
    recordset set;
    if (!set.open(db_, table_, filter_by("ID", field_value(id)), log))
        return false;
    if (set.is_empty())
        set.add_new();
    else
        set.edit();
    save_bindings(set, bindings);
    return set.update(log);
}

} // namespace ivorn
