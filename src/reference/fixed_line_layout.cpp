// Reading and writing one described field of a fixed-width line.
#include "reference/fixed_line_layout.h"

#include <cmath>

#include "core/field_readers.h"

namespace ivorn {

std::int32_t truncate_to_whole(float value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0f)
        return INT32_MAX;
    if (value <= -2147483648.0f)
        return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

void read_fixed_field(std::string_view line, int first, int last, field_kind kind, float* single, std::int32_t* whole,
                      field_overflow* overflow)
{
    // With an overflow note each field is parsed once, for its value and its check together.
    const auto read_single = [&](float& out) {
        if (overflow)
            overflow->read_float(line, first, last, out);
        else
            read_float_field(line, first, last, out);
    };
    switch (kind) {
    case field_kind::single:
    case field_kind::single_as_whole:
        read_single(*single);
        return;
    case field_kind::whole_from_single: {
        float scratch = 0.0f;
        read_single(scratch);
        *whole = truncate_to_whole(scratch);
        return;
    }
    case field_kind::whole:
        if (overflow)
            overflow->read_long(line, first, last, *whole);
        else
            read_int_field(line, first, last, *whole);
        return;
    }
}

void write_fixed_field(model_file_writer& out, const char* format, field_kind kind, float single, std::int32_t whole)
{
    switch (kind) {
    case field_kind::single:
        out.printf(format, static_cast<double>(single));
        return;
    case field_kind::single_as_whole:
        out.printf(format, static_cast<long>(truncate_to_whole(single)));
        return;
    case field_kind::whole_from_single:
    case field_kind::whole:
        out.printf(format, static_cast<int>(whole));
        return;
    }
}

size_t counted_length(std::string_view line)
{
    if (!line.empty() && line.back() == '\n')
        return line.size();
    return line.size() + 1;
}

} // namespace ivorn
