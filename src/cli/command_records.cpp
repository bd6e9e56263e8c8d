// `ivorn records`: the control-record list as the table view shows it, one record per line.
#include <iostream>

#include "cli/commands.h"
#include "cli/console_user_interface.h"
#include "shell/doc_i_vorn.h"
#include "site/control_record_keys.h"

namespace ivorn {
int command_records(cli_session& session, const std::string& db_path)
{
    console_user_interface ui;
    doc_i_vorn doc(session.effective, ui);
    if (!doc.open_database(db_path, doc_i_vorn::open_scope::one_command))
        return exit_failed;
    std::string log;
    control_record_keys keys(*doc.db());
    if (keys.count(log) < 0) {
        print_log(log);
        return exit_failed;
    }
    auto& list = doc.record_list();
    list.number_of_records(&keys, log);
    std::string lines;
    for (const auto* entry : list) {
        lines += std::to_string(entry->position);
        lines += '\t';
        lines += std::to_string(entry->id);
        lines += '\t';
        lines += one_line(entry->description);
        lines += '\n';
    }
    std::cout << lines;
    doc.close_database();
    return exit_ok;
}

} // namespace ivorn
