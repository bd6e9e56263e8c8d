// A table as CSV (RFC 4180): the column names, then the rows in table order. Singles are printed
// with nine significant digits, enough to read back the very same value.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "store/database.h"
#include "store/field_value.h"

namespace ivorn {

bool export_table_csv(database& db, const table_description& table, std::ostream& out, std::string& log);
std::string csv_field(const std::string& text);
// The pieces of the export, for writers of a chosen set of rows: the column names, then each row.
void write_csv_header(std::ostream& out, const table_description& table);
void write_csv_row(std::ostream& out, const std::vector<field_value>& row);

} // namespace ivorn
