// The creation order of a new database's tables. "Livestock Schedule" comes right after the daily
// weather list: every herd load reads it, so a new database must have it from the start.
#include "shell/all_tables.h"

#include "core/text_utils.h"
#include "output/output_tables.h"
#include "reference/field_operation_table.h"
#include "reference/parameters_table.h"
#include "reference/reference_tables.h"
#include "site/control_record_table.h"
#include "site/livestock_tables.h"
#include "site/scenario_factors_table.h"
#include "site/soil_tables.h"
#include "site/subarea_tables.h"
#include "site/weather_tables.h"

namespace ivorn {

const std::vector<const table_description*>& all_tables()
{
    static const std::vector<const table_description*> tables = {
        &control_records_table(),
        &subareas_table(),
        &management_table(),
        &field_operations_table(),
        &parameters_table(),
        &weather_table(),
        &weather_by_month_table(),
        &soils_table(),
        &soil_layers_table(),
        &fertilizer_table(),
        &operations_table(),
        &pesticide_table(),
        &crops_table(),
        &livestock_table(),
        &point_source_table(),
        &daily_weather_filenames_table(),
        &livestock_schedule_table(),
        &selected_variables_table(),
        &average_output_table(),
        &yearly_output_table(),
        &annual_pesticide_output_table(),
        &annual_pesticide_output_2_table(),
        &annual_watershed_output_table(),
        &watershed_output_table(),
        &residue_output_table(),
        &monthly_swat_output_table(),
        &swat_output_table(),
        &swat_output_2_table(),
        &swat_pesticide_output_table(),
        &crop_yield_output_table(),
        &organic_c_and_n_output_table(),
        &soil_salt_output_table(),
        &monthly_subarea_output_table(),
    };
    return tables;
}

const std::vector<const table_description*>& optional_tables()
{
    static const std::vector<const table_description*> tables = {&scenario_factors_table()};
    return tables;
}

const table_description* find_table(std::string_view name)
{
    if (name.size() >= 2 && name.front() == '[' && name.back() == ']')
        name = name.substr(1, name.size() - 2);
    for (const auto* tables : {&all_tables(), &optional_tables()}) {
        for (const table_description* table : *tables) {
            if (equals_ignoring_case(table->name, name))
                return table;
        }
    }
    return nullptr;
}

} // namespace ivorn
