// Column layout of "Field Operations". A subarea's rows are selected by filter and put in date
// order in memory, so the table has no key, only a plain index on the owning record's ID.
#include "reference/field_operation_table.h"

namespace ivorn {

namespace {

table_description build_field_operations()
{
    table_builder t("Field Operations");
    t.longs({"ID", "Subarea Id", "Year"})
        .shorts({"Month", "Day"})
        .longs({"Type", "Tractor", "Crop ID", "Int Variable"})
        .numbered(column_type::single_float, "Parameter ", 1, 7)
        .index("ID", "ID");
    return t.build();
}

} // namespace

const table_description& field_operations_table()
{
    static const table_description table = build_field_operations();
    return table;
}

} // namespace ivorn
