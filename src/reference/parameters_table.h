// The "Parameters" table: one row of model parameters (S-curves, general coefficients, costs)
// per control record, keyed by the record's ID.
#pragma once

#include "store/table_description.h"

namespace ivorn {

const table_description& parameters_table();

} // namespace ivorn
