// The one SQL text behind every output chart and summary: a table's values per record and time
// step (year, month or day, and category), the subareas combined as their units ask: depths and
// rates averaged weighted by area, areas summed, anything else averaged. Records from ?1 to ?2.
#pragma once

#include <string>
#include <vector>

#include "output/output_series.h"

namespace ivorn {

struct step_values_options {
    std::vector<std::string> columns; // value columns, as resolved against the layout
    bool each_subarea = false;        // one row per subarea instead of combining them
    bool one_subarea = false;         // only the subarea bound as ?3
};

// Result columns: rid, sub (0 when combined), yr, part (month or day, 0 for yearly tables), cat
// ('' without categories), then v0, v1, ... one per column; rows in record and time order.
std::string step_values_sql(const series_layout& layout, const step_values_options& options);

// How the subareas of one time step are combined for this column, for a legend; empty when the
// table has no subareas.
std::string combination_text(const series_layout& layout, const std::string& column, bool areas_known,
                             int subarea_count);

} // namespace ivorn
