// The tables that hold the model's outputs: the user's selected variables and one table per
// loaded report or output file. Rows are only ever appended; none has a primary key.
#pragma once

#include <vector>

#include "store/table_description.h"

namespace ivorn {

const table_description& selected_variables_table();
const table_description& average_output_table();
const table_description& yearly_output_table();
const table_description& annual_pesticide_output_table();
const table_description& annual_pesticide_output_2_table();
const table_description& annual_watershed_output_table();
const table_description& watershed_output_table();
const table_description& residue_output_table();
const table_description& monthly_swat_output_table();
const table_description& swat_output_table();
const table_description& swat_output_2_table();
const table_description& swat_pesticide_output_table();
const table_description& crop_yield_output_table();
const table_description& organic_c_and_n_output_table();
const table_description& soil_salt_output_table();
const table_description& monthly_subarea_output_table();

// Every table above whose rows belong to one run (all but Selected Variables).
const std::vector<const table_description*>& run_output_tables();

} // namespace ivorn
