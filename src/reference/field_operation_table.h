// The "Field Operations" table: the operation schedule of every subarea, one row per field
// operation, selected by [ID] and [Subarea Id].
#pragma once

#include "store/table_description.h"

namespace ivorn {

const table_description& field_operations_table();

} // namespace ivorn
