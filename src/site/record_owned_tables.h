// The tables whose rows belong to one control record alone, found by the record's [ID]. Whatever
// moves, copies or deletes a record as a whole walks this one list, so that a table added to what
// a record owns is never left behind by one of them.
#pragma once

#include <vector>

#include "store/table_description.h"

namespace ivorn {

class database;

// "Parameters", "Subareas", "Management", "Field Operations", "Livestock", "Livestock Schedule" and
// "Point Source". The weather station is shared by number, not owned.
const std::vector<const table_description*>& record_owned_tables();

// The same, with "Scenario Factors" where the project has it: what a scenario changed describes
// that one record, so its rows go wherever the record's rows go.
std::vector<const table_description*> tables_keyed_by_record(database& db);

} // namespace ivorn
