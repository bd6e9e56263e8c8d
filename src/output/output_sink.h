// Where one load of a run's outputs writes its rows: one prepared INSERT per table. A load first
// removes the run's earlier rows from every output table, whichever tables this load writes, so
// that a record's outputs always come from one run with one set of options. The caller holds
// the transaction that makes the removals and the new rows land together or not at all.
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

    // Removes every row of this run from every output table; false (with the message) on failure.
    bool remove_run_rows(std::string& log);
    // The table's inserter, or null (with the engine's message in `log`) when it cannot be used.
    bulk_inserter* open(const table_description& table, std::string& log);
    // Selected Variables belongs to a selection counter, not to a run: its earlier rows of that
    // counter are the ones replaced.
    bulk_inserter* open_selected_variables(long select_id, std::string& log);
    // Whether the database holds Selected Variables rows of this counter; false on failure too.
    bool has_selected_variables(long select_id, std::string& log);

    std::int32_t run_id() const { return run_id_; }
    long long rows_written() const;

private:
    bulk_inserter* open_prepared(const table_description& table, std::string& log);
    database& db_;
    std::int32_t run_id_;
    std::map<const table_description*, std::unique_ptr<bulk_inserter>> open_;
};

// The column that names the run in an output table: "Farm Id" where there is one, else the first.
const std::string& run_column_of(const table_description& table);

} // namespace ivorn
