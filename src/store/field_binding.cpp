// Member <-> column copies for bound records.
#include "store/field_binding.h"

#include <limits>

namespace ivorn {
namespace {

template <class T>
T clamp_integer(std::int64_t value)
{
    if (value < std::numeric_limits<T>::min())
        return std::numeric_limits<T>::min();
    if (value > std::numeric_limits<T>::max())
        return std::numeric_limits<T>::max();
    return static_cast<T>(value);
}

void load_member(const bound_member& member, const field_value& value)
{
    std::visit(
        [&](auto* target) {
            using member_type = std::remove_pointer_t<decltype(target)>;
            if constexpr (std::is_same_v<member_type, std::string>)
                *target = value_as_text(value);
            else if constexpr (std::is_same_v<member_type, float>)
                *target = static_cast<float>(value_as_real(value));
            else
                *target = clamp_integer<member_type>(value_as_integer(value));
        },
        member);
}

} // namespace

void load_bindings(const recordset& set, const binding_list& bindings)
{
    for (const auto& binding : bindings) {
        const int column = set.table().column_index(binding.column);
        if (column >= 0)
            load_member(binding.member, set.get(column));
    }
}

std::vector<int> binding_columns(const table_description& table, const binding_list& bindings)
{
    std::vector<int> columns;
    columns.reserve(bindings.size());
    for (const auto& binding : bindings)
        columns.push_back(table.column_index(binding.column));
    return columns;
}

void load_bindings(const std::vector<field_value>& row, const binding_list& bindings, const std::vector<int>& columns)
{
    for (size_t i = 0; i < bindings.size() && i < columns.size(); ++i) {
        const int column = columns[i];
        if (column >= 0 && static_cast<size_t>(column) < row.size())
            load_member(bindings[i].member, row[static_cast<size_t>(column)]);
    }
}

field_value member_value(const bound_member& member)
{
    return std::visit(
        [](auto* value) {
            using member_type = std::remove_pointer_t<decltype(value)>;
            if constexpr (std::is_same_v<member_type, std::string>)
                return field_value(*value);
            else if constexpr (std::is_same_v<member_type, float>)
                return field_value(static_cast<double>(*value));
            else
                return field_value(static_cast<std::int64_t>(*value));
        },
        member);
}

void save_bindings(recordset& set, const binding_list& bindings)
{
    for (const auto& binding : bindings)
        set.set(binding.column, member_value(binding.member));
}

void bind_numbered(binding_list& bindings, const std::string& prefix, float* values, int count, int first_number,
                   const std::string& suffix)
{
    for (int i = 0; i < count; ++i)
        bindings.push_back({prefix + std::to_string(first_number + i) + suffix, values + i});
}

} // namespace ivorn
