// Lookups on a table description and the builder that the table files use.
#include "store/table_description.h"

#include <cctype>

#include "core/text_utils.h"

namespace ivorn {

void table_description::index_positions()
{
    positions.clear();
    for (size_t i = 0; i < columns.size(); ++i)
        positions.emplace(to_lower_copy(columns[i].name), static_cast<int>(i));
}

int table_description::column_index(std::string_view wanted) const
{
    if (!positions.empty()) {
        char buffer[128];
        if (wanted.size() < sizeof buffer) {
            for (size_t i = 0; i < wanted.size(); ++i)
                buffer[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(wanted[i])));
            const auto found = positions.find(std::string_view(buffer, wanted.size()));
            return found == positions.end() ? -1 : found->second;
        }
    }
    for (size_t i = 0; i < columns.size(); ++i) {
        if (equals_ignoring_case(columns[i].name, wanted))
            return static_cast<int>(i);
    }
    return -1;
}

const column_description* table_description::column(std::string_view wanted) const
{
    const int i = column_index(wanted);
    return i < 0 ? nullptr : &columns[static_cast<size_t>(i)];
}

std::vector<std::string> table_description::key_columns() const
{
    for (const auto& index : indexes) {
        if (index.primary)
            return index.columns;
    }
    return {};
}

table_builder& table_builder::add(std::string name, column_type type, int size)
{
    table_.columns.push_back({std::move(name), type, size});
    return *this;
}

table_builder& table_builder::longs(std::initializer_list<const char*> names)
{
    for (const char* name : names)
        long_col(name);
    return *this;
}

table_builder& table_builder::shorts(std::initializer_list<const char*> names)
{
    for (const char* name : names)
        short_col(name);
    return *this;
}

table_builder& table_builder::singles(std::initializer_list<const char*> names)
{
    for (const char* name : names)
        single_col(name);
    return *this;
}

table_builder& table_builder::numbered(column_type type, const std::string& prefix, int first,
                                       int last, const std::string& suffix)
{
    for (int i = first; i <= last; ++i)
        add(prefix + std::to_string(i) + suffix, type, 0);
    return *this;
}

table_builder& table_builder::primary_key(std::vector<std::string> columns)
{
    table_.indexes.push_back({"PrimaryKey", std::move(columns), true});
    return *this;
}

table_builder& table_builder::index(std::string name, std::string column)
{
    table_.indexes.push_back({std::move(name), {std::move(column)}, false});
    return *this;
}

} // namespace ivorn
