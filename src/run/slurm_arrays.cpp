// Cutting a set's tasks into job arrays the cluster accepts.
#include "run/slurm_arrays.h"

#include <algorithm>
#include <charconv>

#include "core/text_utils.h"

namespace ivorn {

long max_array_size_from_config(std::string_view config_text)
{
    constexpr std::string_view key = "MaxArraySize";
    size_t line_start = 0;
    while (line_start < config_text.size()) {
        size_t line_end = config_text.find('\n', line_start);
        if (line_end == std::string_view::npos)
            line_end = config_text.size();
        const std::string line = trim_copy(config_text.substr(line_start, line_end - line_start));
        line_start = line_end + 1;
        if (line.rfind(key, 0) != 0)
            continue;
        const std::string rest = trim_copy(std::string_view(line).substr(key.size()));
        if (rest.empty() || rest.front() != '=')
            continue;
        const std::string number = trim_copy(std::string_view(rest).substr(1));
        long value = 0;
        const auto [last, error] = std::from_chars(number.data(), number.data() + number.size(), value);
        // Below 2 no task index fits; such a value is not the cluster's real limit.
        if (error == std::errc() && last == number.data() + number.size() && value >= 2)
            return value;
        return default_max_array_size;
    }
    return default_max_array_size;
}

std::vector<array_part> split_into_arrays(long task_count, long max_array_size)
{
    // Indices start at 1 and must stay below the limit.
    const long per_array = std::max(max_array_size, 2L) - 1;
    std::vector<array_part> parts;
    for (long first = 0; first < task_count; first += per_array)
        parts.push_back({first, std::min(per_array, task_count - first)});
    return parts;
}

} // namespace ivorn
