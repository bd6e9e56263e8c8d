// Recordset over SQLite: the set keeps row ids in order and fetches a row when it is visited.
#include "store/recordset.h"

#include <sqlite3.h>

#include <cmath>
#include <limits>

#include "core/text_utils.h"

namespace ivorn {
namespace {

const field_value null_value{};

} // namespace

std::string order_clause(const table_description& table)
{
    std::string order = " ORDER BY ";
    for (const auto& column : table.key_columns())
        order += quote_identifier(column) + ", ";
    return order + "rowid";
}

field_value column_value(sqlite3_stmt* statement, int index)
{
    switch (sqlite3_column_type(statement, index)) {
    case SQLITE_INTEGER:
        return field_value(static_cast<std::int64_t>(sqlite3_column_int64(statement, index)));
    case SQLITE_FLOAT:
        return field_value(sqlite3_column_double(statement, index));
    case SQLITE_NULL:
        return field_value();
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
        return field_value(std::string(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(statement, index))));
    }
    }
}

field_value empty_value(const column_description& column)
{
    switch (column.type) {
    case column_type::text:
        return field_value(std::string());
    case column_type::single_float:
        return field_value(0.0);
    default:
        return field_value(std::int64_t{0});
    }
}

// The value as the column holds it: integers for integer columns, a single's exact value for
// reals, text for text.
field_value normalised_value(const column_description& column, const field_value& value)
{
    switch (column.type) {
    case column_type::text:
        return field_value(value_as_text(value));
    case column_type::single_float:
        return field_value(static_cast<double>(static_cast<float>(value_as_real(value))));
    default:
        if (std::holds_alternative<std::monostate>(value))
            return value;
        return field_value(value_as_integer(value));
    }
}

std::string where_clause(const record_filter& filter)
{
    std::string where;
    for (size_t i = 0; i < filter.size(); ++i)
        where += (i ? " AND " : " WHERE ") + quote_identifier(filter[i].column) + " = ?";
    return where;
}

void bind_value(sqlite3_stmt* statement, int index, const field_value& value)
{
    if (const auto* integer = std::get_if<std::int64_t>(&value))
        sqlite3_bind_int64(statement, index, *integer);
    else if (const auto* real = std::get_if<double>(&value))
        sqlite3_bind_double(statement, index, *real);
    else if (const auto* text = std::get_if<std::string>(&value))
        sqlite3_bind_text(statement, index, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
    else
        sqlite3_bind_null(statement, index);
}

recordset::~recordset() { close(); }

void recordset::close()
{
    select_sql_.clear();
    db_ = nullptr;
    row_ids_.clear();
    position_of_row_.clear();
    row_.clear();
    position_ = -1;
    pending_ = pending::none;
}

bool recordset::open(database& db, std::string_view table_name, const record_filter& filter, std::string& log,
                     mode open_mode)
{
    const table_description* table = db.table(table_name);
    if (!table) {
        close();
        log += "Unable to open table " + std::string(table_name) + "\r\n";
        return false;
    }
    return open(db, *table, filter, log, open_mode);
}

bool recordset::open(database& db, const table_description& table, const record_filter& filter, std::string& log,
                     mode open_mode)
{
    close();
    const std::string failure = "Unable to open table " + table.name + "\r\n";
    if (!db.is_open()) {
        log += failure;
        return false;
    }
    for (const auto& term : filter) {
        if (table.column_index(term.column) < 0) {
            log += failure;
            return false;
        }
    }
    const std::string sql = "SELECT rowid FROM " + quote_identifier(table.name) + where_clause(filter) + order_clause(table);
    int step = SQLITE_ROW;
    {
        const cached_statement rows = db.statement(sql);
        if (!rows) {
            log += failure;
            return false;
        }
        for (size_t i = 0; i < filter.size(); ++i)
            bind_value(rows.get(), static_cast<int>(i + 1), filter[i].value);
        while ((step = sqlite3_step(rows.get())) == SQLITE_ROW)
            row_ids_.push_back(sqlite3_column_int64(rows.get(), 0));
    }
    if (step != SQLITE_DONE) {
        row_ids_.clear();
        log += failure;
        return false;
    }
    std::string select = "SELECT ";
    for (size_t i = 0; i < table.columns.size(); ++i)
        select += (i ? ", " : "") + quote_identifier(table.columns[i].name);
    select += " FROM " + quote_identifier(table.name) + " WHERE rowid = ?";
    if (!db.statement(select)) {
        row_ids_.clear();
        log += failure;
        return false;
    }
    db_ = &db;
    table_ = &table;
    select_sql_ = std::move(select);
    filter_ = filter;
    read_only_ = open_mode == mode::read_only;
    move_first();
    return true;
}

void recordset::move_to(long long position)
{
    pending_ = pending::none;
    const long long size = static_cast<long long>(row_ids_.size());
    position_ = position < 0 ? -1 : (position > size ? size : position);
    row_.clear();
    if (!is_bof() && !is_eof())
        load_current();
}

bool recordset::load_current()
{
    row_.clear();
    const cached_statement select = db_->statement(select_sql_);
    if (!select)
        return false;
    sqlite3_bind_int64(select.get(), 1, row_ids_[static_cast<size_t>(position_)]);
    if (sqlite3_step(select.get()) != SQLITE_ROW)
        return false;
    const int columns = static_cast<int>(table_->columns.size());
    row_.reserve(static_cast<size_t>(columns));
    for (int i = 0; i < columns; ++i)
        row_.push_back(column_value(select.get(), i));
    return true;
}

const field_value& recordset::get(int column) const
{
    if (column < 0 || static_cast<size_t>(column) >= row_.size())
        return null_value;
    return row_[static_cast<size_t>(column)];
}

const field_value& recordset::get(std::string_view column) const
{
    return table_ ? get(table_->column_index(column)) : null_value;
}

void recordset::add_new()
{
    if (!table_)
        return;
    row_.clear();
    for (const auto& column : table_->columns)
        row_.push_back(empty_value(column));
    // A new row of a filtered set carries the filter's values, as it must to be seen in the set.
    for (const auto& term : filter_)
        set(term.column, term.value);
    pending_ = pending::adding;
}

bool recordset::edit()
{
    if (!table_ || is_bof() || is_eof() || row_.empty())
        return false;
    pending_ = pending::editing;
    return true;
}

void recordset::set(int column, field_value value)
{
    if (column < 0 || static_cast<size_t>(column) >= row_.size())
        return;
    row_[static_cast<size_t>(column)] = std::move(value);
}

void recordset::set(std::string_view column, field_value value)
{
    if (table_)
        set(table_->column_index(column), std::move(value));
}

bool check_column_value(const table_description& table, const column_description& column, const field_value& value,
                        std::string& log)
{
    if (std::holds_alternative<std::monostate>(value))
        return true;
    const auto out_of_range = [&]() {
        log += format_printf("Value %s does not fit column [%s] of table %s\r\n", value_as_text(value).c_str(),
                             column.name.c_str(), table.name.c_str());
        return false;
    };
    switch (column.type) {
    case column_type::long_int: {
        const auto v = value_as_integer(value);
        return (v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max()) || out_of_range();
    }
    case column_type::short_int: {
        const auto v = value_as_integer(value);
        return (v >= std::numeric_limits<std::int16_t>::min() && v <= std::numeric_limits<std::int16_t>::max()) || out_of_range();
    }
    case column_type::byte_int: {
        const auto v = value_as_integer(value);
        return (v >= 0 && v <= 255) || out_of_range();
    }
    case column_type::single_float: {
        const double v = value_as_real(value);
        return (std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max()) || out_of_range();
    }
    case column_type::text:
        if (column.text_size > 0 && value_as_text(value).size() > static_cast<size_t>(column.text_size)) {
            log += format_printf("Text of %zu characters is too long for column [%s] (%d) of table %s\r\n",
                                 value_as_text(value).size(), column.name.c_str(), column.text_size, table.name.c_str());
            return false;
        }
        return true;
    }
    return true;
}

bool recordset::update(std::string& log)
{
    if (!db_ || pending_ == pending::none)
        return false;
    if (read_only_) {
        log += "Table " + table_->name + " is open read-only\r\n";
        return false;
    }
    for (size_t i = 0; i < table_->columns.size(); ++i) {
        if (!check_column_value(*table_, table_->columns[i], row_[i], log))
            return false;
    }
    if (!db_->can_write(log))
        return false;
    std::string sql;
    if (pending_ == pending::adding) {
        sql = "INSERT INTO " + quote_identifier(table_->name) + " (";
        std::string values;
        for (size_t i = 0; i < table_->columns.size(); ++i) {
            sql += (i ? ", " : "") + quote_identifier(table_->columns[i].name);
            values += i ? ", ?" : "?";
        }
        sql += ") VALUES (" + values + ")";
    } else {
        sql = "UPDATE " + quote_identifier(table_->name) + " SET ";
        for (size_t i = 0; i < table_->columns.size(); ++i)
            sql += (i ? ", " : "") + quote_identifier(table_->columns[i].name) + " = ?";
        sql += " WHERE rowid = ?";
    }
    {
        const cached_statement statement = db_->statement(sql);
        if (!statement) {
            log += format_printf("Database error: %s\r\n", sqlite3_errmsg(db_->handle()));
            return false;
        }
        int index = 1;
        for (size_t i = 0; i < table_->columns.size(); ++i)
            bind_value(statement.get(), index++, normalised_value(table_->columns[i], row_[i]));
        if (pending_ == pending::editing)
            sqlite3_bind_int64(statement.get(), index, row_ids_[static_cast<size_t>(position_)]);
        if (sqlite3_step(statement.get()) != SQLITE_DONE) {
            log += format_printf("Unable to update table %s: %s\r\n", table_->name.c_str(),
                                 sqlite3_errmsg(db_->handle()));
            return false;
        }
    }
    if (pending_ == pending::adding) {
        row_ids_.push_back(sqlite3_last_insert_rowid(db_->handle()));
        position_of_row_.clear();
        position_ = static_cast<long long>(row_ids_.size()) - 1;
    }
    pending_ = pending::none;
    load_current();
    return true;
}

void recordset::cancel_update()
{
    const bool was_pending = pending_ != pending::none;
    pending_ = pending::none;
    if (was_pending && !is_bof() && !is_eof())
        load_current();
}

bool recordset::delete_current(std::string& log)
{
    if (!db_ || is_bof() || is_eof())
        return false;
    if (read_only_) {
        log += "Table " + table_->name + " is open read-only\r\n";
        return false;
    }
    if (!db_->can_write(log))
        return false;
    const std::string sql = "DELETE FROM " + quote_identifier(table_->name) + " WHERE rowid = ?";
    {
        const cached_statement statement = db_->statement(sql);
        if (!statement) {
            log += format_printf("Database error: %s\r\n", sqlite3_errmsg(db_->handle()));
            return false;
        }
        sqlite3_bind_int64(statement.get(), 1, row_ids_[static_cast<size_t>(position_)]);
        if (sqlite3_step(statement.get()) != SQLITE_DONE) {
            log += format_printf("Unable to delete from table %s: %s\r\n", table_->name.c_str(),
                                 sqlite3_errmsg(db_->handle()));
            return false;
        }
    }
    // As with the model's recordsets, the deleted row leaves no current row behind, and the next
    // move_next lands on its successor.
    row_ids_.erase(row_ids_.begin() + position_);
    position_of_row_.clear();
    row_.clear();
    --position_;
    pending_ = pending::none;
    return true;
}

long long recordset::index_of_row_id(std::int64_t row_id)
{
    if (position_of_row_.empty()) {
        position_of_row_.reserve(row_ids_.size());
        for (size_t i = 0; i < row_ids_.size(); ++i)
            position_of_row_.emplace(row_ids_[i], static_cast<long long>(i));
    }
    const auto found = position_of_row_.find(row_id);
    return found == position_of_row_.end() ? -1 : found->second;
}

bool recordset::seek(const std::vector<field_value>& key)
{
    if (!db_)
        return false;
    const auto key_columns = table_->key_columns();
    if (key_columns.empty() || key.size() != key_columns.size())
        return false;
    record_filter terms = filter_;
    for (size_t i = 0; i < key.size(); ++i)
        terms.push_back({key_columns[i], key[i]});
    const std::string sql = "SELECT rowid FROM " + quote_identifier(table_->name) + where_clause(terms) + " LIMIT 1";
    long long found = -1;
    {
        const cached_statement statement = db_->statement(sql);
        if (!statement)
            return false;
        for (size_t i = 0; i < terms.size(); ++i)
            bind_value(statement.get(), static_cast<int>(i + 1), terms[i].value);
        if (sqlite3_step(statement.get()) == SQLITE_ROW)
            found = index_of_row_id(sqlite3_column_int64(statement.get(), 0));
    }
    if (found < 0)
        return false;
    move_to(found);
    return true;
}

bool recordset::find_by_key(std::int64_t id)
{
    for (move_first(); !is_eof(); move_next()) {
        if (value_as_integer(get(0)) == id)
            return true;
    }
    return false;
}

namespace {

// Steps "SELECT <columns> FROM table" over the rows matching a filter, in the order a set of the
// table has, handing over each row.
bool each_selected_row(database& db, const table_description& table, const std::string& columns,
                       const record_filter& filter, const std::function<void(sqlite3_stmt*)>& take, std::string& log)
{
    bool known_columns = true;
    for (const auto& term : filter)
        known_columns = known_columns && table.column_index(term.column) >= 0;
    const cached_statement rows =
        known_columns ? db.statement("SELECT " + columns + " FROM " + quote_identifier(table.name) + where_clause(filter)
                                     + order_clause(table))
                      : cached_statement();
    for (size_t i = 0; rows && i < filter.size(); ++i)
        bind_value(rows.get(), static_cast<int>(i + 1), filter[i].value);
    int step = rows ? SQLITE_ROW : SQLITE_ERROR;
    while (rows && (step = sqlite3_step(rows.get())) == SQLITE_ROW)
        take(rows.get());
    if (step == SQLITE_DONE)
        return true;
    log += "Unable to open table " + table.name + "\r\n";
    return false;
}

} // namespace

bool each_column_value(database& db, const table_description& table, std::string_view column,
                       const std::function<void(const field_value&)>& take, std::string& log)
{
    const int index = table.column_index(column);
    if (index < 0) {
        log += "Unable to open table " + table.name + "\r\n";
        return false;
    }
    return each_selected_row(
        db, table, quote_identifier(table.columns[static_cast<size_t>(index)].name), {},
        [&take](sqlite3_stmt* row) { take(column_value(row, 0)); }, log);
}

bool each_row(database& db, const table_description& table, const record_filter& filter,
              const std::function<void(const std::vector<field_value>&)>& take, std::string& log)
{
    std::string columns;
    for (size_t i = 0; i < table.columns.size(); ++i)
        columns += (i ? ", " : "") + quote_identifier(table.columns[i].name);
    std::vector<field_value> values;
    return each_selected_row(
        db, table, columns, filter,
        [&](sqlite3_stmt* row) {
            values.clear();
            for (int i = 0; i < static_cast<int>(table.columns.size()); ++i)
                values.push_back(column_value(row, i));
            take(values);
        },
        log);
}

long long delete_rows(database& db, const table_description& table, const record_filter& filter, std::string& log)
{
    if (db.is_open() && !db.can_write(log))
        return -1;
    const std::string sql = "DELETE FROM " + quote_identifier(table.name) + where_clause(filter);
    const cached_statement statement = db.statement(sql);
    if (!statement) {
        log += "Unable to open table " + table.name + "\r\n";
        return -1;
    }
    for (size_t i = 0; i < filter.size(); ++i)
        bind_value(statement.get(), static_cast<int>(i + 1), filter[i].value);
    if (sqlite3_step(statement.get()) != SQLITE_DONE) {
        log += format_printf("Unable to delete from table %s: %s\r\n", table.name.c_str(), sqlite3_errmsg(db.handle()));
        return -1;
    }
    return sqlite3_changes(db.handle());
}

long long update_rows(database& db, const table_description& table, const record_filter& filter,
                      std::string_view column, const field_value& value, std::string& log)
{
    const std::string sql = "UPDATE " + quote_identifier(table.name) + " SET " + quote_identifier(column) + " = ?"
                            + where_clause(filter);
    sqlite3_stmt* statement = nullptr;
    if (!db.is_open() || sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        log += "Unable to open table " + table.name + "\r\n";
        return -1;
    }
    bind_value(statement, 1, value);
    for (size_t i = 0; i < filter.size(); ++i)
        bind_value(statement, static_cast<int>(i + 2), filter[i].value);
    const int step = sqlite3_step(statement);
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE) {
        log += format_printf("Unable to update table %s: %s\r\n", table.name.c_str(), sqlite3_errmsg(db.handle()));
        return -1;
    }
    return sqlite3_changes(db.handle());
}

} // namespace ivorn
