// Text trimming, padding and printf formatting for the fixed-width model files.
#include "core/text_utils.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace ivorn {

std::string trim_copy(std::string_view src)
{
    size_t begin = 0;
    while (begin < src.size() && (src[begin] == ' ' || src[begin] == '\t'))
        ++begin;
    size_t end = src.size();
    while (end > begin && (src[end - 1] == ' ' || src[end - 1] == '\n'))
        --end;
    return std::string(src.substr(begin, end - begin));
}

std::string pad_to_width(std::string_view text, size_t width)
{
    std::string result(text.substr(0, width));
    result.resize(width, ' ');
    return result;
}

std::string cut_to_width(std::string_view text, size_t width)
{
    return std::string(text.substr(0, width));
}

std::string latin1_to_utf8(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            result.push_back(c);
            continue;
        }
        result.push_back(static_cast<char>(0xC0 | (byte >> 6)));
        result.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
    return result;
}

std::string utf8_to_latin1(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        size_t length = byte < 0x80 ? 1 : (byte >> 5) == 0x6 ? 2 : (byte >> 4) == 0xE ? 3 : (byte >> 3) == 0x1E ? 4 : 0;
        bool valid = length > 0 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (!valid) {
            // Not UTF-8 at all (a name stored before names were converted): already single-byte.
            result.push_back(text[i]);
            ++i;
            continue;
        }
        if (length == 1)
            result.push_back(text[i]);
        else if (length == 2 && byte <= 0xC3)
            result.push_back(static_cast<char>(((byte & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F)));
        else
            result.push_back('?');
        i += length;
    }
    return result;
}

bool equals_ignoring_case(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string to_lower_copy(std::string_view text)
{
    std::string result(text);
    for (auto& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

std::string format_printf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string result;
    if (needed > 0) {
        std::vector<char> buffer(static_cast<size_t>(needed) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        result.assign(buffer.data(), static_cast<size_t>(needed));
    }
    va_end(args);
    return result;
}

} // namespace ivorn
