// The model's reference tables: "Crops", "Fertilizer", "Pesticide" and "Operations" (tillage and
// equipment), each keyed by the record number [ID].
#pragma once

#include "store/table_description.h"

namespace ivorn {

const table_description& crops_table();
const table_description& fertilizer_table();
const table_description& pesticide_table();
const table_description& operations_table();

} // namespace ivorn
