// What every `ivorn` command shares: the stored settings, the options that override them for
// this invocation, and writing the settings back at exit.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "qt_adapters/qsettings_store.h"
#include "shell/app_settings.h"

namespace ivorn {

struct global_options {
    std::string settings_file;
    std::string model;
    std::optional<int> model_version;
    std::string line_ends;
    bool english = false;
    std::string years;
    bool read_soil = false;
    bool visible = false;
};

class cli_session {
public:
    // Reads the stored settings and applies the overrides; false (with a message) on a bad option.
    bool start(const global_options& options, std::string& error);
    // Writes back the stored settings that commands changed, and only those; false with the
    // reason when they could not be written.
    bool finish(std::string& error);

    // The settings in force for this invocation.
    app_settings effective;
    // The settings as stored; commands that change settings change both.
    app_settings stored;
    // `run --fail-if-busy`: a model directory in use is a failure, not a wait.
    bool fail_if_busy = false;

private:
    std::unique_ptr<qsettings_store> store_;
    app_settings as_read_;
};

// Exit statuses of the command-line contract.
enum exit_status { exit_ok = 0, exit_failed = 1, exit_usage = 2 };

// The run logs end their lines in "\r\n"; a terminal wants "\n", and a last line end.
std::string terminal_text(const std::string& text);
void print_log(const std::string& log);
// One output line whatever a stored text holds: tabs and line breaks show as blanks.
std::string one_line(std::string text);
bool file_exists(const std::string& path);
// "A-B" (A not above B) or a single ID.
bool read_id_range(const std::string& text, std::int64_t& first, std::int64_t& last);

} // namespace ivorn
