// `ivorn import dataset` and `ivorn import field-operations`: the model's whole data set as a new
// control record, and the plain-text field-operation file into the first record's subareas.
#include <iostream>

#include "cli/commands.h"
#include "cli/console_user_interface.h"
#include "shell/doc_i_vorn.h"

namespace ivorn {

int command_import_dataset(cli_session& session, const std::string& db_path, const std::string& model_file_list,
                           const dataset_answers& answers)
{
    console_user_interface ui;
    ui.answers.record_id = answers.record_id;
    ui.answers.station_id = answers.station_id;
    ui.answers.station_name = answers.station_name;
    doc_i_vorn doc(session.effective, ui);
    if (!doc.open_database(db_path, doc_i_vorn::open_scope::one_command))
        return exit_failed;
    std::int32_t id = 0;
    const bool ok = doc.import_dataset(model_file_list, id);
    doc.close_database();
    if (!ok)
        return exit_failed;
    std::cout << id << "\n";
    return exit_ok;
}

int command_import_field_operations(cli_session& session, const std::string& db_path, const std::string& file)
{
    console_user_interface ui;
    doc_i_vorn doc(session.effective, ui);
    if (!doc.open_database(db_path, doc_i_vorn::open_scope::one_command))
        return exit_failed;
    const bool ok = doc.import_field_operations(file);
    doc.close_database();
    return ok ? exit_ok : exit_failed;
}

} // namespace ivorn
