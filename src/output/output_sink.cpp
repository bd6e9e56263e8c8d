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

bulk_inserter* output_sink::open_replacing(const table_description& table, const std::string& column,
                                           std::int64_t value, std::string& log)
{
    auto found = open_.find(&table);
    if (found != open_.end())
        return found->second.get();
    if (delete_rows(db_, table, filter_by(column, field_value(value)), log) < 0)
        return nullptr;
    auto inserter = std::make_unique<bulk_inserter>();
    if (!inserter->prepare(db_, table, log))
        return nullptr;
    return open_.emplace(&table, std::move(inserter)).first->second.get();
}

bulk_inserter* output_sink::open(const table_description& table, std::string& log)
{
    return open_replacing(table, run_column_of(table), run_id_, log);
}

bulk_inserter* output_sink::open_selected_variables(long select_id, std::string& log)
{
    return open_replacing(selected_variables_table(), "Select Id", select_id, log);
}

long long output_sink::rows_written() const
{
    long long rows = 0;
    for (const auto& [table, inserter] : open_)
        rows += inserter->rows_inserted();
    return rows;
}

} // namespace ivorn
