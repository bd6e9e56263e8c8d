// Runs the `ivorn` binary for end-to-end tests, with a private settings file.
#pragma once

#include <string>

namespace ivorn::testing {

struct cli_result {
    int status = -1;
    std::string out;
    std::string err;
};

// `arguments` is appended to "ivorn --settings SETTINGS"; quote as for a shell.
cli_result run_ivorn(const std::string& settings_file, const std::string& arguments);
std::string shell_quote(const std::string& text);

} // namespace ivorn::testing
