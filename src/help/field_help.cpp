// Help entries, the per-letter lists and their lookups.
#include "help/field_help.h"

#include "core/text_utils.h"

namespace ivorn {
namespace {

// The list index of a name's initial, or -1 when it is not a letter A-Z in either case.
int letter_index(std::string_view name)
{
    if (name.empty())
        return -1;
    const char c = name.front();
    if (c >= 'a' && c <= 'z')
        return c - 'a';
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    return -1;
}

struct help_table {
    const char* name;
    const char* page;
};

const help_table vorn_tables[] = {
    {"Control Records", "i_vorn_control_records.html"},
    {"Crops", "i_vorn_crops.html"},
    {"Operations", "i_vorn_operations.html"},
    {"Soils", "i_vorn_soils.html"},
    {"Soil Layers", "i_vorn_soil_layers.html"},
    {"Weather", "i_vorn_weather.html"},
    {"Weather by Month", "i_vorn_weather_by_month.html"},
    {"Parameters", "i_vorn_parameters.html"},
    {"Field Operations", "i_vorn_field_operations.html"},
    {"Fertilizer", "i_vorn_fertilizer.html"},
    {"Pesticide", "i_vorn_pesticide.html"},
    {"Livestock", "i_vorn_livestock.html"},
    {"Subarea", "i_vorn_subareas.html"},
    {"Management", "i_vorn_management.html"},
};

const help_table* vorn_table(std::int32_t table)
{
    if (table < 1 || table > static_cast<std::int32_t>(std::size(vorn_tables)))
        return nullptr;
    return &vorn_tables[table - 1];
}

std::string display_text(const field_help& entry)
{
    std::string text = entry.name;
    if (!entry.units.empty())
        text += " (" + entry.units + ")";
    return text + ": " + entry.help_text;
}

} // namespace

bool field_help::comes_before(const list_member& candidate) const
{
    const auto& other = static_cast<const field_help&>(candidate);
    const int order = name.compare(other.name);
    return order < 0 || (order == 0 && version < other.version);
}

void field_help::copy_from(const field_help& other)
{
    version = other.version;
    name = other.name;
    units = other.units;
    help_text = other.help_text;
    table = other.table;
}

bool list_field_help::add(std::unique_ptr<field_help> entry)
{
    const int index = entry ? letter_index(entry->name) : -1;
    if (index < 0)
        return false;
    letters_[index].list_class::add(std::move(entry));
    return true;
}

const typed_list<field_help>* list_field_help::letter_list(char letter) const
{
    const int index = letter_index(std::string_view(&letter, 1));
    return index < 0 ? nullptr : &letters_[index];
}

size_t list_field_help::count() const
{
    size_t total = 0;
    for (const auto& list : letters_)
        total += list.count();
    return total;
}

void list_field_help::clear()
{
    for (auto& list : letters_)
        list.delete_all();
}

bool list_field_help::find_field_help(std::string_view name, unsigned version, std::string& result) const
{
    const int index = letter_index(name);
    if (index < 0)
        return false;
    const field_help* any_version = nullptr;
    for (const field_help* entry : letters_[index]) {
        if (!equals_ignoring_case(entry->name, name))
            continue;
        if (entry->version == version) {
            result = display_text(*entry);
            return true;
        }
        if (!any_version)
            any_version = entry;
    }
    if (!any_version)
        return false;
    result = display_text(*any_version);
    return true;
}

std::string help_box_text(const list_field_help& help, std::string_view field_name)
{
    if (field_name.empty())
        return {};
    std::string text;
    if (help.find_field_help(field_name, 0, text))
        return text;
    return "Not Found: " + std::string(field_name);
}

void list_field_help::table_name(std::int32_t, std::string& result) const { result = "??"; }
void list_field_help::table_page(std::int32_t, std::string& result) const { result = "unknown"; }
void list_field_help::table_text(std::int32_t, std::string& result) const { result = "unknown"; }

void list_field_help_vorn::table_name(std::int32_t table, std::string& result) const
{
    const help_table* found = vorn_table(table);
    result = found ? found->name : "??";
}

void list_field_help_vorn::table_page(std::int32_t table, std::string& result) const
{
    const help_table* found = vorn_table(table);
    result = found ? found->page : "unknown";
}

void list_field_help_vorn::table_text(std::int32_t, std::string& result) const { result = "1"; }

} // namespace ivorn
