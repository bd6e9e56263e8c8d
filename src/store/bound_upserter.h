// Stores bound records as whole rows keyed on their ID: the first row of the record's ID is
// rewritten, or a row is added. The statements are prepared once and the binding list's columns
// found once, so saving ten thousand crops costs about what inserting them costs.
#pragma once

#include <cstdint>
#include <string>
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

private:
    // Finds the binding list's columns unless they are those of the previous record.
    void resolve(const binding_list& bindings);
    // A binding list that leaves columns out keeps those of an existing row: through a set.
    bool upsert_through_set(std::int64_t id, const binding_list& bindings, std::string& log);
    bool write_row(std::int64_t row_id, std::string& log);

    database& db_;
    const table_description& table_;
    int id_column_ = -1;
    std::vector<std::string> names_;
    std::vector<int> columns_;
    bool covers_every_column_ = false;
    std::string find_sql_;
    std::string update_sql_;
    std::string insert_sql_;
    std::vector<field_value> row_;
};

} // namespace ivorn
