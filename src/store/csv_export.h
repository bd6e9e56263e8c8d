// A table as CSV (RFC 4180): the column names, then the rows in table order. Singles are printed
// with nine significant digits, enough to read back the very same value.
#pragma once

#include <ostream>
#include <string>

#include "store/database.h"

namespace ivorn {

bool export_table_csv(database& db, const table_description& table, std::ostream& out, std::string& log);
std::string csv_field(const std::string& text);

} // namespace ivorn
