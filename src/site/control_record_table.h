// The "Control Records" table: one row per run definition, keyed by its ID. The control record
// binds its members to these columns by name. Beside it, the tables whose rows a record owns.
#pragma once

#include <vector>

#include "store/table_description.h"

namespace ivorn {

const table_description& control_records_table();

// Every table whose rows belong to one control record alone, each carrying the record's ID in its
// first column: what a copy duplicates, an ID edit moves and a delete removes. The weather
// station and the soils are not here: records share them by number.
const std::vector<const table_description*>& record_owned_tables();

} // namespace ivorn
