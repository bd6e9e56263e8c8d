// The soil's pages: the soil-wide values shown by the soil dialog, and the "Soil Layer" sheet
// ("Soil Layer 1", "Soil Layer 2") over one layer of a soil.
#pragma once

#include "sheets/page_description.h"

namespace ivorn {

// The "Soils" columns the soil dialog edits (not its number nor its layer count).
const page_description& soil_page();
const sheet_description& soil_layer_sheet();

} // namespace ivorn
