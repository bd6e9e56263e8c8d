// SQLite behind the project database.
#include "store/database.h"

#include <sqlite3.h>

#include <cstdio>

#include "core/text_utils.h"
#include "store/table_queries.h"

namespace ivorn {
namespace {

const char* sql_type(column_type type)
{
    switch (type) {
    case column_type::single_float:
        return "REAL";
    case column_type::text:
        return "TEXT";
    default:
        return "INTEGER";
    }
}

std::string create_table_sql(const table_description& table)
{
    const auto key = table.key_columns();
    std::string sql = "CREATE TABLE " + quote_identifier(table.name) + " (";
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const auto& column = table.columns[i];
        if (i)
            sql += ", ";
        sql += quote_identifier(column.name) + " " + sql_type(column.type);
        for (const auto& key_column : key) {
            if (equals_ignoring_case(key_column, column.name))
                sql += " NOT NULL";
        }
    }
    return sql + ")";
}

std::string create_index_sql(const table_description& table, const index_description& index)
{
    std::string sql = index.primary ? "CREATE UNIQUE INDEX " : "CREATE INDEX ";
    // Index names are global in SQLite; the table's name keeps them apart.
    sql += quote_identifier(table.name + " " + index.name) + " ON " + quote_identifier(table.name) + " (";
    for (size_t i = 0; i < index.columns.size(); ++i)
        sql += (i ? ", " : "") + quote_identifier(index.columns[i]);
    return sql + ")";
}

} // namespace

std::string quote_identifier(std::string_view name)
{
    std::string quoted = "\"";
    for (const char c : name) {
        quoted.push_back(c);
        if (c == '"')
            quoted.push_back('"');
    }
    return quoted + "\"";
}

std::string_view strip_brackets(std::string_view name)
{
    if (name.size() >= 2 && name.front() == '[' && name.back() == ']')
        return name.substr(1, name.size() - 2);
    return name;
}

cached_statement::cached_statement(cached_statement&& other) noexcept
    : in_use_(other.in_use_), statement_(other.statement_)
{
    other.in_use_ = nullptr;
    other.statement_ = nullptr;
}

cached_statement& cached_statement::operator=(cached_statement&& other) noexcept
{
    if (this != &other) {
        release();
        in_use_ = other.in_use_;
        statement_ = other.statement_;
        other.in_use_ = nullptr;
        other.statement_ = nullptr;
    }
    return *this;
}

cached_statement::~cached_statement() { release(); }

void cached_statement::release()
{
    if (!statement_)
        return;
    if (in_use_) {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
        *in_use_ = false;
    } else {
        sqlite3_finalize(statement_);
    }
    in_use_ = nullptr;
    statement_ = nullptr;
}

cached_statement database::statement(const std::string& sql)
{
    cached_statement use;
    if (!handle_)
        return use;
    auto& entry = statements_[sql];
    if (!entry)
        entry = std::make_unique<cache_entry>();
    if (!entry->statement && sqlite3_prepare_v2(handle_, sql.c_str(), -1, &entry->statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(entry->statement);
        entry->statement = nullptr;
        return use;
    }
    if (!entry->in_use) {
        entry->in_use = true;
        use.in_use_ = &entry->in_use;
        use.statement_ = entry->statement;
        return use;
    }
    if (sqlite3_prepare_v2(handle_, sql.c_str(), -1, &use.statement_, nullptr) != SQLITE_OK) {
        sqlite3_finalize(use.statement_);
        use.statement_ = nullptr;
    }
    return use;
}

void database::finalize_statements()
{
    for (auto& [sql, entry] : statements_) {
        if (entry->statement)
            sqlite3_finalize(entry->statement);
        entry->statement = nullptr;
    }
    statements_.clear();
}

database::~database() { close(); }

void database::close()
{
    finalize_statements();
    if (handle_)
        sqlite3_close_v2(handle_);
    handle_ = nullptr;
    savepoint_depth_ = 0;
    transaction_broken_ = false;
    broken_reason_.clear();
}

bool database::open_handle(const std::string& path, int flags, std::string& log)
{
    close();
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(path.c_str(), &handle, flags, nullptr) != SQLITE_OK) {
        log += format_printf("Unable to open database %s: %s\r\n", path.c_str(),
                             handle ? sqlite3_errmsg(handle) : "out of memory");
        sqlite3_close_v2(handle);
        return false;
    }
    handle_ = handle;
    path_ = path;
    sqlite3_busy_timeout(handle_, 5000);
    return true;
}

void database::set_busy_timeout(int milliseconds)
{
    if (handle_)
        sqlite3_busy_timeout(handle_, milliseconds);
}

bool database::create(const std::string& path, const std::vector<const table_description*>& tables, std::string& log)
{
    close();
    std::remove(path.c_str());
    std::remove((path + "-wal").c_str());
    std::remove((path + "-shm").c_str());
    if (!open_handle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, log)) {
        log += "Unable to create database\r\n";
        return false;
    }
    schema_ = tables;
    bool ok = execute("PRAGMA journal_mode=WAL", log);
    transaction work(*this);
    for (const table_description* table : tables) {
        ok = ok && execute(create_table_sql(*table), log);
        for (const auto& index : table->indexes)
            ok = ok && execute(create_index_sql(*table, index), log);
    }
    ok = ok && work.commit(log);
    if (!ok) {
        close();
        std::remove(path.c_str());
    }
    return ok;
}

bool database::has_table(const std::string& name)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle_, "SELECT 1 FROM sqlite_master WHERE type='table' AND name=? COLLATE NOCASE", -1,
                           &statement, nullptr) != SQLITE_OK)
        return false;
    sqlite3_bind_text(statement, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    const bool found = sqlite3_step(statement) == SQLITE_ROW;
    sqlite3_finalize(statement);
    return found;
}

bool database::open(const std::string& path, const std::vector<const table_description*>& schema, std::string& log)
{
    std::FILE* probe = std::fopen(path.c_str(), "rb");
    if (!probe) {
        log += format_printf("Unable to open database %s: no such file\r\n", path.c_str());
        return false;
    }
    std::fclose(probe);
    if (!open_handle(path, SQLITE_OPEN_READWRITE, log))
        return false;
    // Look before changing anything: a file that is not ours stays exactly as it was.
    std::string probe_log;
    if (run("SELECT count(*) FROM sqlite_master", probe_log) != SQLITE_OK) {
        // Only a file SQLite does not recognise is "not a project database"; a directory it
        // cannot write its WAL files into, or an I/O error, is reported as what it is.
        const int code = sqlite3_errcode(handle_);
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
            log += format_printf("%s is not an i_VORN project database.\r\n", path.c_str());
        else
            log += format_printf("Unable to open database %s: %s\r\n", path.c_str(), sqlite3_errmsg(handle_));
        close();
        return false;
    }
    for (const table_description* table : schema) {
        if (!has_table(table->name)) {
            close();
            log += format_printf("%s is not an i_VORN project database (table %s is missing).\r\n", path.c_str(),
                                 table->name.c_str());
            return false;
        }
    }
    schema_ = schema;
    execute("PRAGMA journal_mode=WAL", log);
    return true;
}

const table_description* database::table(std::string_view name) const
{
    const std::string_view bare = strip_brackets(name);
    for (const table_description* table : schema_) {
        if (equals_ignoring_case(table->name, bare))
            return table;
    }
    return nullptr;
}

bool database::execute(const std::string& sql, std::string& log)
{
    return can_write(log) && run(sql, log) == SQLITE_OK;
}

int database::run(const std::string& sql, std::string& log)
{
    char* error = nullptr;
    const int result = sqlite3_exec(handle_, sql.c_str(), nullptr, nullptr, &error);
    if (result != SQLITE_OK)
        log += format_printf("Database error: %s\r\n", error ? error : sqlite3_errmsg(handle_));
    sqlite3_free(error);
    return result;
}

bool database::can_write(std::string& log)
{
    if (!handle_) {
        log += "No database is open.\r\n";
        return false;
    }
    if (savepoint_depth_ == 0 || (!transaction_broken_ && !sqlite3_get_autocommit(handle_)))
        return true;
    if (!transaction_broken_)
        break_transaction("The database ended the operation after an error; nothing of it was stored.\r\n");
    // Said once: every later refusal of the same operation has the same cause.
    log += broken_reason_;
    broken_reason_.clear();
    return false;
}

void database::break_transaction(const std::string& reason)
{
    if (transaction_broken_)
        return;
    transaction_broken_ = true;
    broken_reason_ = reason;
}

long long database::count_rows(const table_description& table, std::string& log)
{
    sqlite3_stmt* statement = nullptr;
    const std::string sql = "SELECT count(*) FROM " + quote_identifier(table.name);
    if (!handle_ || sqlite3_prepare_v2(handle_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        log += "Unable to open table " + table.name + "\r\n";
        return -1;
    }
    long long rows = -1;
    if (sqlite3_step(statement) == SQLITE_ROW)
        rows = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    return rows;
}

transaction::transaction(database& db) : db_(db)
{
    outermost_ = db_.savepoint_depth_ == 0 && (!db_.handle_ || sqlite3_get_autocommit(db_.handle_));
    name_ = "ivorn_" + std::to_string(++db_.savepoint_depth_);
    if (!db_.handle_) {
        failure_ = "No database is open.\r\n";
    } else if (db_.transaction_broken_) {
        failure_ = db_.broken_reason_;
    } else {
        // IMMEDIATE: waiting for the write lock here, within the busy timeout, is what lets a
        // second program queue behind the first instead of failing halfway through its work.
        std::string log;
        begun_ = db_.run(outermost_ ? "BEGIN IMMEDIATE" : "SAVEPOINT " + name_, log) == SQLITE_OK;
        if (!begun_ && sqlite3_errcode(db_.handle_) == SQLITE_BUSY)
            failure_ = format_printf("The project database %s is in use by another program.\r\n", db_.path_.c_str());
        else if (!begun_)
            failure_ = log;
    }
    if (!begun_)
        db_.break_transaction(failure_);
}

transaction::~transaction() { rollback(); }

bool transaction::commit(std::string& log)
{
    if (finished_)
        return false;
    if (!begun_) {
        db_.can_write(log);
        finish();
        return false;
    }
    if (db_.can_write(log) && db_.run(outermost_ ? "COMMIT" : "RELEASE " + name_, log) == SQLITE_OK) {
        finish();
        return true;
    }
    rollback();
    return false;
}

void transaction::rollback()
{
    if (finished_)
        return;
    std::string ignored;
    // After an I/O error or a full disk SQLite may have rolled everything back itself; a
    // ROLLBACK TO then fails, and the outer transaction must not go on as if it held the work.
    const bool still_open = db_.handle_ && !sqlite3_get_autocommit(db_.handle_);
    if (begun_ && still_open && outermost_) {
        db_.run("ROLLBACK", ignored);
    } else if (begun_ && still_open && !db_.transaction_broken_) {
        if (db_.run("ROLLBACK TO " + name_, ignored) != SQLITE_OK)
            db_.break_transaction("The database could not undo part of the operation.\r\n");
        db_.run("RELEASE " + name_, ignored);
    }
    finish();
}

void transaction::finish()
{
    finished_ = true;
    if (--db_.savepoint_depth_ > 0)
        return;
    db_.transaction_broken_ = false;
    db_.broken_reason_.clear();
}

bool table_exists(database& db, std::string_view name)
{
    sqlite3_stmt* statement = nullptr;
    if (!db.is_open() || sqlite3_prepare_v2(db.handle(), "SELECT 1 FROM sqlite_master WHERE type='table' AND name=? COLLATE NOCASE",
                                            -1, &statement, nullptr) != SQLITE_OK)
        return false;
    sqlite3_bind_text(statement, 1, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
    const bool found = sqlite3_step(statement) == SQLITE_ROW;
    sqlite3_finalize(statement);
    return found;
}

bool create_table_if_missing(database& db, const table_description& table, std::string& log)
{
    if (!db.is_open()) {
        log += "No database is open.\r\n";
        return false;
    }
    if (table_exists(db, table.name))
        return true;
    transaction work(db);
    bool ok = db.execute(create_table_sql(table), log);
    for (const auto& index : table.indexes)
        ok = ok && db.execute(create_index_sql(table, index), log);
    return ok && work.commit(log);
}

} // namespace ivorn
