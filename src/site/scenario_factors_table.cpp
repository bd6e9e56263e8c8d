// Column layout of "Scenario Factors": the scenario record's ID, the factor as the factors file
// names it (a column of the record's tables) and the level as the file gives it.
#include "site/scenario_factors_table.h"

namespace ivorn {

namespace {

table_description build_scenario_factors()
{
    table_builder t("Scenario Factors");
    t.long_col("ID").text_col("Column", 255).text_col("Value", 255).index("ID", "ID");
    return t.build();
}

} // namespace

const table_description& scenario_factors_table()
{
    static const table_description table = build_scenario_factors();
    return table;
}

} // namespace ivorn
