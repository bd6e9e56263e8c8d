// "Scenario Factors": what each generated scenario changed in the record it was copied from, one
// row per scenario and factor, so outputs can be grouped by a factor's levels. Projects that
// never generated scenarios do not have the table; it is made when first used.
#pragma once

#include "store/table_description.h"

namespace ivorn {

const table_description& scenario_factors_table();

} // namespace ivorn
