// Questions and changes about whole tables that the record operations need beside the record
// store: whether a table that only some projects hold is there, making it when first used, and
// the distinct values of a column.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/database.h"

namespace ivorn {

bool table_exists(database& db, std::string_view name);
// Made with its indexes, as a new project makes its tables, unless it is there already.
bool create_table_if_missing(database& db, const table_description& table, std::string& log);
// The distinct integer values of one column over the whole table, in ascending order.
bool distinct_integers(database& db, const table_description& table, std::string_view column,
                       std::vector<std::int64_t>& values, std::string& log);

} // namespace ivorn
