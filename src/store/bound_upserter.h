// Stores bound records as whole rows keyed on their ID: the first row of the record's ID is
// rewritten, or a row is added. The statements are prepared once and the binding list's columns
// found once, so saving ten thousand crops costs about what inserting them costs.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "store/database.h"
#include "store/field_binding.h"

namespace ivorn {

class bound_upserter {
public:
    bound_upserter(database& db, const table_description& table);

    // The row of this ID gets the bound members (the ID column the ID); false with the reason
    // logged when a value does not fit or the table cannot be written.
    bool upsert(std::int64_t id, const binding_list& bindings, std::string& log);

    // For a save of many records inside one transaction: reads which row each ID has once, so
    // an upsert looks its row up in memory instead of querying the table. The table must not
    // change through anything else while this upserter lives.
    bool read_row_ids(std::string& log);

private:
    // Finds the binding list's columns unless they are those of the previous record.
    void resolve(const binding_list& bindings);
    // A binding list that leaves columns out keeps those of an existing row: through a set.
    bool upsert_through_set(std::int64_t id, const binding_list& bindings, std::string& log);
    bool write_row(std::int64_t row_id, std::string& log);
    // The first row of the ID in the table's order, -1 for none; false when the table cannot be read.
    bool find_row(std::int64_t id, std::int64_t& row_id, std::string& log);
    // The statement of `slot`, taken from the database's cache at its first use and kept for
    // this upserter's life, so a list of ten thousand rows looks each one up once.
    sqlite3_stmt* held(cached_statement& slot, const std::string& sql);

    database& db_;
    const table_description& table_;
    int id_column_ = -1;
    std::vector<std::string> names_;
    std::vector<int> columns_;
    bool covers_every_column_ = false;
    std::string find_sql_;
    std::string all_ids_sql_;
    std::string update_sql_;
    std::string insert_sql_;
    std::vector<field_value> row_;
    bool row_ids_read_ = false;
    std::unordered_map<std::int64_t, std::int64_t> row_of_id_;
    cached_statement find_;
    cached_statement insert_;
    cached_statement update_;
};

} // namespace ivorn
