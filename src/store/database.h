// The project database: one SQLite file holding every table. Creation builds the tables from
// their descriptions; opening refuses any file that is not a project database and leaves it as
// it was. Transactions nest (savepoints), so a user-level operation made of smaller stored
// operations still lands whole or not at all; once SQLite has ended one after an error, nothing
// more is written until the outermost one ends.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/table_description.h"

struct sqlite3;
struct sqlite3_stmt;

namespace ivorn {

class database;

// One use of a prepared statement from the database's cache. The use ends (the statement reset,
// its parameters cleared, no lock held) when this goes out of scope.
class cached_statement {
public:
    cached_statement() = default;
    cached_statement(cached_statement&& other) noexcept;
    cached_statement& operator=(cached_statement&& other) noexcept;
    cached_statement(const cached_statement&) = delete;
    cached_statement& operator=(const cached_statement&) = delete;
    ~cached_statement();

    sqlite3_stmt* get() const { return statement_; }
    explicit operator bool() const { return statement_ != nullptr; }

private:
    friend class database;
    void release();
    bool* in_use_ = nullptr;   // the cache's mark, or null for a statement of this use only
    sqlite3_stmt* statement_ = nullptr;
};

class database {
public:
    database() = default;
    database(const database&) = delete;
    database& operator=(const database&) = delete;
    ~database();

    // Creates a new file (an existing one is replaced) with these tables in this order.
    bool create(const std::string& path, const std::vector<const table_description*>& tables, std::string& log);
    // Opens an existing project database: every table of `schema` must be there.
    bool open(const std::string& path, const std::vector<const table_description*>& schema, std::string& log);
    bool is_open() const { return handle_ != nullptr; }
    void close();

    const std::string& path() const { return path_; }
    // How long a write waits for another program's write to end before it gives up.
    void set_busy_timeout(int milliseconds);
    sqlite3* handle() const { return handle_; }
    // The description this database was opened with for a table name (brackets and case ignored).
    const table_description* table(std::string_view name) const;
    const std::vector<const table_description*>& schema() const { return schema_; }

    // The statement for this SQL, prepared once per open database and reused: a command that
    // stores ten thousand rows prepares its statements once, not per row. While one use of a
    // text is open a second use gets a statement of its own. Empty when the SQL does not prepare.
    cached_statement statement(const std::string& sql);

    // Runs SQL without results; appends the engine's message to the log on failure.
    bool execute(const std::string& sql, std::string& log);
    // False, with the reason in the log, when a write now would land outside the transaction it
    // belongs to: SQLite rolled it back itself (an I/O error, a full disk) or it never began.
    bool can_write(std::string& log);
    long long count_rows(const table_description& table, std::string& log);

private:
    bool open_handle(const std::string& path, int flags, std::string& log);
    bool has_table(const std::string& name);
    // The SQLite result of running SQL, whatever the transaction's state.
    int run(const std::string& sql, std::string& log);
    void break_transaction(const std::string& reason);
    void finalize_statements();
    friend class transaction;
    struct cache_entry {
        sqlite3_stmt* statement = nullptr;
        bool in_use = false;
    };
    std::unordered_map<std::string, std::unique_ptr<cache_entry>> statements_;
    sqlite3* handle_ = nullptr;
    std::string path_;
    std::vector<const table_description*> schema_;
    int savepoint_depth_ = 0;
    // Set when the open transaction can no longer be trusted; cleared when the outermost ends.
    bool transaction_broken_ = false;
    std::string broken_reason_;
};

// One user-level operation. Rolls back unless committed. The outermost one takes the write lock
// at once (BEGIN IMMEDIATE), so two programs never both read and then fail to write; the inner
// ones are savepoints.
class transaction {
public:
    explicit transaction(database& db);
    transaction(const transaction&) = delete;
    transaction& operator=(const transaction&) = delete;
    ~transaction();
    bool begun() const { return begun_; }
    // Why it did not begin ("... is in use by another program." when the lock wait timed out).
    const std::string& failure() const { return failure_; }
    bool commit(std::string& log);
    void rollback();

private:
    void finish();
    database& db_;
    std::string name_;
    std::string failure_;
    bool outermost_ = false;
    bool begun_ = false;
    bool finished_ = false;
};

// "name" as an SQL identifier, with any quote doubled.
std::string quote_identifier(std::string_view name);
// A table name without the brackets the model's code wraps around it.
std::string_view strip_brackets(std::string_view name);

} // namespace ivorn
