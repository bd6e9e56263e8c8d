// Settings for one `ivorn` invocation.
#include "cli/cli_session.h"

#include <charconv>
#include <cstdio>
#include <iostream>

namespace ivorn {

bool cli_session::start(const global_options& options, std::string& error)
{
    store_ = std::make_unique<qsettings_store>(options.settings_file);
    stored.read(*store_);
    as_read_ = stored;
    effective = stored;
    if (!options.model.empty())
        set_setting(effective, "Files/VORN2110", options.model, error);
    if (options.model_version)
        effective.vorn_version = *options.model_version;
    if (!options.line_ends.empty() && !set_setting(effective, "Settings/ModelLineEnds", options.line_ends, error))
        return false;
    if (options.english)
        effective.english_convert = 1;
    if (options.read_soil)
        effective.read_soil = 1;
    if (options.visible)
        effective.run_visible = 1;
    if (!options.years.empty()) {
        int first = 0;
        int last = 0;
        char extra = 0;
        if (std::sscanf(options.years.c_str(), "%d:%d%c", &first, &last, &extra) != 2) {
            error += "--years takes FIRST:LAST, e.g. 1:100\n";
            return false;
        }
        effective.save_year_first = first;
        effective.save_year_last = last;
    }
    return true;
}

bool cli_session::finish(std::string& error)
{
    if (!store_)
        return true;
    // Only what commands changed reaches the stored settings, never the overrides.
    stored.set_user_selected_variables = effective.set_user_selected_variables;
    if (stored.write_changes(*store_, as_read_) == 0)
        return true;
    return store_->sync(error);
}

std::string terminal_text(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        result.push_back(text[i]);
    }
    if (!result.empty() && result.back() != '\n')
        result.push_back('\n');
    return result;
}

void print_log(const std::string& log) { std::cerr << terminal_text(log); }

std::string one_line(std::string text)
{
    for (char& c : text) {
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

bool file_exists(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

namespace {

bool read_id(std::string_view text, std::int64_t& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

bool read_id_range(const std::string& text, std::int64_t& first, std::int64_t& last)
{
    const size_t dash = text.find('-', 1);
    if (dash == std::string::npos)
        return read_id(text, first) && read_id(text, last = first);
    return read_id(std::string_view(text).substr(0, dash), first) &&
           read_id(std::string_view(text).substr(dash + 1), last) && first <= last;
}

} // namespace ivorn
