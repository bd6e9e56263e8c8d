// Changing columns of a record's tables by name, as `ivorn set` and scenario factors give them:
// "Simulation Length" (a column of "Control Records"), "Parameters.Parm61", "Subareas.Slope",
// "Management.Irrigation Trigger". Each value is read and checked against its column before
// anything changes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "site/record_copy.h"
#include "store/database.h"
#include "store/field_value.h"

namespace ivorn {

struct column_assignment {
    const table_description* table = nullptr;
    int column = -1;
    std::string name;   // the table's own spelling: "Simulation Length", "Parameters.Parm61"
    std::string text;   // the value as given
    field_value value;  // checked against the column and normalised
};

// The tables whose columns can be set: one row per record (or per subarea) to change.
const std::vector<const table_description*>& settable_tables();
// Subareas and Management: one row per subarea.
bool is_subarea_table(const table_description& table);

// A name as above into its table and column. An unknown table is refused with the names of the
// tables that can be set, an unknown column with the names of its table's columns; the columns
// that identify a row (ID, Subarea Id) are refused.
bool resolve_column(std::string_view name, column_assignment& target, std::string& log);
// The value, read and checked against the resolved column.
bool resolve_value(std::string_view text, column_assignment& target, std::string& log);
// "NAME=VALUE", split at the first "=".
bool parse_assignment(std::string_view argument, column_assignment& target, std::string& log);

// Values that name a shared record (a record's weather station, a subarea's soil) must name one
// that is stored: a run on a station or soil that does not exist cannot start.
bool check_reference(database& db, const column_assignment& assignment, std::string& log);

// Subarea tables: the rows of `subarea`, or of every subarea when none is given.
// False with a message when the record has no such row.
bool apply_assignment(record_rows& rows, const column_assignment& assignment, std::optional<std::int32_t> subarea,
                      std::string& log);

// False with "Record %ld has no subarea %ld.\r\n" when the rows hold no such subarea.
bool check_subarea(record_rows& rows, std::int32_t subarea, std::string& log);

// Every assignment on every record of `ids`, in one transaction: one row that is missing or one
// value refused changes nothing.
bool set_record_columns(database& db, const std::vector<std::int32_t>& ids, std::optional<std::int32_t> subarea,
                        const std::vector<column_assignment>& assignments, std::string& log);

} // namespace ivorn
