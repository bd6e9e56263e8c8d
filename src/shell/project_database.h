// Creating and opening project database files with every table of the program.
#pragma once

#include <string>

#include "store/database.h"

namespace ivorn {

// A new file with every table, in creation order; the file is closed again afterwards. The
// installed help file is copied beside it when its directory has none.
bool create_project_database(const std::string& path, std::string& log);
// Opens an existing project database; any other file is refused and left unchanged.
bool open_project_database(database& db, const std::string& path, std::string& log);
// The help file shipped beside the program's executable; empty when there is none.
std::string installed_help_file();

} // namespace ivorn
