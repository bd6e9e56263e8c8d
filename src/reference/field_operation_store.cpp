// A subarea's rows of "Field Operations": loaded into date order, saved by reusing the rows that
// are there in list order, so that the table ends up holding exactly the subarea's list.
#include "reference/field_operation_table.h"
#include "reference/vorn_field_operation.h"

namespace ivorn {
namespace {

record_filter owner_filter(const schedule_owner& owner)
{
    return {{"ID", field_value(std::int64_t{owner.record_id})},
            {"Subarea Id", field_value(std::int64_t{owner.subarea_number})}};
}

// The row gets the operation under the owner's keys, whatever keys the operation carried.
bool write_row(recordset& set, const vorn_field_operation& operation, const schedule_owner& owner, std::string& log)
{
    vorn_field_operation row;
    row.copy_from(operation);
    row.record_id = owner.record_id;
    row.subarea_number = owner.subarea_number;
    row.save_to_row(set);
    return set.update(log);
}

} // namespace

bool load_field_operations(database& db, const schedule_owner& owner, field_operation_list& operations,
                           std::string& log)
{
    operations.delete_all();
    recordset set;
    if (!set.open(db, field_operations_table(), owner_filter(owner), log, recordset::mode::read_only))
        return false;
    std::int32_t count = 0;
    for (set.move_first(); !set.is_eof(); set.move_next()) {
        auto operation = std::make_unique<vorn_field_operation>();
        operation->load_from_row(set);
        operation->sequence = count++;
        operations.add(std::move(operation));
    }
    return true;
}

bool save_field_operations(database& db, const schedule_owner& owner, const field_operation_list& operations,
                           std::string& log)
{
    transaction work(db);
    recordset set;
    if (!set.open(db, field_operations_table(), owner_filter(owner), log))
        return false;
    const vorn_field_operation* operation = operations.first();
    set.move_first();
    for (; operation && !set.is_eof(); operation = static_cast<const vorn_field_operation*>(operation->next())) {
        set.edit();
        if (!write_row(set, *operation, owner, log))
            return false;
        set.move_next();
    }
    // A deleted row leaves no current row; the next move lands on its successor.
    while (!set.is_eof()) {
        if (!set.delete_current(log))
            return false;
        set.move_next();
    }
    for (; operation; operation = static_cast<const vorn_field_operation*>(operation->next())) {
        set.add_new();
        if (!write_row(set, *operation, owner, log))
            return false;
    }
    return work.commit(log);
}

} // namespace ivorn
