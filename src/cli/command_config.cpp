// `ivorn config`: the stored settings.
#include <iostream>

#include "cli/commands.h"

namespace ivorn {

int command_config_list(cli_session& session)
{
    for (const char* const* name = setting_names(); *name; ++name) {
        std::string value;
        get_setting(session.stored, *name, value);
        std::cout << *name << '=' << value << '\n';
    }
    return exit_ok;
}

int command_config_get(cli_session& session, const std::string& key)
{
    std::string value;
    if (!get_setting(session.stored, key, value)) {
        print_log("Unknown setting " + key);
        return exit_failed;
    }
    std::cout << value << '\n';
    return exit_ok;
}

int command_config_set(cli_session& session, const std::string& key, const std::string& value)
{
    std::string log;
    if (!set_setting(session.stored, key, value, log) || !set_setting(session.effective, key, value, log)) {
        print_log(log);
        return exit_failed;
    }
    return exit_ok;
}

} // namespace ivorn
