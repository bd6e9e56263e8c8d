// Conversions between the stored value kinds.
#include "store/field_value.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace ivorn {

std::int64_t value_as_integer(const field_value& value)
{
    if (const auto* integer = std::get_if<std::int64_t>(&value))
        return *integer;
    if (const auto* real = std::get_if<double>(&value)) {
        if (!std::isfinite(*real) || std::fabs(*real) > 9.2e18)
            return 0;
        return static_cast<std::int64_t>(*real);
    }
    if (const auto* text = std::get_if<std::string>(&value))
        return std::strtoll(text->c_str(), nullptr, 10);
    return 0;
}

double value_as_real(const field_value& value)
{
    if (const auto* integer = std::get_if<std::int64_t>(&value))
        return static_cast<double>(*integer);
    if (const auto* real = std::get_if<double>(&value))
        return *real;
    if (const auto* text = std::get_if<std::string>(&value))
        return std::strtod(text->c_str(), nullptr);
    return 0.0;
}

std::string value_as_text(const field_value& value)
{
    if (const auto* integer = std::get_if<std::int64_t>(&value))
        return std::to_string(*integer);
    if (const auto* real = std::get_if<double>(&value)) {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.9g", *real);
        return buffer;
    }
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    return {};
}

} // namespace ivorn
