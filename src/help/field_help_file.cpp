// Parsing `iVornHelp.csv`: comma-separated lines of name, version, table, units and a help text
// that runs to the end of the line; a field may be quoted, and "\n" in the text is a line break.
#include "help/field_help.h"

#include <cstdlib>

#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/text_utils.h"

namespace ivorn {
namespace {

// Splits the next field off `rest`, quotes included; false when nothing is left. A quoted field
// runs to the next quote (or, without one, to the end of the line) and takes the comma after it.
bool split_field(std::string_view& rest, std::string& field)
{
    if (rest.empty())
        return false;
    if (rest.front() == '"') {
        const size_t close = rest.find('"', 1);
        const size_t end = close == std::string_view::npos ? rest.size() : close + 1;
        field.assign(rest.substr(0, end));
        rest.remove_prefix(end);
        if (!rest.empty() && rest.front() == ',')
            rest.remove_prefix(1);
        return true;
    }
    const size_t comma = rest.find(',');
    field.assign(rest.substr(0, comma));
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    return true;
}

std::string without_quotes(std::string text)
{
    if (text.size() <= 2)
        return text;
    if (text.back() == '"')
        text.pop_back();
    if (text.front() == '"')
        text.erase(0, 1);
    return text;
}

std::string with_line_breaks(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            result += "\r\n";
            ++i;
        } else {
            result.push_back(text[i]);
        }
    }
    return result;
}

long long decimal(const std::string& field) { return std::strtoll(field.c_str(), nullptr, 10); }

// One line into an entry; false (message appended) when the line cannot be taken.
bool parse_line(std::string_view rest, long line_number, field_help& entry, std::string& error_text)
{
    std::string name;
    std::string version;
    std::string table;
    std::string units;
    if (!split_field(rest, name)) {
        error_text += "ERROR, unable to parse help text.\r\n";
        return false;
    }
    if (!split_field(rest, version)) {
        error_text += format_printf("ERROR, unable to parse help text version, name=\"%s\", line=%ld.\r\n.\r\n",
                                    name.c_str(), line_number);
        return false;
    }
    if (!split_field(rest, table)) {
        error_text += format_printf("ERROR, unable to parse help text table, name=\"%s\", line=%ld.\r\n", name.c_str(),
                                    line_number);
        return false;
    }
    std::string help_text;
    if (split_field(rest, units))
        help_text.assign(rest);
    else
        units.clear();
    entry.name = without_quotes(name);
    entry.version = static_cast<std::uint16_t>(decimal(version) & 0xFFFF);
    entry.table = static_cast<std::int32_t>(decimal(table));
    entry.units = without_quotes(units);
    entry.help_text = with_line_breaks(without_quotes(help_text));
    return true;
}

} // namespace

void load_field_help(list_field_help& help, const std::string& path, std::string& error_text)
{
    line_reader reader;
    std::string reader_log;
    if (reader.open(path, reader_log) != line_reader::open_result::opened) {
        error_text += "ERROR, unable to open help file \"" + path + "\"\r\n" + reader_log;
        return;
    }
    std::string line;
    while (reader.next_line(line)) {
        const std::string_view text = without_line_end(line);
        if (text.empty())
            break;
        auto entry = std::make_unique<field_help>();
        if (!parse_line(text, reader.line_number(), *entry, error_text))
            return;
        const std::string name = entry->name;
        if (!help.add(std::move(entry))) {
            error_text += "ERROR, invalid field name \"" + name + "\" in help text file.\r\n";
            return;
        }
    }
}

} // namespace ivorn
