// Distinct column values (table creation and lookup live with the database's own SQL).
#include "store/table_queries.h"

#include <sqlite3.h>

#include "core/text_utils.h"

namespace ivorn {

bool distinct_integers(database& db, const table_description& table, std::string_view column,
                       std::vector<std::int64_t>& values, std::string& log)
{
    values.clear();
    const std::string sql = "SELECT DISTINCT " + quote_identifier(column) + " FROM " + quote_identifier(table.name) +
                            " ORDER BY 1";
    sqlite3_stmt* statement = nullptr;
    if (!db.is_open() || sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        log += "Unable to open table " + table.name + "\r\n";
        return false;
    }
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        // A value that is not a whole number (a foreign file) is no ID of ours.
        if (sqlite3_column_type(statement, 0) == SQLITE_INTEGER)
            values.push_back(sqlite3_column_int64(statement, 0));
    }
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE) {
        log += format_printf("Unable to read table %s: %s\r\n", table.name.c_str(), sqlite3_errmsg(db.handle()));
        return false;
    }
    return true;
}

} // namespace ivorn
