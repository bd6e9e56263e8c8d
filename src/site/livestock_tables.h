// The herd tables of a control record: "Livestock" (its ten herd slots), "Livestock Schedule"
// (purchases and sales) and "Point Source" (the point-source file names).
#pragma once

#include "store/table_description.h"

namespace ivorn {

const table_description& livestock_table();
const table_description& livestock_schedule_table();
const table_description& point_source_table();

} // namespace ivorn
