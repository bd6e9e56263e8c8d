// `ivorn records`: the control-record list as the table view shows it, one record per line.
#include <iostream>

#include "cli/commands.h"
#include "cli/console_user_interface.h"
#include "shell/doc_i_vorn.h"
#include "site/control_record_table.h"

namespace ivorn {
int command_records(cli_session& session, const std::string& db_path)
{
    console_user_interface ui;
    doc_i_vorn doc(session.effective, ui);
    if (!doc.open_database(db_path))
        return exit_failed;
    std::string log;
    recordset set;
    if (!set.open(*doc.db(), control_records_table(), {}, log, recordset::mode::read_only)) {
        print_log(log);
        return exit_failed;
    }
    auto& list = doc.record_list();
    list.number_of_records(&set);
    for (const auto* entry : list)
        std::cout << entry->position << '\t' << entry->id << '\t' << one_line(entry->description) << '\n';
    doc.close_database();
    return exit_ok;
}

} // namespace ivorn
