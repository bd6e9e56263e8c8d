// `ivorn new`, `info` and `export`: creating a project database and looking into one.
#include <fstream>
#include <iostream>

#include "cli/commands.h"
#include "shell/all_tables.h"
#include "shell/project_database.h"
#include "store/csv_export.h"
#include "store/table_queries.h"

namespace ivorn {

int command_new(cli_session&, const std::string& db_path, bool force)
{
    if (file_exists(db_path) && !force) {
        print_log(db_path + " exists; use --force to replace it.");
        return exit_failed;
    }
    std::string log;
    if (!create_project_database(db_path, log)) {
        print_log(log.empty() ? "Unable to create database " + db_path : log);
        return exit_failed;
    }
    std::cout << "Created " << db_path << '\n';
    return exit_ok;
}

int command_info(cli_session&, const std::string& db_path)
{
    database db;
    std::string log;
    if (!open_project_database(db, db_path, log)) {
        print_log(log);
        return exit_failed;
    }
    std::vector<const table_description*> tables = all_tables();
    for (const table_description* table : optional_tables()) {
        if (table_exists(db, table->name))
            tables.push_back(table);
    }
    for (const table_description* table : tables) {
        const long long rows = db.count_rows(*table, log);
        if (rows < 0) {
            print_log(log);
            return exit_failed;
        }
        std::cout << table->name << '\t' << rows << '\n';
    }
    return exit_ok;
}

int command_export(cli_session&, const std::string& db_path, const std::string& table_name, const std::string& out)
{
    database db;
    std::string log;
    if (!open_project_database(db, db_path, log)) {
        print_log(log);
        return exit_failed;
    }
    const table_description* table = find_table(table_name);
    if (!table) {
        print_log("No table named " + table_name + " in a project database.");
        return exit_failed;
    }
    if (out.empty()) {
        const bool ok = export_table_csv(db, *table, std::cout, log);
        if (!ok)
            print_log(log);
        return ok ? exit_ok : exit_failed;
    }
    std::ofstream file(out, std::ios::binary);
    if (!file) {
        print_log("Unable to write " + out);
        return exit_failed;
    }
    const bool ok = export_table_csv(db, *table, file, log) && file.flush();
    if (!ok)
        print_log(log.empty() ? "Unable to write " + out : log);
    return ok ? exit_ok : exit_failed;
}

} // namespace ivorn
