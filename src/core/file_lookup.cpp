// Case-insensitive file lookup over one directory listing.
#include "core/file_lookup.h"

#include <filesystem>
#include <system_error>

#include "core/filename_struct.h"
#include "core/text_utils.h"

namespace ivorn {

namespace {

// The entry of `directory` whose name equals `name` ignoring case, the exact one first; empty
// when there is none.
std::string matching_entry(const std::filesystem::path& directory, const std::string& name)
{
    std::error_code error;
    if (std::filesystem::exists(directory / name, error))
        return name;
    std::string best;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (equals_ignoring_case(candidate, name) && (best.empty() || candidate < best))
            best = candidate;
    }
    return best;
}

} // namespace

std::string find_path_ignoring_case(const std::string& path)
{
    if (path.empty() || regular_file_exists(path))
        return path;
    std::string found;
    size_t begin = 0;
    if (is_path_separator(path.front())) {
        found.push_back(path.front());
        begin = 1;
    }
    while (begin <= path.size()) {
        size_t end = begin;
        while (end < path.size() && !is_path_separator(path[end]))
            ++end;
        const std::string part = path.substr(begin, end - begin);
        if (!part.empty()) {
            const std::filesystem::path where = found.empty() ? std::filesystem::path(".") : std::filesystem::path(found);
            const std::string entry = part == "." || part == ".." ? part : matching_entry(where, part);
            if (entry.empty())
                return path;
            found += entry;
        }
        if (end < path.size())
            found.push_back(path[end]);
        begin = end + 1;
    }
    return regular_file_exists(found) ? found : path;
}

bool regular_file_exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string find_file_ignoring_case(const std::string& directory, const std::string& name)
{
    std::string prefix = directory;
    if (!prefix.empty() && !is_path_separator(prefix.back()))
        prefix.push_back(native_separator());
    const std::string asked = prefix + name;
    std::error_code error;
    if (std::filesystem::is_regular_file(asked, error))
        return asked;

    const std::filesystem::path where = prefix.empty() ? std::filesystem::path(".") : std::filesystem::path(prefix);
    std::string best;
    for (std::filesystem::directory_iterator it(where, error), end; !error && it != end; it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (!equals_ignoring_case(candidate, name) || !it->is_regular_file(error))
            continue;
        if (best.empty() || candidate < best)
            best = candidate;
    }
    return best.empty() ? asked : prefix + best;
}

} // namespace ivorn
