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
