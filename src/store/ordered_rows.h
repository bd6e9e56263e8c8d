// Stores a list as the rows of a filtered set, in list order: a subarea's schedule of tens of
// thousands of operations is written through three prepared statements, with no row read back.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "store/database.h"
#include "store/field_binding.h"

namespace ivorn {

// The set's rows are rewritten in their order, rows left over are deleted and missing rows are
// appended, so every row keeps its place in the table. Before row i is written, `fill(i)` puts
// its values into the members `bindings` points at. Columns the bindings leave out keep a
// rewritten row's value, or take the filter's value or the empty value in an appended row.
// False, with the reason logged, when a value does not fit or the table cannot be written.
bool store_rows_in_order(database& db, const table_description& table, const record_filter& filter,
                         const binding_list& bindings, size_t count, const std::function<void(size_t)>& fill,
                         std::string& log);

} // namespace ivorn
