// The in-memory settings store used by tests.
#include "shell/settings_store.h"

#include <cstdlib>

namespace ivorn {

std::string memory_settings_store::read_string(const std::string& section, const std::string& key,
                                               const std::string& fallback)
{
    const auto found = values_.find(section + "/" + key);
    return found == values_.end() ? fallback : found->second;
}

long long memory_settings_store::read_integer(const std::string& section, const std::string& key, long long fallback)
{
    const auto found = values_.find(section + "/" + key);
    if (found == values_.end())
        return fallback;
    char* end = nullptr;
    const long long value = std::strtoll(found->second.c_str(), &end, 10);
    return end == found->second.c_str() ? fallback : value;
}

void memory_settings_store::write_string(const std::string& section, const std::string& key, const std::string& value)
{
    values_[section + "/" + key] = value;
    write_order.push_back(section + "/" + key);
}

void memory_settings_store::write_integer(const std::string& section, const std::string& key, long long value)
{
    write_string(section, key, std::to_string(value));
}

std::vector<std::pair<std::string, std::string>> memory_settings_store::all()
{
    return {values_.begin(), values_.end()};
}

} // namespace ivorn
