// Every table of the project database in the order a new database creates them, and a lookup
// by name for the commands and exports that are given a table name.
#pragma once

#include "store/table_description.h"

#include <string_view>
#include <vector>

namespace ivorn {

const std::vector<const table_description*>& all_tables();
// Tables made when first used ("Scenario Factors"): a project without them is still a project.
const std::vector<const table_description*>& optional_tables();

// Either kind, case-insensitive; the bracketed form "[Crops]" is accepted as well. Null when unknown.
const table_description* find_table(std::string_view name);

} // namespace ivorn
