// Splitting and joining of paths.
#include "core/filename_struct.h"

namespace ivorn {

bool is_path_separator(char c) { return c == '\\' || c == '/'; }

char native_separator()
{
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

bool filename_struct::set_full_path(std::string_view path)
{
    drive = '*';
    has_drive = false;
    size_t last_separator = std::string_view::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        if (is_path_separator(path[i]))
            last_separator = i;
    }
    std::string_view directory_part;
    std::string_view name_part = path;
    if (last_separator != std::string_view::npos) {
        directory_part = path.substr(0, last_separator + 1);
        name_part = path.substr(last_separator + 1);
    }
    bool ok = true;
    const size_t colon = path.find(':');
    if (colon != std::string_view::npos) {
        const bool drive_colon = colon == 1 && (last_separator == std::string_view::npos || colon < last_separator);
        if (drive_colon) {
            drive = path[0];
            has_drive = true;
            if (last_separator != std::string_view::npos)
                directory_part.remove_prefix(2);
            else
                name_part.remove_prefix(2);
        } else {
            ok = false;
        }
    }
    directory.assign(directory_part);
    absolute_directory = !directory.empty() && is_path_separator(directory.front());
    set_name(name_part);
    return ok;
}

void filename_struct::set_directory(std::string_view directory_text)
{
    directory.assign(directory_text);
    if (!directory.empty() && !is_path_separator(directory.back()))
        directory.push_back(native_separator());
    absolute_directory = !directory.empty() && is_path_separator(directory.front());
}

void filename_struct::set_name(std::string_view name_text)
{
    const size_t dot = name_text.rfind('.');
    has_extension = dot != std::string_view::npos;
    if (has_extension) {
        base.assign(name_text.substr(0, dot));
        extension.assign(name_text.substr(dot + 1));
        name = base + "." + extension;
    } else {
        base.assign(name_text);
        extension.clear();
        name = base;
    }
}

std::string filename_struct::full_path() const
{
    std::string path = directory_with_drive() + base;
    if (has_extension)
        path += "." + extension;
    return path;
}

std::string filename_struct::directory_with_drive() const
{
    if (has_drive)
        return std::string(1, drive) + ":" + directory;
    return directory;
}

std::string filename_struct::path_in_directory(std::string_view file_name) const
{
    return directory_with_drive() + std::string(file_name);
}

} // namespace ivorn
