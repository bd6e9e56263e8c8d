// `ivorn import crops|fertilizers|pesticides|operations|parameters DB FILE`: the reference-file
// import commands, shown on the console.
#include <iostream>

#include "cli/commands.h"
#include "shell/import_reference.h"
#include "shell/project_database.h"

namespace ivorn {
namespace {

// What an import shows, on the console: confirmations on standard output, logs on standard
// error. Nothing here asks; an import asks nothing once its file is named.
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

bool run_import(database& db, const std::string& kind, const std::string& file_path, int model_version,
                user_interface& ui)
{
    if (kind == "parameters")
        return import_parameter_file(db, file_path, model_version, ui);
    if (kind == "operations") {
        operation_list_class operations;
        return import_operations_file(db, operations, file_path, model_version, ui);
    }
    vorn_production_supply_list list;
    if (kind == "crops")
        return import_crop_file(db, list, file_path, ui);
    if (kind == "fertilizers")
        return import_fertilizer_file(db, list, file_path, ui);
    return import_pesticide_file(db, list, file_path, ui);
}

} // namespace

int command_import_reference(cli_session& session, const std::string& kind, const std::string& db_path,
                             const std::string& file_path)
{
    database db;
    std::string log;
    if (!open_project_database(db, db_path, log)) {
        print_log(log);
        return exit_failed;
    }
    import_console ui;
    return run_import(db, kind, file_path, session.effective.vorn_version, ui) ? exit_ok : exit_failed;
}

} // namespace ivorn
