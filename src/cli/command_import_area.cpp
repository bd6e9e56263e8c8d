// `ivorn import soil|weather|wind|weather-links DB FILE`: the area-study import commands without windows.
#include <iostream>

#include "cli/commands.h"
#include "shell/import_area.h"
#include "shell/project_database.h"
#include "shell/user_interface.h"

namespace ivorn {
namespace {

// Nothing is asked: an import only shows its log, which goes to standard error.
class import_console : public user_interface {
public:
    void message_box(const std::string& text) override { std::cout << text << '\n'; }
    bool show_error_list(const std::string&, const std::string&, const std::string& text) override
    {
        print_log(text);
        return true;
    }
    bool ask_integer(const std::string&, long long&) override { return false; }
    bool ask_new_record(new_record_answer&) override { return false; }
    bool choose_file(const std::string&, const std::string&, std::string&) override { return false; }
    void begin_wait_cursor() override {}
    void end_wait_cursor() override {}
    void set_status_text(const std::string&) override {}
    void refresh_all_views(int) override {}
    void progress_open(int, int) override {}
    void progress_set_position(int) override {}
    void progress_set_line(int, const std::string&) override {}
    bool progress_cancelled() override { return false; }
    void progress_close() override {}
};

} // namespace

int command_import_area(cli_session&, const std::string& kind, const std::string& db_path, const std::string& file)
{
    database db;
    std::string log;
    if (!open_project_database(db, db_path, log)) {
        print_log(log);
        return exit_failed;
    }
    import_console console;
    bool ok = false;
    if (kind == "soil")
        ok = import_soil_file(db, file, console, log);
    else if (kind == "weather")
        ok = import_weather_file(db, file, console, log);
    else if (kind == "wind")
        ok = import_wind_file(db, file, console, log);
    else if (kind == "weather-links")
        ok = import_weather_links(db, file, console, log);
    else
        return exit_usage;
    return ok ? exit_ok : exit_failed;
}

} // namespace ivorn
