// The project database: one SQLite file holding every table. Creation builds the tables from
// their descriptions; opening refuses any file that is not a project database and leaves it as
// it was. Transactions nest (savepoints), so a user-level operation made of smaller stored
// operations still lands whole or not at all.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/table_description.h"

struct sqlite3;

namespace ivorn {

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
    sqlite3* handle() const { return handle_; }
    // The description this database was opened with for a table name (brackets and case ignored).
    const table_description* table(std::string_view name) const;
    const std::vector<const table_description*>& schema() const { return schema_; }

    bool has_table(const std::string& name);
    // A table that only some projects hold, made when first used; the description joins the
    // schema either way, so it can be opened by name.
    bool create_table_if_missing(const table_description& table, std::string& log);

    // Runs SQL without results; appends the engine's message to the log on failure.
    bool execute(const std::string& sql, std::string& log);
    long long count_rows(const table_description& table, std::string& log);

private:
    bool open_handle(const std::string& path, int flags, std::string& log);
    friend class transaction;
    sqlite3* handle_ = nullptr;
    std::string path_;
    std::vector<const table_description*> schema_;
    int savepoint_depth_ = 0;
};

// One user-level operation. Rolls back unless committed.
class transaction {
public:
    explicit transaction(database& db);
    transaction(const transaction&) = delete;
    transaction& operator=(const transaction&) = delete;
    ~transaction();
    bool begun() const { return begun_; }
    bool commit(std::string& log);
    void rollback();

private:
    database& db_;
    std::string name_;
    bool begun_ = false;
    bool finished_ = false;
};

// "name" as an SQL identifier, with any quote doubled.
std::string quote_identifier(std::string_view name);
// A table name without the brackets the model's code wraps around it.
std::string_view strip_brackets(std::string_view name);

} // namespace ivorn
