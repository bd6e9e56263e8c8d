// The "Subareas" and "Management" tables: one row in each per subarea of a control record,
// found by [ID] and [Subarea Id] together.
#pragma once

#include "store/table_description.h"

namespace ivorn {

const table_description& subareas_table();
const table_description& management_table();

} // namespace ivorn
