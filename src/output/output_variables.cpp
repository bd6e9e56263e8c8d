// Loading, saving and editing the selected-output-variables list.
#include "output/output_variables.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/model_file_writer.h"
#include "core/text_utils.h"

namespace ivorn {
namespace {

const char* const switch_labels[output_file_switch_count] = {
    "OUT=Standard Output File", "MAN=Manure Summary File", "SUS=Subarea Summary File",
    "ASA=Annual Subarea File", "SWT=Output to SWAT", "DPS=Daily Pesticide File",
    "MSA=Monthly Subarea File", "AWP=Annual Watershed File", "DHY=Daily Hydrology File",
    "WSS=Watershed Summary File", "SAD=Daily Subarea File", "RCD=Daily Reach File",
    "DRS=Daily Reservoir File", "VORNBUF.OUT", "MWS=Monthly Watershed File",
    "DWS=Daily Watershed Outlet", "AWS=Annual Watershed Outlet", "DGZ=Daily Grazing",
    "DUX=Daily Manure Application", "DDD=Daily Dust Distribution",
    "ACN=Annual Soil Organic C  N Table", "DCN=Daily Soil Organic C N Table",
    "SCX=Summary Soil Organic C N Table", "ACY=Annual Subarea Crop Yield",
    "EFR=Runoff Event Flood Routing", "EHY=Runoff Event Hydrographs", "APS=Annual Pesticde File",
    "MSW=Monthly Output to SWAT", "APW=Annual Watershed Pesticide", "SOT=Final Soil Table"};

// "%ld"/"%d" on a token: leading blanks, a sign, digits; false when no digit comes.
bool scan_leading_integer(const std::string& token, long& value)
{
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(token.c_str(), &end, 10);
    if (end == token.c_str() || errno == ERANGE)
        return false;
    value = parsed;
    return true;
}

bool scan_int(const std::string& token, int& value)
{
    long parsed = 0;
    if (!scan_leading_integer(token, parsed) || parsed < -2147483647L - 1 || parsed > 2147483647L)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

std::vector<std::string> split_at_commas(const std::string& line, size_t max_fields)
{
    std::vector<std::string> fields;
    size_t start = 0;
    while (fields.size() + 1 < max_fields) {
        const size_t comma = line.find(',', start);
        if (comma == std::string::npos)
            break;
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

enum class parse_result { added, ends_loading };

// Empty fields are kept as empty fields: a description whose second text is empty must read
// back as it was written.
parse_result parse_description(const std::string& line, output_variable_description& variable)
{
    if (line.empty())
        return parse_result::ends_loading;
    const std::vector<std::string> fields = split_at_commas(line, 6);
    scan_int(fields[0], variable.state);
    if (fields.size() < 2)
        return parse_result::ends_loading;
    scan_int(fields[1], variable.number);
    if (fields.size() < 6)
        return parse_result::added;
    variable.name = fields[2];
    variable.second_text = fields[3];
    variable.english_unit_label = fields[4];
    variable.description = fields[5];
    return parse_result::added;
}

} // namespace

bool names_equal_over(const std::string& a, const std::string& b, size_t width)
{
    return a.compare(0, width, b, 0, width) == 0;
}

const char* output_file_switch_label(int k)
{
    return k >= 0 && k < output_file_switch_count ? switch_labels[k] : "";
}

bool output_variable_description::comes_before(const list_member& candidate) const
{
    return number <= static_cast<const output_variable_description&>(candidate).number;
}

std::string output_variable_description::file_line() const
{
    return format_printf("%d,%d,%s,%s,%s,%s\n", state, number, name.c_str(), second_text.c_str(),
                         english_unit_label.c_str(), description.c_str());
}

void list_output_variable_descriptions::parse_switches(const std::string& line)
{
    // Switch k is the character at position 2k; a short line or any other character leaves it off.
    for (int k = 0; k < output_file_switch_count; ++k) {
        const size_t at = static_cast<size_t>(2 * k);
        const char c = at < line.size() ? line[at] : '0';
        switches[static_cast<size_t>(k)] = c >= '0' && c <= '9' ? c - '0' : 0;
    }
}

bool list_output_variable_descriptions::load_output_variables(const std::string& path, message_box_texts& shown)
{
    line_reader reader;
    std::string ignored;
    const auto opened = reader.open(path, ignored);
    if (opened == line_reader::open_result::missing) {
        shown.push_back(format_printf("Unable to open file %s", path.c_str()));
        return false;
    }
    std::string line;
    if (opened == line_reader::open_result::not_text || !reader.next_line(line)) {
        shown.push_back(format_printf("Unable to read file %s", path.c_str()));
        return false;
    }
    scan_leading_integer(line, selection_counter);
    if (selection_counter < 1 || selection_counter >= 100)
        shown.push_back("Bad select counter");
    if (!reader.next_line(line))
        return true;
    parse_switches(std::string(without_line_end(line)));
    while (reader.next_line(line)) {
        auto variable = std::make_unique<output_variable_description>();
        if (parse_description(std::string(without_line_end(line)), *variable) == parse_result::ends_loading)
            break;
        if (variable->state == 2)
            ++selected_count;
        add(std::move(variable));
    }
    return true;
}

bool list_output_variable_descriptions::save_output_variables(const std::string& path, int selection_changed,
                                                              message_box_texts& shown)
{
    // Written beside the file and moved over it, so a failed write never leaves half a list.
    const std::string temporary = path + ".new";
    model_file_writer file;
    if (!file.open(temporary, platform_line_ends())) {
        shown.push_back(format_printf("Cannot open file %s", path.c_str()));
        return false;
    }
    if (selection_changed) {
        ++selection_counter;
        if (selection_counter == 100)
            selection_counter = 1;
    }
    // The counter as read, whatever its size: a cast to int would wrap a damaged one silently.
    file.printf("%4ld\n", selection_counter);
    for (int k = 0; k < output_file_switch_count; ++k)
        file.printf("%-2d", switches[static_cast<size_t>(k)]);
    file.write("\n");
    for (const output_variable_description* variable : *this)
        file.write(variable->file_line());
    if (!file.close() || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        shown.push_back(format_printf("Cannot open file %s", path.c_str()));
        return false;
    }
    return true;
}

std::vector<output_variable_description*> list_output_variable_descriptions::all_variables() const
{
    std::vector<output_variable_description*> found;
    for (output_variable_description* variable : *this) {
        if (variable->number != -1)
            found.push_back(variable);
    }
    return found;
}

std::vector<output_variable_description*> list_output_variable_descriptions::printed_variables() const
{
    std::vector<output_variable_description*> found;
    for (output_variable_description* variable : *this) {
        if (variable->state != 0)
            found.push_back(variable);
    }
    return found;
}

std::vector<output_variable_description*> list_output_variable_descriptions::user_selected_variables() const
{
    std::vector<output_variable_description*> found;
    for (output_variable_description* variable : *this) {
        if (variable->state == 2)
            found.push_back(variable);
    }
    return found;
}

std::string list_output_variable_descriptions::list_entry(const output_variable_description& variable,
                                                          bool with_description)
{
    std::string entry = format_printf("%2d %s ", variable.number, variable.name.c_str());
    if (with_description)
        entry += variable.description;
    return entry;
}

bool list_output_variable_descriptions::select_variable(output_variable_description* highlighted,
                                                        int& selection_changed, message_box_texts& shown)
{
    if (selected_count >= max_selected_variables) {
        shown.push_back("Maximum of 10 variables has been selected");
        return false;
    }
    if (!highlighted) {
        shown.push_back("Must select an output variable");
        return false;
    }
    if (highlighted->state != 0)
        return false;
    highlighted->state = 2;
    ++selected_count;
    selection_changed = 1;
    return true;
}

bool list_output_variable_descriptions::remove_variable(const std::string* highlighted_entry,
                                                        int& selection_changed, message_box_texts& shown)
{
    if (!highlighted_entry) {
        shown.push_back("Must select an output variable");
        return false;
    }
    // The entry reads "number name ...": the name is its second word, whatever its length.
    std::istringstream words(*highlighted_entry);
    std::string name;
    if (!(words >> name >> name))
        return false;
    for (output_variable_description* variable : *this) {
        if (variable->state == 2 && names_equal_over(variable->name, name, 10)) {
            variable->state = 0;
            --selected_count;
            selection_changed = 1;
            return true;
        }
    }
    return false;
}

} // namespace ivorn
