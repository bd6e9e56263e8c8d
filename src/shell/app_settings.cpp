// Settings: one table of entries drives reading, writing and `ivorn config`.
#include "shell/app_settings.h"

#include <cstdlib>
#include <variant>

#include "core/text_utils.h"

namespace ivorn {
namespace {

using setting_member = std::variant<std::uint8_t app_settings::*, int app_settings::*>;

struct integer_setting {
    const char* key;
    setting_member member;
};

// In the order they are read at start-up.
const integer_setting read_order[] = {
    {"RunVisible", &app_settings::run_visible},
    {"ReadSoil", &app_settings::read_soil},
    {"DynamicRunoff", &app_settings::dynamic_runoff},
    {"RecordList", &app_settings::record_list},
    {"VORNVersion", &app_settings::vorn_version},
    {"PrebuildSoil", &app_settings::prebuild_soil},
    {"SaveYearFirst", &app_settings::save_year_first},
    {"SaveYearLast", &app_settings::save_year_last},
    {"EnglishConvert", &app_settings::english_convert},
    {"SetUserSelectedVariables", &app_settings::set_user_selected_variables},
};

// In the order they are written at exit.
const char* const write_order[] = {"VORNVersion", "SaveYearFirst", "SaveYearLast", "EnglishConvert",
                                   "PrebuildSoil", "SetUserSelectedVariables", "RunVisible", "ReadSoil",
                                   "DynamicRunoff", "RecordList"};

const char* const all_names[] = {"Files/VORN2110", "Settings/RunVisible", "Settings/ReadSoil",
                                 "Settings/DynamicRunoff", "Settings/RecordList", "Settings/VORNVersion",
                                 "Settings/PrebuildSoil", "Settings/SaveYearFirst", "Settings/SaveYearLast",
                                 "Settings/EnglishConvert", "Settings/SetUserSelectedVariables",
                                 "Settings/ModelLineEnds", nullptr};

const integer_setting* find_integer_setting(const std::string& key)
{
    for (const auto& setting : read_order) {
        if (equals_ignoring_case(setting.key, key))
            return &setting;
    }
    return nullptr;
}

long long get_integer(const app_settings& settings, const setting_member& member)
{
    return std::visit([&](auto pointer) { return static_cast<long long>(settings.*pointer); }, member);
}

void set_integer(app_settings& settings, const setting_member& member, long long value)
{
    std::visit(
        [&](auto pointer) {
            using value_type = std::remove_reference_t<decltype(settings.*pointer)>;
            // Flags keep the low byte of whatever integer is stored.
            settings.*pointer = static_cast<value_type>(value);
        },
        member);
}

const char* line_ends_name(line_end_style style) { return style == line_end_style::crlf ? "CRLF" : "LF"; }

bool parse_line_ends(const std::string& text, line_end_style& style)
{
    if (equals_ignoring_case(text, "CRLF"))
        style = line_end_style::crlf;
    else if (equals_ignoring_case(text, "LF"))
        style = line_end_style::lf;
    else
        return false;
    return true;
}

void update_output_variable_file(app_settings& settings)
{
    settings.output_variable_file = settings.model_executable;
    settings.output_variable_file.set_name("output variables.csv");
}

} // namespace

filename_struct app_settings::default_model_executable()
{
    filename_struct path;
    path.set_full_path("vorn2110v3.exe");
    return path;
}

void app_settings::read(settings_store& store)
{
    model_executable.set_full_path(store.read_string("Files", "VORN2110", model_executable.full_path()));
    update_output_variable_file(*this);
    for (const auto& setting : read_order)
        set_integer(*this, setting.member, store.read_integer("Settings", setting.key, get_integer(*this, setting.member)));
    parse_line_ends(store.read_string("Settings", "ModelLineEnds", line_ends_name(model_line_ends)), model_line_ends);
}

void app_settings::write(settings_store& store) const
{
    store.write_string("Files", "VORN2110", model_executable.full_path());
    for (const char* key : write_order)
        store.write_integer("Settings", key, get_integer(*this, find_integer_setting(key)->member));
    store.write_string("Settings", "ModelLineEnds", line_ends_name(model_line_ends));
}

int app_settings::write_changes(settings_store& store, const app_settings& as_read) const
{
    // Another program (the desktop app, a `config set` made meanwhile) may have changed the other
    // keys since we read them: writing our own unchanged copies back would undo its change.
    int written = 0;
    if (model_executable.full_path() != as_read.model_executable.full_path()) {
        store.write_string("Files", "VORN2110", model_executable.full_path());
        ++written;
    }
    for (const char* key : write_order) {
        const auto member = find_integer_setting(key)->member;
        if (get_integer(*this, member) == get_integer(as_read, member))
            continue;
        store.write_integer("Settings", key, get_integer(*this, member));
        ++written;
    }
    if (model_line_ends != as_read.model_line_ends) {
        store.write_string("Settings", "ModelLineEnds", line_ends_name(model_line_ends));
        ++written;
    }
    return written;
}

std::string app_settings::model_working_directory() const { return model_executable.directory_with_drive(); }

std::string app_settings::model_base_name() const { return cut_to_width(model_executable.base, 49); }

const char* const* setting_names() { return all_names; }

static std::string key_of(const std::string& name, std::string& section)
{
    const size_t slash = name.find('/');
    section = slash == std::string::npos ? "" : name.substr(0, slash);
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

bool get_setting(const app_settings& settings, const std::string& name, std::string& value)
{
    std::string section;
    const std::string key = key_of(name, section);
    if (equals_ignoring_case(key, "VORN2110") && (section.empty() || equals_ignoring_case(section, "Files"))) {
        value = settings.model_executable.full_path();
        return true;
    }
    if (!section.empty() && !equals_ignoring_case(section, "Settings"))
        return false;
    if (equals_ignoring_case(key, "ModelLineEnds")) {
        value = line_ends_name(settings.model_line_ends);
        return true;
    }
    const integer_setting* setting = find_integer_setting(key);
    if (!setting)
        return false;
    value = std::to_string(get_integer(settings, setting->member));
    return true;
}

bool set_setting(app_settings& settings, const std::string& name, const std::string& value, std::string& log)
{
    std::string section;
    const std::string key = key_of(name, section);
    if (equals_ignoring_case(key, "VORN2110") && (section.empty() || equals_ignoring_case(section, "Files"))) {
        settings.model_executable.set_full_path(value);
        update_output_variable_file(settings);
        return true;
    }
    const integer_setting* setting = find_integer_setting(key);
    const bool in_settings = section.empty() || equals_ignoring_case(section, "Settings");
    if (in_settings && equals_ignoring_case(key, "ModelLineEnds")) {
        if (parse_line_ends(value, settings.model_line_ends))
            return true;
        log += "ModelLineEnds must be CRLF or LF\r\n";
        return false;
    }
    if (!in_settings || !setting) {
        log += "Unknown setting " + name + "\r\n";
        return false;
    }
    char* end = nullptr;
    const long long number = std::strtoll(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0') {
        log += "Setting " + name + " takes an integer, not \"" + value + "\"\r\n";
        return false;
    }
    set_integer(settings, setting->member, number);
    return true;
}

} // namespace ivorn
