// Reals cut from a model file line by column range and converted as the model's C readers do
// (strtod on the columns). Shared by the soil and weather readers, which both take values that
// run past the end of a line as 0 rather than as a failure.
#pragma once

#include <string_view>

namespace ivorn {

// The value in 1-based columns first..last of `line` (its line end already removed). Columns
// past the end of the line count as missing: a field that starts beyond it is 0, one cut short
// by it is converted from what is there. Text that is no number gives 0, as strtod does.
// `out_of_range` is set when the text is a number no single float can hold (it then gives 0).
float real_from_columns(std::string_view line, int first, int last, bool& out_of_range);

} // namespace ivorn
