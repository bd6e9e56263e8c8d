// The "Control Records" table: one row per run definition, keyed by its ID. The control record
// binds its members to these columns by name.
#pragma once

#include "store/table_description.h"

namespace ivorn {

const table_description& control_records_table();

} // namespace ivorn
