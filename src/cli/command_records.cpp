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
    // Straight from the key order, one query: the document's list would build an entry and an
    // index slot per record only to be printed once.
    std::string log;
    std::string lines;
    long position = 0;
    control_record_keys keys(*doc.db());
    const bool read = keys.each(
        [&](control_record_key& row) {
            lines += std::to_string(++position);
            lines += '\t';
            lines += std::to_string(row.id);
            lines += '\t';
            lines += one_line(row.description);
            lines += '\n';
        },
        log);
    if (!read) {
        print_log(log);
        return exit_failed;
    }
    std::cout << lines;
    doc.close_database();
    return exit_ok;
}

} // namespace ivorn
