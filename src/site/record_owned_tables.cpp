// The list of the tables a control record owns.
#include "site/record_owned_tables.h"

#include "reference/field_operation_table.h"
#include "reference/parameters_table.h"
#include "site/livestock_tables.h"
#include "site/scenario_factors_table.h"
#include "site/subarea_tables.h"
#include "store/table_queries.h"

namespace ivorn {

const std::vector<const table_description*>& record_owned_tables()
{
    static const std::vector<const table_description*> tables = {
        &parameters_table(), &subareas_table(),           &management_table(),  &field_operations_table(),
        &livestock_table(),  &livestock_schedule_table(), &point_source_table(),
    };
    return tables;
}

std::vector<const table_description*> tables_keyed_by_record(database& db)
{
    std::vector<const table_description*> tables = record_owned_tables();
    if (table_exists(db, scenario_factors_table().name))
        tables.push_back(&scenario_factors_table());
    return tables;
}

} // namespace ivorn
