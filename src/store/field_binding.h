// Binds a record's members to its table's columns by name: a record declares one list of
// (column, member) pairs next to itself, and loading, saving and every later use walk that list.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "store/recordset.h"

namespace ivorn {

using bound_member = std::variant<int*, short*, unsigned short*, unsigned char*, float*, std::string*>;

struct field_binding {
    std::string column;
    bound_member member;
};

using binding_list = std::vector<field_binding>;

// A member's value as the store holds it: text, a single's exact value, or an integer.
field_value member_value(const bound_member& member);

// Copies the current row's columns into the members (absent columns leave a member as it is).
void load_bindings(const recordset& set, const binding_list& bindings);
// The same for many rows of one shape: the binding list's columns (-1 for one the table lacks)
// are found once, and each row's values are given by column index.
std::vector<int> binding_columns(const table_description& table, const binding_list& bindings);
void load_bindings(const std::vector<field_value>& row, const binding_list& bindings, const std::vector<int>& columns);
// Each row matching a filter (every row for an empty one) as a new R filled through its
// `bindings()`, in the order a set of the table has, handed to `take`. Every R binds the same
// columns, so they are found for the first row only.
template <class R, class Take>
bool each_bound_row(database& db, const table_description& table, const record_filter& filter, Take take,
                    std::string& log)
{
    std::vector<int> columns;
    return each_row(
        db, table, filter,
        [&](const std::vector<field_value>& row) {
            auto record = std::make_unique<R>();
            const binding_list bindings = record->bindings();
            if (columns.size() != bindings.size())
                columns = binding_columns(table, bindings);
            load_bindings(row, bindings, columns);
            take(std::move(record));
        },
        log);
}

// Copies the members into the pending row (after add_new or edit).
void save_bindings(recordset& set, const binding_list& bindings);

// Numbered members, e.g. ("Parm", 1, array of 97): column "Parm1" to "Parm97".
void bind_numbered(binding_list& bindings, const std::string& prefix, float* values, int count,
                   int first_number = 1, const std::string& suffix = "");

} // namespace ivorn
