// The per-run tables written from the main report once it has been read: Selected Variables,
// Average Output (the run's averages per subarea), Residue Output, Watershed Output and Yearly
// Output, with the values converted to English units when that setting is on.
#pragma once

#include <string>
#include <string_view>

#include "output/output_sink.h"
#include "output/vorn_output_class.h"

namespace ivorn {

// Selected Variables (when the selection changed), Average Output, then Residue Output and
// Watershed Output when asked. A table that cannot be written records an error in `out`.
bool write_summary_tables(vorn_output_class& out, output_sink& sink, bool want_watershed, bool want_residue);
bool write_yearly_output(vorn_output_class& out, output_sink& sink);

// Whether a variable name (without blanks) is one the summary tables read from the report.
bool is_summary_variable(std::string_view name);

// One selected variable's value in the unit its English label names (unchanged with English
// units off or for any other label).
float convert_selected_value(float value, const std::string& english_unit_label, bool english);

} // namespace ivorn
