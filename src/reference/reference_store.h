// Loading and saving the reference records (crops, fertilizers, pesticides, operations) through
// their binding lists: a load appends one record per row in table order, a save is an upsert
// keyed on ID, and a save of many records lands in one transaction or not at all.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/text_utils.h"
#include "core/vorn_production_supply.h"
#include "store/bound_upserter.h"
#include "store/database.h"
#include "store/field_binding.h"
#include "store/recordset.h"

namespace ivorn {

// Every row of `table` as a new R, in table order, handed to `add`. A record's bindings come from
// its `bindings()`; names go through trim_copy as every name read does.
template <class R, class Add>
bool load_bound_rows(database& db, const table_description& table, Add add, std::string& log)
{
    return each_bound_row<R>(
        db, table, {},
        [&](std::unique_ptr<R> record) {
            record->name = trim_copy(record->name);
            add(std::move(record));
        },
        log);
}

// The row whose ID is the record's number gets every column of the record; without one a row
// is added. Other rows stay as they are.
template <class R>
bool upsert_bound_row(database& db, const table_description& table, R& record, std::string& log)
{
    bound_upserter rows(db, table);
    return rows.upsert(record.number, record.bindings(), log);
}

// Upserts every record of a list of R (or of a base class whose members are all R) in one
// transaction. A member of another kind is refused, and the whole save with it.
template <class R, class List>
bool upsert_all_rows(database& db, const table_description& table, const List& list, std::string& log)
{
    transaction work(db);
    if (!work.begun()) {
        log += work.failure();
        log += "Unable to open table " + table.name + "\r\n";
        return false;
    }
    bound_upserter rows(db, table);
    if (!rows.read_row_ids(log))
        return false;
    for (auto* member : list) {
        auto* record = dynamic_cast<R*>(member);
        if (!record) {
            log += "A record of another kind is in the list for table " + table.name + "\r\n";
            return false;
        }
        if (!rows.upsert(record->number, record->bindings(), log))
            return false;
    }
    return work.commit(log);
}

// The list editors' add action: a new R with its defaults, numbered after the list's last
// member, appended and stored at once. Null (and the list unchanged) when no number is left or
// the row cannot be stored.
template <class R, class List>
R* add_new_record(database& db, const table_description& table, List& list, std::string& log)
{
    const std::int32_t number = next_added_number(list);
    if (number < 0) {
        log += "No record number is left above the last one in table " + table.name + "\r\n";
        return nullptr;
    }
    auto record = std::make_unique<R>();
    record->number = number;
    if (!upsert_bound_row(db, table, *record, log))
        return nullptr;
    R* added = record.get();
    list.add(std::move(record));
    return added;
}

// Deletes the row whose ID is `number`; false with "Unable to find record to delete [TABLE]"
// when there is none.
bool delete_row_by_id(database& db, const table_description& table, std::int32_t number, std::string& log);

} // namespace ivorn
