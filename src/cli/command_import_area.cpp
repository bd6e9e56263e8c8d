// `ivorn import soil|weather|wind|weather-links DB FILE`: the area-study import commands, shown
// on the console.
#include "cli/commands.h"
#include "cli/console_user_interface.h"
#include "shell/doc_i_vorn.h"

namespace ivorn {
namespace {

bool run_import(doc_i_vorn& doc, const std::string& kind, const std::string& file)
{
    if (kind == "soil")
        return doc.import_soil(file);
    if (kind == "weather")
        return doc.import_weather(file);
    if (kind == "wind")
        return doc.import_wind(file);
    return doc.import_weather_links(file);
}

} // namespace

int command_import_area(cli_session& session, const std::string& kind, const std::string& db_path,
                        const std::string& file)
{
    console_user_interface ui;
    doc_i_vorn doc(session.effective, ui);
    if (!doc.open_database(db_path, doc_i_vorn::open_scope::one_command))
        return exit_failed;
    const bool ok = run_import(doc, kind, file);
    doc.close_database();
    return ok ? exit_ok : exit_failed;
}

} // namespace ivorn
