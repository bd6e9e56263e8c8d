// Case-insensitive file lookup over one directory listing.
#include "core/file_lookup.h"

#include <filesystem>
#include <system_error>

#include "core/filename_struct.h"
#include "core/text_utils.h"

namespace ivorn {

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
