// Opening output tables for one load.
#include "output/output_sink.h"

#include "output/output_tables.h"
#include "store/recordset.h"

namespace ivorn {

const std::string& run_column_of(const table_description& table)
{
    const int farm = table.column_index("Farm Id");
    return table.columns[static_cast<size_t>(farm >= 0 ? farm : 0)].name;
}

bool output_sink::remove_run_rows(std::string& log)
{
    for (const table_description* table : run_output_tables()) {
        if (delete_rows(db_, *table, filter_by(run_column_of(*table), field_value(std::int64_t{run_id_})), log) < 0)
            return false;
    }
    return true;
}

bulk_inserter* output_sink::open_prepared(const table_description& table, std::string& log)
{
    auto found = open_.find(&table);
    if (found != open_.end())
        return found->second.get();
    auto inserter = std::make_unique<bulk_inserter>();
    if (!inserter->prepare(db_, table, log))
        return nullptr;
    return open_.emplace(&table, std::move(inserter)).first->second.get();
}

bulk_inserter* output_sink::open(const table_description& table, std::string& log)
{
    return open_prepared(table, log);
}

bulk_inserter* output_sink::open_selected_variables(long select_id, std::string& log)
{
    const table_description& table = selected_variables_table();
    if (open_.find(&table) == open_.end()
        && delete_rows(db_, table, filter_by("Select Id", field_value(std::int64_t{select_id})), log) < 0)
        return nullptr;
    return open_prepared(table, log);
}

bool output_sink::has_selected_variables(long select_id, std::string& log)
{
    recordset set;
    return set.open(db_, selected_variables_table(), filter_by("Select Id", field_value(std::int64_t{select_id})), log,
                    recordset::mode::read_only)
           && !set.is_empty();
}

long long output_sink::rows_written() const
{
    long long rows = 0;
    for (const auto& [table, inserter] : open_)
        rows += inserter->rows_inserted();
    return rows;
}

} // namespace ivorn
