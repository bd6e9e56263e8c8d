// Runs `ivorn` through the shell, capturing both streams.
#include "support/run_cli.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "support/temp_dir.h"

namespace ivorn::testing {

std::string shell_quote(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted.push_back(c);
    }
    return quoted + "'";
}

cli_result run_ivorn(const std::string& settings_file, const std::string& arguments)
{
    temp_dir streams;
    const std::string out = streams.file("out");
    const std::string err = streams.file("err");
    const std::string command = std::string(IVORN_CLI_PATH) + " --settings " + shell_quote(settings_file) + " " +
                                arguments + " >" + shell_quote(out) + " 2>" + shell_quote(err) + " </dev/null";
    cli_result result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = read_file(out);
    result.err = read_file(err);
    return result;
}

} // namespace ivorn::testing
