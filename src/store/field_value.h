// A column value as the record store hands it around: null, integer, real or text.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace ivorn {

using field_value = std::variant<std::monostate, std::int64_t, double, std::string>;

std::int64_t value_as_integer(const field_value& value);
double value_as_real(const field_value& value);
std::string value_as_text(const field_value& value);

// Column = value terms joined by "and"; values are bound as parameters, never pasted into SQL.
struct filter_term {
    std::string column;
    field_value value;
};
using record_filter = std::vector<filter_term>;

inline record_filter filter_by(std::string column, field_value value)
{
    return {{std::move(column), std::move(value)}};
}

} // namespace ivorn
