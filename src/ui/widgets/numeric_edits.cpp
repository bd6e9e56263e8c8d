// Formatting and scanning of the typed text fields, with the C library's conversions so that a
// number reads back exactly as the model's own files and the earlier program showed it.
#include "widgets/numeric_edits.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace ivorn {
namespace {

std::string scan_text(const QString& text)
{
    return text.left(numeric_edit_scan_width).toStdString();
}

// strtol's view of the text, which is what "%ld" reads; false when no digits were taken or the
// number does not fit.
bool scan_long_value(const QString& text, long& value)
{
    const std::string bytes = scan_text(text);
    char* end = nullptr;
    errno = 0;
    const long scanned = std::strtol(bytes.c_str(), &end, 10);
    if (end == bytes.c_str() || errno == ERANGE)
        return false;
    value = scanned;
    return true;
}

bool scan_double_value(const QString& text, double& value)
{
    const std::string bytes = scan_text(text);
    char* end = nullptr;
    const double scanned = std::strtod(bytes.c_str(), &end);
    if (end == bytes.c_str())
        return false;
    value = scanned;
    return true;
}

} // namespace

QString format_integer(long value)
{
    return QString::number(value);
}

QString format_real(double value, int decimals)
{
    char buffer[512];
    if (decimals < 0)
        std::snprintf(buffer, sizeof buffer, "%g", value);
    else
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals > 60 ? 60 : decimals, value);
    return QString::fromLatin1(buffer);
}

int scan_integer(const QString& text)
{
    long value = 0;
    if (!scan_long_value(text, value) || value < INT_MIN || value > INT_MAX)
        return 0;
    return static_cast<int>(value);
}

long scan_long(const QString& text)
{
    long value = 0;
    return scan_long_value(text, value) ? value : 0;
}

float scan_float(const QString& text)
{
    double value = 0.0;
    if (!scan_double_value(text, value))
        return 0.0f;
    const float narrowed = static_cast<float>(value);
    // A finite number too large for a float reads as its infinity, as "%f" gives it.
    return narrowed;
}

double scan_double(const QString& text)
{
    double value = 0.0;
    return scan_double_value(text, value) ? value : 0.0;
}

void integer_edit::set_value(int value)
{
    value_ = value;
    setText(format_integer(value));
}

int integer_edit::get_value()
{
    value_ = scan_integer(text());
    return value_;
}

void long_integer_edit::set_value(long value)
{
    value_ = value;
    setText(format_integer(value));
}

long long_integer_edit::get_value()
{
    value_ = scan_long(text());
    return value_;
}

void float_edit::set_value(float value, int decimals)
{
    value_ = value;
    setText(format_real(value, decimals));
}

float float_edit::get_value()
{
    value_ = scan_float(text());
    return value_;
}

void double_edit::set_value(double value, int decimals)
{
    value_ = value;
    setText(format_real(value, decimals));
}

double double_edit::get_value()
{
    value_ = scan_double(text());
    return value_;
}

void double_static::set_value(double value)
{
    setText(format_real(value, -1));
}

} // namespace ivorn
