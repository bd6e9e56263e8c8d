// Case-insensitive file lookup: two direct probes first, one directory listing when needed.
#include "core/file_lookup.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/filename_struct.h"
#include "core/text_utils.h"

namespace ivorn {
namespace {

bool is_file(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string in_capitals(const std::string& name)
{
    std::string upper = name;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

} // namespace

directory_lookup::directory_lookup(const std::string& directory) : prefix_(directory)
{
    if (!prefix_.empty() && !is_path_separator(prefix_.back()))
        prefix_.push_back(native_separator());
}

void directory_lookup::read_directory()
{
    read_ = true;
    const std::filesystem::path where = prefix_.empty() ? std::filesystem::path(".") : std::filesystem::path(prefix_);
    std::error_code error;
    for (std::filesystem::directory_iterator it(where, error), end; !error && it != end; it.increment(error)) {
        std::error_code type_error;
        if (!it->is_regular_file(type_error))
            continue;
        const std::string candidate = it->path().filename().string();
        names_[to_lower_copy(candidate)].push_back(candidate);
    }
    for (auto& [lower, spellings] : names_)
        std::sort(spellings.begin(), spellings.end());
}

std::vector<std::string> directory_lookup::all_spellings(const std::string& name)
{
    if (!read_)
        read_directory();
    const auto found = names_.find(to_lower_copy(name));
    return found == names_.end() ? std::vector<std::string>{} : found->second;
}

std::string directory_lookup::find(const std::string& name)
{
    const std::string asked = prefix_ + name;
    if (is_file(asked))
        return asked;
    // Capitals sort before small letters, so this spelling is the first of all when it exists.
    const std::string capitals = prefix_ + in_capitals(name);
    if (is_file(capitals))
        return capitals;
    const auto spellings = all_spellings(name);
    for (const std::string& spelling : spellings) {
        // A listing read earlier may name a file removed since by someone else.
        if (is_file(prefix_ + spelling))
            return prefix_ + spelling;
    }
    return asked;
}

void directory_lookup::forget(const std::string& path)
{
    if (!read_ || path.size() < prefix_.size() || path.compare(0, prefix_.size(), prefix_) != 0)
        return;
    const std::string name = path.substr(prefix_.size());
    const auto found = names_.find(to_lower_copy(name));
    if (found == names_.end())
        return;
    auto& spellings = found->second;
    spellings.erase(std::remove(spellings.begin(), spellings.end(), name), spellings.end());
}

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
    return directory_lookup(directory).find(name);
}

} // namespace ivorn
