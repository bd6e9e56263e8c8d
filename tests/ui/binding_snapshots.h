// Filling a record through its binding list with values a careless copy-back would change, and
// the members' bytes to compare a record before and after exactly.
#pragma once

#include <string>
#include <type_traits>

#include "store/field_binding.h"

namespace ivorn::testing {

// Thirds (which a "%g" display rounds) and alternating codes 0 and 1.
inline void fill_with_awkward_values(const binding_list& bindings)
{
    int n = 0;
    for (const field_binding& binding : bindings) {
        ++n;
        std::visit(
            [n](auto* value) {
                using type = std::remove_pointer_t<decltype(value)>;
                if constexpr (std::is_same_v<type, std::string>)
                    *value = "text " + std::to_string(n);
                else if constexpr (std::is_same_v<type, float>)
                    *value = static_cast<float>(n) / 3.0f;
                else
                    *value = static_cast<type>(n % 2);
            },
            binding.member);
    }
}

inline std::string snapshot(const binding_list& bindings)
{
    std::string bytes;
    for (const field_binding& binding : bindings) {
        std::visit(
            [&bytes](auto* value) {
                using type = std::remove_pointer_t<decltype(value)>;
                if constexpr (std::is_same_v<type, std::string>)
                    bytes += *value + '\n';
                else
                    bytes.append(reinterpret_cast<const char*>(value), sizeof(type));
            },
            binding.member);
    }
    return bytes;
}

} // namespace ivorn::testing
