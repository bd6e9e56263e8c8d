// CSV export of one table.
#include "store/csv_export.h"

#include <sqlite3.h>

#include <cstdio>

#include "store/recordset.h"

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

void write_csv_header(std::ostream& out, const table_description& table)
{
    for (size_t i = 0; i < table.columns.size(); ++i)
        out << (i ? "," : "") << csv_field(table.columns[i].name);
    out << "\r\n";
}

void write_csv_row(std::ostream& out, const std::vector<field_value>& row)
{
    for (size_t i = 0; i < row.size(); ++i) {
        if (i)
            out << ',';
        if (const auto* integer = std::get_if<std::int64_t>(&row[i])) {
            out << *integer;
        } else if (const auto* real = std::get_if<double>(&row[i])) {
            char buffer[40];
            std::snprintf(buffer, sizeof buffer, "%.9g", *real);
            out << buffer;
        } else if (const auto* text = std::get_if<std::string>(&row[i])) {
            out << csv_field(*text);
        }
    }
    out << "\r\n";
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
    write_csv_header(out, table);
    std::vector<field_value> row(table.columns.size());
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        for (size_t i = 0; i < row.size(); ++i)
            row[i] = column_value(statement, static_cast<int>(i));
        write_csv_row(out, row);
    }
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE) {
        log += "Unable to read table " + table.name + "\r\n";
        return false;
    }
    return static_cast<bool>(out);
}

} // namespace ivorn
