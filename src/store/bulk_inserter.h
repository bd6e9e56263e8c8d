// Appends many rows to one table through one prepared INSERT, reused for every row: the output
// loaders write tens of thousands of rows per run.
#pragma once

#include <string>
#include <vector>

#include "store/database.h"
#include "store/field_value.h"

struct sqlite3_stmt;

namespace ivorn {

class bulk_inserter {
public:
    bulk_inserter() = default;
    bulk_inserter(const bulk_inserter&) = delete;
    bulk_inserter& operator=(const bulk_inserter&) = delete;
    ~bulk_inserter();

    bool prepare(database& db, const table_description& table, std::string& log);
    const table_description& table() const { return *table_; }
    // Values for the next row by column position; unset columns are written as 0 or "". Each
    // value is bound to the statement at once, so a number parsed from a report goes to SQLite
    // without being kept in between.
    void set(int column, const field_value& value);
    void set(std::string_view column, const field_value& value);
    void set_integer(int column, std::int64_t value);
    void set_single(int column, float value);
    void set_text(int column, std::string_view value);
    bool insert_row(std::string& log);
    long long rows_inserted() const { return rows_; }

private:
    // Whether `column` may be bound; marks it as set for this row.
    bool take(int column);
    void bind_zero(size_t column);

    database* db_ = nullptr;
    const table_description* table_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
    // Per column: set for the row being built; holding a value other than its zero.
    std::vector<char> set_now_, bound_;
    long long rows_ = 0;
};

} // namespace ivorn
