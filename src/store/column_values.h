// Reading a value typed by a user for a column: it passes the same checks as the rows the record
// store writes.
#pragma once

#include <string>
#include <string_view>

#include "store/field_value.h"
#include "store/table_description.h"

namespace ivorn {

// A typed value for the column: a whole number for integer columns, a number for single columns
// (blanks around either are allowed), the text as it is for text columns. The value is checked
// against the column and normalised; false with a message naming the column otherwise.
bool parse_column_value(const table_description& table, const column_description& column, std::string_view text,
                        field_value& value, std::string& log);

} // namespace ivorn
