// Small text routines shared by every reader and writer of the model's fixed-width files.
#pragma once

#include <string>
#include <string_view>

namespace ivorn {

// Without leading blanks and tabs, without trailing blanks and line feeds.
std::string trim_copy(std::string_view src);
// Blank-padded or cut to exactly `width` characters.
std::string pad_to_width(std::string_view text, size_t width);
// At most `width` characters of `text` (a cut, never a pad).
std::string cut_to_width(std::string_view text, size_t width);

// The model's files are single-byte text (Latin-1); the database holds UTF-8. A name crosses
// over through these two, so that a stored name is always valid UTF-8 and a written one takes
// exactly one column per character. A character Latin-1 does not have is written as "?".
std::string latin1_to_utf8(std::string_view text);
std::string utf8_to_latin1(std::string_view text);

bool equals_ignoring_case(std::string_view a, std::string_view b);
std::string to_lower_copy(std::string_view text);

// snprintf into a std::string; used by every fixed-width writer so formats stay printf formats.
std::string format_printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace ivorn
