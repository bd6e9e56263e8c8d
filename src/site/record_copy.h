// Copies of a control record with everything it owns: its row and the rows of the tables it owns,
// read once and written under new IDs with one prepared INSERT per table, so a set of ten
// thousand copies costs the same per copy whatever the project already holds.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/bulk_inserter.h"
#include "store/database.h"
#include "store/field_value.h"

namespace ivorn {

struct owned_table_rows {
    const table_description* table = nullptr;
    std::vector<std::vector<field_value>> rows; // in stored order, columns in table order
};

// A record's stored rows, as read_record_rows finds them.
struct record_rows {
    std::int32_t id = 0;
    std::vector<field_value> own;         // its "Control Records" row
    std::vector<owned_table_rows> owned;  // in record_owned_tables() order
    owned_table_rows* rows_of(const table_description& table);
};

// False with "No control record %ld.\r\n" when none has that ID.
bool read_record_rows(database& db, std::int32_t id, record_rows& rows, std::string& log);

// The stored control-record IDs from `first` to `last`, in ascending order.
bool stored_record_ids(database& db, std::int64_t first, std::int64_t last, std::vector<std::int32_t>& ids,
                       std::string& log);

// IDs for `count` new records: `first` and the IDs after it, each of which must be free, or else
// the smallest free IDs.
bool new_record_ids(database& db, std::optional<std::int32_t> first, long long count, std::vector<std::int32_t>& ids,
                    std::string& log);

// The most records one command makes.
inline constexpr long long max_new_records = 1000000;

class record_copier {
public:
    // Rows left under any of `new_ids` in an owned table (by a record deleted without them) are
    // removed first, with a note in the log: a copy must hold its original's rows and no others.
    bool prepare(database& db, const std::vector<std::int32_t>& new_ids, std::string& log);
    // The rows under `new_id`; the Description too when one is given.
    bool write(const record_rows& rows, std::int32_t new_id, const std::optional<std::string>& description,
               std::string& log);

private:
    bulk_inserter own_;
    std::vector<std::unique_ptr<bulk_inserter>> owned_;
};

// `count` copies of record `id` in one transaction; their IDs in `new_ids`.
bool copy_record(database& db, std::int32_t id, std::optional<std::int32_t> first, long long count,
                 const std::optional<std::string>& description, std::vector<std::int32_t>& new_ids, std::string& log);

} // namespace ivorn
