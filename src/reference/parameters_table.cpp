// Column layout of "Parameters": ID, the 30 S-curves point by point, Parm1..Parm97, Cost1..Cost5.
#include "reference/parameters_table.h"

#include <string>

namespace ivorn {

namespace {

table_description build_parameters()
{
    table_builder t("Parameters");
    t.long_col("ID");
    for (int curve = 1; curve <= 30; ++curve)
        t.numbered(column_type::single_float, "S Curve " + std::to_string(curve) + " ", 1, 2);
    t.numbered(column_type::single_float, "Parm", 1, 97)
        .numbered(column_type::single_float, "Cost", 1, 5)
        .primary_key({"ID"});
    return t.build();
}

} // namespace

const table_description& parameters_table()
{
    static const table_description table = build_parameters();
    return table;
}

} // namespace ivorn
