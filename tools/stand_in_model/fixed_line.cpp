// Fixed-width line building for the stand-in model's reports.
#include "fixed_line.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/text_utils.h"

namespace ivorn::stand_in {
namespace {

// A layout whose format does not take the value's type is a fault of this program: stop loudly
// rather than print garbage that a test might take for a report.
void check_conversion(const column_field& field, const char* conversions)
{
    const size_t length = std::strlen(field.format);
    if (length > 0 && std::strchr(conversions, field.format[length - 1]))
        return;
    std::fprintf(stderr, "vorn stand-in: layout fault, format \"%s\" at columns %d-%d\n", field.format, field.first, field.last);
    std::abort();
}

} // namespace

void fixed_line::place(const column_field& field, std::string formatted, bool is_number)
{
    const size_t width = static_cast<size_t>(field.width());
    if (formatted.size() > width) {
        if (is_number)
            formatted.assign(width, '*');
        else
            formatted.resize(width);
    }
    const bool left = field.format[0] == '%' && field.format[1] == '-';
    if (formatted.size() < width)
        formatted = left ? formatted + std::string(width - formatted.size(), ' ')
                         : std::string(width - formatted.size(), ' ') + formatted;
    const size_t start = static_cast<size_t>(field.first - 1);
    if (text_.size() < start + width)
        text_.resize(start + width, ' ');
    text_.replace(start, width, formatted);
}

fixed_line& fixed_line::put(const column_field& field, double value)
{
    check_conversion(field, "fFeEgG");
    place(field, format_printf(field.format, value), true);
    return *this;
}

fixed_line& fixed_line::put(const column_field& field, long value)
{
    check_conversion(field, "d");
    place(field, format_printf(field.format, value), true);
    return *this;
}

fixed_line& fixed_line::put(const column_field& field, std::string_view text)
{
    check_conversion(field, "s");
    place(field, format_printf(field.format, std::string(text).c_str()), false);
    return *this;
}

fixed_line& fixed_line::text_at(int first, std::string_view text)
{
    const size_t start = static_cast<size_t>(first - 1);
    if (text_.size() < start + text.size())
        text_.resize(start + text.size(), ' ');
    text_.replace(start, text.size(), text);
    return *this;
}

fixed_line& fixed_line::pad_to(int length)
{
    if (text_.size() < static_cast<size_t>(length))
        text_.resize(static_cast<size_t>(length), ' ');
    return *this;
}

} // namespace ivorn::stand_in
