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

// True when the field holds a number that its type cannot hold (beyond a single float or an
// infinity; an integer beyond 32 bits). "nan" holds no number and is not one of them. Readers above give 0 for such a field,
// which a careful caller must not store as if it had been read.
bool float_field_overflows(std::string_view line, int first, int last);
bool long_field_overflows(std::string_view line, int first, int last);

// "PATH line N columns A-B": where a field that stopped a reader stands.
std::string field_position(const std::string& path, int line_number, int first, int last);

// The first field of a line that held a number beyond its type. A field that holds no number
// keeps the files' meaning (0); one beyond its type must stop the import that reads it.
struct field_overflow {
    int first = 0;
    int last = 0;
    bool is_float = true;

    bool found() const { return first != 0; }
    // Notes the field when it overflows and nothing was noted before.
    void check_float(std::string_view line, int first_column, int last_column);
    void check_long(std::string_view line, int first_column, int last_column);
    // read_float_field and read_long_field with the check above, from one parse of the field.
    bool read_float(std::string_view line, int first_column, int last_column, float& out);
    bool read_long(std::string_view line, int first_column, int last_column, std::int32_t& out);
    // "Number beyond a single float: PATH line N columns A-B\r\n".
    std::string message(const std::string& path, int line_number) const;

private:
    void note(bool beyond, int first_column, int last_column, bool is_float_field);
};

// A line as the readers take it: without its trailing "\n".
std::string_view without_line_end(std::string_view line);

} // namespace ivorn
