// `ivorn import crops|fertilizers|pesticides|operations|parameters DB FILE`: the reference-file
// import commands, shown on the console.
#include <iostream>

#include "cli/commands.h"
#include "cli/console_user_interface.h"
#include "shell/doc_i_vorn.h"

namespace ivorn {
namespace {

bool run_import(doc_i_vorn& doc, const std::string& kind, const std::string& file_path)
{
    if (kind == "parameters")
        return doc.import_parameters(file_path);
    if (kind == "operations")
        return doc.import_operations(file_path);
    if (kind == "crops")
        return doc.import_crops(file_path);
    if (kind == "fertilizers")
        return doc.import_fertilizers(file_path);
    return doc.import_pesticides(file_path);
}

} // namespace

int command_import_reference(cli_session& session, const std::string& kind, const std::string& db_path,
                             const std::string& file_path)
{
    console_user_interface ui;
    doc_i_vorn doc(session.effective, ui);
    if (!doc.open_database(db_path, doc_i_vorn::open_scope::one_command))
        return exit_failed;
    const bool ok = run_import(doc, kind, file_path);
    doc.close_database();
    return ok ? exit_ok : exit_failed;
}

} // namespace ivorn
