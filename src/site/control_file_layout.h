// The control file's lines 1 to 6 described as data: each field's printf format and the member it
// carries. The writer prints the formats in order; the reader cuts the same fields by the columns
// that the formats' widths add up to.
#pragma once

#include <vector>

#include "site/control_file.h"

namespace ivorn {

struct control_field {
    const char* format;
    int* integer = nullptr;
    float* real = nullptr;
};

using control_line = std::vector<control_field>;

// Lines 1 to 6 of a record in a layout; line 3 takes its fields 5 to 8 from `station`.
std::vector<control_line> control_lines(control_record& record, station_control_values& station, control_layout layout);

// The width a field's format prints at least ("%4d" 4, "%8.3f" 8).
int field_width(const char* format);

} // namespace ivorn
