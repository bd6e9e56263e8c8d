// Project database files.
#include "shell/project_database.h"

#include "shell/all_tables.h"

namespace ivorn {

bool create_project_database(const std::string& path, std::string& log)
{
    database db;
    return db.create(path, all_tables(), log);
}

bool open_project_database(database& db, const std::string& path, std::string& log)
{
    return db.open(path, all_tables(), log);
}

} // namespace ivorn
