// Where one load of a run's outputs writes its rows: one prepared INSERT per table, and, the
// first time a table is opened in the load, removal of that run's earlier rows from it, so that
// loading a run again replaces its rows instead of adding a second copy. The caller holds the
// transaction that makes the removals and the new rows land together or not at all.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "store/bulk_inserter.h"

namespace ivorn {

class output_sink {
public:
    output_sink(database& db, std::int32_t run_id) : db_(db), run_id_(run_id) {}

    // The table's inserter, or null (with the engine's message in `log`) when it cannot be used.
    bulk_inserter* open(const table_description& table, std::string& log);
    // Selected Variables belongs to a selection counter, not to a run: its earlier rows of that
    // counter are the ones replaced.
    bulk_inserter* open_selected_variables(long select_id, std::string& log);

    std::int32_t run_id() const { return run_id_; }
    long long rows_written() const;

private:
    bulk_inserter* open_replacing(const table_description& table, const std::string& column, std::int64_t value,
                                  std::string& log);
    database& db_;
    std::int32_t run_id_;
    std::map<const table_description*, std::unique_ptr<bulk_inserter>> open_;
};

// The column that names the run in an output table: "Farm Id" where there is one, else the first.
const std::string& run_column_of(const table_description& table);

} // namespace ivorn
