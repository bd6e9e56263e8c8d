// A subarea's rows of "Field Operations": loaded into date order, saved by reusing the rows that
// are there in list order, so that the table ends up holding exactly the subarea's list.
#include "reference/field_operation_table.h"
#include "reference/vorn_field_operation.h"

#include <vector>

#include "store/ordered_rows.h"

namespace ivorn {
namespace {

record_filter owner_filter(const schedule_owner& owner)
{
    return {{"ID", field_value(std::int64_t{owner.record_id})},
            {"Subarea Id", field_value(std::int64_t{owner.subarea_number})}};
}

} // namespace

bool load_field_operations(database& db, const schedule_owner& owner, field_operation_list& operations,
                           std::string& log)
{
    operations.delete_all();
    std::int32_t count = 0;
    return each_bound_row<vorn_field_operation>(
        db, field_operations_table(), owner_filter(owner),
        [&](std::unique_ptr<vorn_field_operation> operation) {
            operation->sequence = count++;
            operations.add(std::move(operation));
        },
        log);
}

bool save_field_operations(database& db, const schedule_owner& owner, const field_operation_list& operations,
                           std::string& log)
{
    std::vector<const vorn_field_operation*> list;
    for (const auto* operation = operations.first(); operation;
         operation = static_cast<const vorn_field_operation*>(operation->next()))
        list.push_back(operation);
    // Each row gets its operation under the owner's keys, whatever keys the operation carried.
    vorn_field_operation row;
    const binding_list bindings = row.bindings();
    const auto fill = [&](size_t i) {
        row.copy_from(*list[i]);
        row.record_id = owner.record_id;
        row.subarea_number = owner.subarea_number;
    };
    transaction work(db);
    return store_rows_in_order(db, field_operations_table(), owner_filter(owner), bindings, list.size(), fill, log)
           && work.commit(log);
}

} // namespace ivorn
