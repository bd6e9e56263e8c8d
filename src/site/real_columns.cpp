// Column-range reals for the soil and weather readers.
#include "site/real_columns.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace ivorn {

float real_from_columns(std::string_view line, int first, int last, bool& out_of_range)
{
    if (first < 1 || last < first || static_cast<size_t>(first) > line.size())
        return 0.0f;
    const size_t length = std::min(line.size(), static_cast<size_t>(last)) - static_cast<size_t>(first - 1);
    const std::string field(line.substr(static_cast<size_t>(first - 1), length));
    errno = 0;
    const double value = std::strtod(field.c_str(), nullptr);
    if (std::isnan(value))
        return 0.0f;
    const bool representable = std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max()
                               && !(errno == ERANGE && value != 0.0);
    if (!representable) {
        out_of_range = true;
        return 0.0f;
    }
    return static_cast<float>(value);
}

} // namespace ivorn
