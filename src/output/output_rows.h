// The rows of one output table that belong to one control record, as Table Output pages through
// them: the row ids in the order asked (as stored, or sorted by a column, optionally narrowed by
// a text filter) are read once, and a row's values only when it is shown.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/database.h"
#include "store/field_value.h"

namespace ivorn {

// The column holding the control record's ID: "Farm Id" where there is one, else the first.
const std::string& record_id_column(const table_description& table);
// The output tables whose rows belong to a run, each with its rows for the record counted by one
// query per table; tables without rows for it are left out.
std::vector<const table_description*> output_tables_with_rows(database& db, std::int32_t record_id);

class output_rows {
public:
    // The record's rows in stored order. False (with the reason) when the table cannot be read.
    bool open(database& db, const table_description& table, std::int32_t record_id, std::string& log);
    // Sorted by a column (-1: stored order) and narrowed to rows where `filter` occurs in the
    // column `filter_column` as text (-1: any column; an empty filter keeps every row).
    bool arrange(int sort_column, bool descending, const std::string& filter, int filter_column, std::string& log);

    const table_description& table() const { return *table_; }
    size_t size() const { return row_ids_.size(); }
    // The values of the row at `index` of the arrangement; false when it cannot be read.
    bool read(size_t index, std::vector<field_value>& values);

private:
    database* db_ = nullptr;
    const table_description* table_ = nullptr;
    std::int32_t record_id_ = 0;
    std::vector<std::int64_t> row_ids_;
    std::string read_sql_;
};

} // namespace ivorn
