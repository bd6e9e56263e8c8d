// CSV export of one table.
#include "store/csv_export.h"

#include <sqlite3.h>

#include <cstdio>

namespace ivorn {

std::string csv_field(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted.push_back(c);
        if (c == '"')
            quoted.push_back('"');
    }
    return quoted + "\"";
}

bool export_table_csv(database& db, const table_description& table, std::ostream& out, std::string& log)
{
    std::string select = "SELECT ";
    for (size_t i = 0; i < table.columns.size(); ++i)
        select += (i ? ", " : "") + quote_identifier(table.columns[i].name);
    select += " FROM " + quote_identifier(table.name) + " ORDER BY ";
    for (const auto& key : table.key_columns())
        select += quote_identifier(key) + ", ";
    select += "rowid";
    sqlite3_stmt* statement = nullptr;
    if (!db.is_open() || sqlite3_prepare_v2(db.handle(), select.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        log += "Unable to open table " + table.name + "\r\n";
        return false;
    }
    for (size_t i = 0; i < table.columns.size(); ++i)
        out << (i ? "," : "") << csv_field(table.columns[i].name);
    out << "\r\n";
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int i = 0; i < static_cast<int>(table.columns.size()); ++i) {
            if (i)
                out << ',';
            switch (sqlite3_column_type(statement, i)) {
            case SQLITE_NULL:
                break;
            case SQLITE_INTEGER:
                out << sqlite3_column_int64(statement, i);
                break;
            case SQLITE_FLOAT: {
                char buffer[40];
                std::snprintf(buffer, sizeof buffer, "%.9g", sqlite3_column_double(statement, i));
                out << buffer;
                break;
            }
            default: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
                out << csv_field(std::string(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(statement, i))));
            }
            }
        }
        out << "\r\n";
    }
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE) {
        log += "Unable to read table " + table.name + "\r\n";
        return false;
    }
    return static_cast<bool>(out);
}

} // namespace ivorn
