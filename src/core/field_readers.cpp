// Fixed-column field readers. Numbers that do not fit their type fail rather than wrap or turn
// into infinities, so a damaged file can never put such values into the database.
#include "core/field_readers.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace ivorn {
namespace {

// The field's characters, or nothing when the line ends before `last`.
bool cut_field(std::string_view line, int first, int last, std::string& field)
{
    if (first < 1 || last < first || static_cast<size_t>(last) > line.size())
        return false;
    field.assign(line.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1)));
    return true;
}

bool line_too_short(std::string_view line, int last)
{
    return last < 1 || static_cast<size_t>(last) > line.size();
}

// Scans an integer as "%ld"/"%d" would: leading white space, a sign, digits; trailing text is
// ignored. Fails when no digit is found or the value leaves [low, high]; the latter also sets
// `beyond` when given.
bool scan_integer(const std::string& field, long long low, long long high, long long& value, bool* beyond = nullptr)
{
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(field.c_str(), &end, 10);
    if (end == field.c_str())
        return false;
    if (errno == ERANGE || parsed < low || parsed > high) {
        if (beyond)
            *beyond = true;
        return false;
    }
    value = parsed;
    return true;
}

bool is_c_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// What strtod makes of the field: its value, the characters it took and whether it reported
// ERANGE. A report holds hundreds of thousands of reals, nearly all of the plain form (blanks, a
// minus, digits, a point, an exponent): those are converted here, correctly rounded like strtod
// but without its locale and errno machinery. Anything else (a plus sign, hexadecimal, inf,
// nan, a value that underflows, an exponent left unfinished) goes to strtod itself.
double string_to_double(std::string_view field, size_t& consumed, bool& range_error)
{
    const char* const begin = field.data();
    const char* const stop = begin + field.size();
    const char* p = begin;
    while (p < stop && is_c_space(*p))
        ++p;
    const char* digits = p < stop && *p == '-' ? p + 1 : p;
    const bool plain = digits < stop && (*digits == '.' || (*digits >= '0' && *digits <= '9'))
                       && !(digits + 1 < stop && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'));
    if (plain) {
        double value = 0.0;
        const auto [end, error] = std::from_chars(p, stop, value, std::chars_format::general);
        const bool exponent_left = end < stop && (*end == 'e' || *end == 'E');
        if (error == std::errc() && !exponent_left && (value == 0.0 || std::fabs(value) >= DBL_MIN)) {
            consumed = static_cast<size_t>(end - begin);
            range_error = false;
            return value;
        }
    }
    const std::string terminated(field);
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(terminated.c_str(), &end);
    consumed = static_cast<size_t>(end - terminated.c_str());
    range_error = errno == ERANGE;
    return value;
}

// The parse behind read_long_field and long_field_overflows, so a checked read scans once.
bool parse_long_field(std::string_view line, int first, int last, std::int32_t& out, bool& beyond_long)
{
    out = 0;
    beyond_long = false;
    if (line_too_short(line, last))
        return true;
    std::string field;
    long long value = 0;
    if (!cut_field(line, first, last, field)
        || !scan_integer(field, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), value,
                         &beyond_long))
        return false;
    out = static_cast<std::int32_t>(value);
    return true;
}

// The parse behind read_float_field and float_field_overflows.
bool parse_float_field(std::string_view line, int first, int last, float& out, bool& beyond_float)
{
    out = 0.0f;
    beyond_float = false;
    if (line_too_short(line, last))
        return true;
    if (first < 1 || last < first)
        return false;
    // Only the first 27 characters of a wider field are read.
    const std::string_view field = line.substr(static_cast<size_t>(first - 1), std::min(last - first + 1, 27));
    bool range_error = false;
    size_t consumed = 0;
    const double value = string_to_double(field, consumed, range_error);
    // "nan" is no number at all: it reads as 0 like any other text.
    beyond_float = consumed != 0 && !std::isnan(value)
                   && (std::isinf(value) || std::fabs(value) > std::numeric_limits<float>::max());
    const bool finite_float = std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
    if (!finite_float || (range_error && value != 0.0))
        return false;
    out = static_cast<float>(value);
    return consumed == field.size() && consumed != 0;
}

} // namespace

std::string_view without_line_end(std::string_view line)
{
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    return line;
}

bool read_long_field(std::string_view line, int first, int last, std::int32_t& out)
{
    bool beyond_long = false;
    return parse_long_field(line, first, last, out, beyond_long);
}

bool read_int_field(std::string_view line, int first, int last, int& out)
{
    std::int32_t value = 0;
    const bool ok = read_long_field(line, first, last, value);
    out = value;
    return ok;
}

bool read_ushort_field(std::string_view line, int first, int last, unsigned short& out)
{
    out = 0;
    if (line_too_short(line, last))
        return true;
    std::string field;
    long long value = 0;
    // "%u" takes a leading minus and wraps; keep that, but only within an unsigned int's reach.
    const long long limit = std::numeric_limits<unsigned int>::max();
    if (!cut_field(line, first, last, field) || !scan_integer(field, -limit, limit, value))
        return false;
    out = static_cast<unsigned short>(static_cast<unsigned int>(value) & 0xFFFFu);
    return true;
}

bool read_float_field(std::string_view line, int first, int last, float& out)
{
    bool beyond_float = false;
    return parse_float_field(line, first, last, out, beyond_float);
}

bool float_field_overflows(std::string_view line, int first, int last)
{
    float value = 0.0f;
    bool beyond_float = false;
    parse_float_field(line, first, last, value, beyond_float);
    return beyond_float;
}

bool long_field_overflows(std::string_view line, int first, int last)
{
    std::int32_t value = 0;
    bool beyond_long = false;
    parse_long_field(line, first, last, value, beyond_long);
    return beyond_long;
}

std::string field_position(const std::string& path, int line_number, int first, int last)
{
    return path + " line " + std::to_string(line_number) + " columns " + std::to_string(first) + "-"
           + std::to_string(last);
}

void field_overflow::note(bool beyond, int first_column, int last_column, bool is_float_field)
{
    if (beyond && !found()) {
        first = first_column;
        last = last_column;
        is_float = is_float_field;
    }
}

void field_overflow::check_float(std::string_view line, int first_column, int last_column)
{
    if (!found())
        note(float_field_overflows(line, first_column, last_column), first_column, last_column, true);
}

void field_overflow::check_long(std::string_view line, int first_column, int last_column)
{
    if (!found())
        note(long_field_overflows(line, first_column, last_column), first_column, last_column, false);
}

bool field_overflow::read_float(std::string_view line, int first_column, int last_column, float& out)
{
    bool beyond_float = false;
    const bool ok = parse_float_field(line, first_column, last_column, out, beyond_float);
    note(beyond_float, first_column, last_column, true);
    return ok;
}

bool field_overflow::read_long(std::string_view line, int first_column, int last_column, std::int32_t& out)
{
    bool beyond_long = false;
    const bool ok = parse_long_field(line, first_column, last_column, out, beyond_long);
    note(beyond_long, first_column, last_column, false);
    return ok;
}

std::string field_overflow::message(const std::string& path, int line_number) const
{
    return std::string(is_float ? "Number beyond a single float: " : "Number beyond a 32-bit integer: ")
           + field_position(path, line_number, first, last) + "\r\n";
}

bool read_text_field(std::string_view line, int first, int last, std::string& out)
{
    std::string field;
    if (!cut_field(line, first, last, field))
        return false;
    out = std::move(field);
    return true;
}

} // namespace ivorn
