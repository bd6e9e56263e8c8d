// The rows of "Control Records" as the record list pages them: the ID and the description in key
// order, read without the other columns. Each move walks the key index from a known row, so a
// move through a table of 100 000 records is one indexed query, not a pass over the table.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "store/database.h"

namespace ivorn {

struct control_record_key {
    std::int32_t id = 0;
    std::string description;
};

class control_record_keys {
public:
    explicit control_record_keys(database& db);

    // Every row in key order, handed over one at a time. On failure "Unable to open table
    // Control Records" is logged.
    bool each(const std::function<void(control_record_key&)>& take, std::string& log);
    // The number of rows; -1 (and the failure logged) when the table cannot be read.
    long long count(std::string& log);
    // The row at a 1-based position in key order; false past the table's end.
    bool at_position(long position, control_record_key& row);
    // The row `offset` rows behind (before, when negative) the first row whose ID is `anchor`.
    // False when no row has that ID or the table ends first.
    bool step(std::int32_t anchor, long offset, control_record_key& row);
    bool contains(std::int32_t id);
    // The 1-based position of the first row with this ID; 0 when there is none.
    long position_of(std::int32_t id);
    // The smallest ID of 1 or more that no row carries, 0 when every one is taken; -1 when the
    // table cannot be read.
    std::int64_t next_free_id(std::string& log);

private:
    bool first_row(const std::string& sql, std::int64_t first, std::int64_t second, control_record_key& row);
    long long count_where(const std::string& where, std::int32_t id);
    // Whether a unique index holds the key alone, so that no two rows share an ID.
    bool has_unique_key();
    // The smallest ID, the largest and the number of rows with an ID.
    std::string ends_sql() const;
    // The next free ID of a table whose IDs run from 1 without a gap; 0 when that is not so.
    std::int64_t dense_free_id();

    database& db_;
    std::string table_;
    std::string key_;
    std::string columns_;
};

} // namespace ivorn
