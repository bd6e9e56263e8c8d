// The "Soils" and "Soil Layers" tables: one row per soil and one per layer of a soil, both
// keyed by [Soil Id] (layers also by [Layer Number]).
#pragma once

#include "store/table_description.h"

namespace ivorn {

const table_description& soils_table();
const table_description& soil_layers_table();

} // namespace ivorn
