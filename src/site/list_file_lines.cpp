// Scanning and placing the names that the model's list files hold.
#include "site/list_file_lines.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "core/file_lookup.h"
#include "core/filename_struct.h"

namespace ivorn {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

} // namespace

std::string first_word(std::string_view text)
{
    size_t begin = 0;
    while (begin < text.size() && is_blank(text[begin]))
        ++begin;
    size_t end = begin;
    while (end < text.size() && !is_blank(text[end]))
        ++end;
    return std::string(text.substr(begin, end - begin));
}

bool scan_number_and_name(std::string_view line, int& number, std::string& name)
{
    const std::string text(line);
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return false;
    name = first_word(std::string_view(text).substr(static_cast<size_t>(end - text.c_str())));
    if (name.empty())
        return false;
    number = static_cast<int>(value);
    return true;
}

std::string listed_file_path(const std::string& list_path, const std::string& name, std::string& log)
{
    filename_struct list;
    list.set_full_path(list_path);
    filename_struct listed;
    listed.set_full_path(name);
    if (listed.has_drive && !regular_file_exists(name)) {
        // A drive of the machine the list was made on means nothing here; the data set travels
        // as one directory.
        const std::string fallback = list.path_in_directory(listed.name);
        log += "The name " + name + " in " + list_path + " has a drive letter; " + fallback + " is read instead.\r\n";
        return find_path_ignoring_case(fallback);
    }
    std::string native = name;
    for (char& c : native) {
        if (is_path_separator(c))
            c = native_separator();
    }
    const bool absolute = !native.empty() && is_path_separator(native.front());
    return find_path_ignoring_case(absolute ? native : list.path_in_directory(native));
}

} // namespace ivorn
