// Fixed-column field readers: every model file line is cut into fields by 1-based, inclusive
// column ranges. The success/failure/value rules are the model files' contract; callers mostly
// ignore the results and take whatever value the field gave.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ivorn {

// `line` is the line without its line end.
bool read_long_field(std::string_view line, int first, int last, std::int32_t& out);
bool read_int_field(std::string_view line, int first, int last, int& out);
bool read_ushort_field(std::string_view line, int first, int last, unsigned short& out);
bool read_float_field(std::string_view line, int first, int last, float& out);
bool read_text_field(std::string_view line, int first, int last, std::string& out);

// A line as the readers take it: without its trailing "\n".
std::string_view without_line_end(std::string_view line);

} // namespace ivorn
