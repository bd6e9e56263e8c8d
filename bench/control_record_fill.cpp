// The large control-record table of the paging benchmarks, filled with one prepared INSERT.
#include "control_record_fill.h"

#include "reference/parameters_table.h"
#include "shell/project_database.h"
#include "site/control_record_table.h"
#include "site/livestock_tables.h"
#include "store/bulk_inserter.h"

namespace ivorn::bench {

bool fill_control_records(const std::string& path, long records)
{
    std::string log;
    if (!create_project_database(path, log))
        return false;
    database db;
    if (!open_project_database(db, path, log))
        return false;
    transaction work(db);
    bulk_inserter rows;
    bulk_inserter parameters;
    // A record without its Livestock row loads with a message on every move.
    bulk_inserter livestock;
    if (!rows.prepare(db, control_records_table(), log) || !parameters.prepare(db, parameters_table(), log)
        || !livestock.prepare(db, livestock_table(), log))
        return false;
    for (long id = 1; id <= records; ++id) {
        rows.set("ID", field_value(std::int64_t{id}));
        rows.set("Description", field_value("Run " + std::to_string(id)));
        parameters.set("ID", field_value(std::int64_t{id}));
        livestock.set("ID", field_value(std::int64_t{id}));
        if (!rows.insert_row(log) || !parameters.insert_row(log) || !livestock.insert_row(log))
            return false;
    }
    return work.commit(log);
}

} // namespace ivorn::bench
