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
    std::string order = " ORDER BY ";
    for (const auto& key : table.key_columns())
        order += quote_identifier(key) + ", ";
    order += "rowid";
    // The first row of an ID in the table's order; all of them with their IDs, for a list.
    find_sql_ = "SELECT rowid FROM " + name + " WHERE " + quote_identifier("ID") + " = ?1" + order + " LIMIT 1";
    all_ids_sql_ = "SELECT " + quote_identifier("ID") + ", rowid FROM " + name + order;
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
    if (!find_row(id, row_id, log) || !write_row(row_id, log))
        return false;
    if (row_id < 0 && row_ids_read_)
        row_of_id_.emplace(id, sqlite3_last_insert_rowid(db_.handle()));
    return true;
}

bool bound_upserter::read_row_ids(std::string& log)
{
    const cached_statement all = db_.statement(all_ids_sql_);
    if (!all) {
        log += "Unable to open table " + table_.name + "\r\n";
        return false;
    }
    row_of_id_.clear();
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(all.get())) == SQLITE_ROW) {
        // Only what "ID = ?" would match: a whole number, stored as one or as an exact real.
        sqlite3_stmt* const row = all.get();
        const int type = sqlite3_column_type(row, 0);
        const double real = sqlite3_column_double(row, 0);
        const std::int64_t id = sqlite3_column_int64(row, 0);
        if (type == SQLITE_INTEGER || (type == SQLITE_FLOAT && real == static_cast<double>(id)))
            row_of_id_.emplace(id, sqlite3_column_int64(row, 1));
    }
    if (step != SQLITE_DONE) {
        log += "Unable to open table " + table_.name + "\r\n";
        return false;
    }
    row_ids_read_ = true;
    return true;
}

bool bound_upserter::find_row(std::int64_t id, std::int64_t& row_id, std::string& log)
{
    row_id = -1;
    if (row_ids_read_) {
        const auto found = row_of_id_.find(id);
        if (found != row_of_id_.end())
            row_id = found->second;
        return true;
    }
    sqlite3_stmt* const find = held(find_, find_sql_);
    if (!find) {
        log += "Unable to open table " + table_.name + "\r\n";
        return false;
    }
    sqlite3_bind_int64(find, 1, id);
    const int step = sqlite3_step(find);
    if (step == SQLITE_ROW)
        row_id = sqlite3_column_int64(find, 0);
    sqlite3_reset(find);
    if (step != SQLITE_ROW && step != SQLITE_DONE) {
        log += "Unable to open table " + table_.name + "\r\n";
        return false;
    }
    return true;
}

sqlite3_stmt* bound_upserter::held(cached_statement& slot, const std::string& sql)
{
    if (!slot)
        slot = db_.statement(sql);
    return slot.get();
}

bool bound_upserter::write_row(std::int64_t row_id, std::string& log)
{
    sqlite3_stmt* const write = row_id < 0 ? held(insert_, insert_sql_) : held(update_, update_sql_);
    if (!write) {
        log += format_printf("Database error: %s\r\n", sqlite3_errmsg(db_.handle()));
        return false;
    }
    int index = 1;
    for (size_t i = 0; i < row_.size(); ++i)
        bind_value(write, index++, row_[i]);
    if (row_id >= 0)
        sqlite3_bind_int64(write, index, row_id);
    const bool written = sqlite3_step(write) == SQLITE_DONE;
    if (!written)
        log += format_printf("Unable to update table %s: %s\r\n", table_.name.c_str(), sqlite3_errmsg(db_.handle()));
    sqlite3_reset(write);
    return written;
}

bool bound_upserter::upsert_through_set(std::int64_t id, const binding_list& bindings, std::string& log)
{
    // The set may add a row the map does not know of: back to a query per record.
    row_ids_read_ = false;
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
