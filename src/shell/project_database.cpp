// Project database files.
#include "shell/project_database.h"

#include <filesystem>
#include <system_error>

#include "help/field_help.h"
#include "shell/all_tables.h"

namespace ivorn {

bool create_project_database(const std::string& path, std::string& log)
{
    database db;
    if (!db.create(path, all_tables(), log))
        return false;
    const std::filesystem::path beside = std::filesystem::path(path).parent_path() / field_help_file_name;
    const std::string installed = installed_help_file();
    std::error_code error;
    if (installed.empty() || std::filesystem::exists(beside, error))
        return true;
    // The database is made either way; without the copy its help boxes only say "Not Found".
    if (!std::filesystem::copy_file(installed, beside, error))
        log += "Unable to copy the help file to \"" + beside.string() + "\": " + error.message() + "\r\n";
    return true;
}

std::string installed_help_file()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    const std::filesystem::path help = program.parent_path() / field_help_file_name;
    return std::filesystem::is_regular_file(help, error) ? help.string() : std::string();
}

bool open_project_database(database& db, const std::string& path, std::string& log)
{
    return db.open(path, all_tables(), log);
}

} // namespace ivorn
