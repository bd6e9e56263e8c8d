// Whether a value fits a column as its description gives it (integer range, finite single, text
// size), and the reading of a value typed by a user for a column. Rows written by the record
// store and values given on the command line pass the same checks.
#pragma once

#include <string>
#include <string_view>

#include "store/field_value.h"
#include "store/table_description.h"

namespace ivorn {

// False, with "Value V does not fit column [C] of table T\r\n" (or the text-size message), when
// the value is out of the column's range. A null value fits every column.
bool check_column_value(const table_description& table, const column_description& column, const field_value& value,
                        std::string& log);

// The value as the column holds it: integers for integer columns, a single's exact value for
// reals, text for text.
field_value normalised_value(const column_description& column, const field_value& value);

// A typed value for the column: a whole number for integer columns, a number for single columns
// (blanks around either are allowed), the text as it is for text columns. The value is checked
// against the column and normalised; false with a message naming the column otherwise.
bool parse_column_value(const table_description& table, const column_description& column, std::string_view text,
                        field_value& value, std::string& log);

} // namespace ivorn
