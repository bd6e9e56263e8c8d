// Builds one fixed-width report line field by field. A field is a 1-based, inclusive column range
// with the printf format that fills it; a number too wide for its field is printed as stars, the
// way the model's own formatted output does, so a line never shifts its later columns.
#pragma once

#include <string>
#include <string_view>

namespace ivorn::stand_in {

struct column_field {
    int first = 0;
    int last = 0;
    const char* format = "";
    int width() const { return last - first + 1; }
};

class fixed_line {
public:
    fixed_line() = default;
    explicit fixed_line(std::string_view start) : text_(start) {}

    fixed_line& put(const column_field& field, double value);
    fixed_line& put(const column_field& field, long value);
    fixed_line& put(const column_field& field, int value) { return put(field, static_cast<long>(value)); }
    // Text fields are cut to their width, never starred.
    fixed_line& put(const column_field& field, std::string_view text);
    // Plain text from a column on (labels between the fields).
    fixed_line& text_at(int first, std::string_view text);
    // Blank-padded up to `length` characters.
    fixed_line& pad_to(int length);

    const std::string& str() const { return text_; }
    size_t size() const { return text_.size(); }

private:
    void place(const column_field& field, std::string formatted, bool is_number);
    std::string text_;
};

} // namespace ivorn::stand_in
