// Reading a record's rows once and writing them again under new IDs.
#include "site/record_copy.h"

#include <algorithm>
#include <limits>

#include "core/text_utils.h"
#include "site/control_record_table.h"
#include "site/record_owned_tables.h"
#include "store/column_values.h"
#include "store/recordset.h"
#include "store/table_queries.h"

namespace ivorn {
namespace {

bool read_rows(database& db, const table_description& table, std::int32_t id,
               std::vector<std::vector<field_value>>& rows, std::string& log)
{
    rows.clear();
    recordset set;
    if (!set.open(db, table, filter_by(table.columns[0].name, field_value(std::int64_t{id})), log,
                  recordset::mode::read_only))
        return false;
    for (set.move_first(); !set.is_eof(); set.move_next())
        rows.push_back(set.current_row());
    return true;
}

void set_row(bulk_inserter& inserter, const std::vector<field_value>& row, std::int32_t new_id)
{
    for (size_t i = 0; i < row.size(); ++i)
        inserter.set(static_cast<int>(i), row[i]);
    inserter.set(0, field_value(std::int64_t{new_id}));
}

} // namespace

owned_table_rows* record_rows::rows_of(const table_description& table)
{
    for (auto& entry : owned) {
        if (entry.table == &table)
            return &entry;
    }
    return nullptr;
}

bool read_record_rows(database& db, std::int32_t id, record_rows& rows, std::string& log)
{
    rows = record_rows{};
    rows.id = id;
    std::vector<std::vector<field_value>> own;
    if (!read_rows(db, control_records_table(), id, own, log))
        return false;
    if (own.empty()) {
        log += format_printf("No control record %ld.\r\n", static_cast<long>(id));
        return false;
    }
    rows.own = std::move(own.front());
    for (const table_description* table : record_owned_tables()) {
        rows.owned.push_back({table, {}});
        if (!read_rows(db, *table, id, rows.owned.back().rows, log))
            return false;
    }
    return true;
}

bool stored_record_ids(database& db, std::int64_t first, std::int64_t last, std::vector<std::int32_t>& ids,
                       std::string& log)
{
    ids.clear();
    std::vector<std::int64_t> stored;
    if (!distinct_integers(db, control_records_table(), "ID", stored, log))
        return false;
    for (const std::int64_t id : stored) {
        if (id >= first && id <= last)
            ids.push_back(static_cast<std::int32_t>(id));
    }
    return true;
}

bool new_record_ids(database& db, std::optional<std::int32_t> first, long long count, std::vector<std::int32_t>& ids,
                    std::string& log)
{
    ids.clear();
    if (count < 1 || count > max_new_records) {
        log += format_printf("The number of new records must be from 1 to %lld, not %lld.\r\n", max_new_records, count);
        return false;
    }
    std::vector<std::int64_t> used;
    if (!distinct_integers(db, control_records_table(), "ID", used, log))
        return false;
    const auto in_use = [&](std::int64_t id) { return std::binary_search(used.begin(), used.end(), id); };
    constexpr std::int64_t last_id = std::numeric_limits<std::int32_t>::max();
    if (first) {
        if (*first < 1 || *first + count - 1 > last_id) {
            log += format_printf("Record IDs from %ld to %lld are outside 1 to %lld.\r\n", static_cast<long>(*first),
                                 *first + count - 1, static_cast<long long>(last_id));
            return false;
        }
        for (std::int64_t id = *first; id < *first + count; ++id) {
            if (in_use(id)) {
                log += format_printf("Record ID %lld is already in use.\r\n", static_cast<long long>(id));
                return false;
            }
            ids.push_back(static_cast<std::int32_t>(id));
        }
        return true;
    }
    for (std::int64_t id = 1; static_cast<long long>(ids.size()) < count; ++id) {
        if (id > last_id) {
            log += format_printf("Only %zu record IDs are free; %lld are needed.\r\n", ids.size(), count);
            ids.clear();
            return false;
        }
        if (!in_use(id))
            ids.push_back(static_cast<std::int32_t>(id));
    }
    return true;
}

bool record_copier::prepare(database& db, const std::vector<std::int32_t>& new_ids, std::string& log)
{
    std::vector<std::int32_t> sorted = new_ids;
    std::sort(sorted.begin(), sorted.end());
    for (const table_description* table : tables_keyed_by_record(db)) {
        std::vector<std::int64_t> present;
        if (!distinct_integers(db, *table, table->columns[0].name, present, log))
            return false;
        for (const std::int64_t id : present) {
            if (!std::binary_search(sorted.begin(), sorted.end(), id))
                continue;
            const long long deleted = delete_rows(db, *table, filter_by(table->columns[0].name, field_value(id)), log);
            if (deleted < 0)
                return false;
            log += format_printf("Deleted %lld rows of %s left under ID %lld by an earlier record.\r\n", deleted,
                                 table->name.c_str(), static_cast<long long>(id));
        }
    }
    if (!own_.prepare(db, control_records_table(), log))
        return false;
    owned_.clear();
    for (const table_description* table : record_owned_tables()) {
        owned_.push_back(std::make_unique<bulk_inserter>());
        if (!owned_.back()->prepare(db, *table, log))
            return false;
    }
    return true;
}

bool record_copier::write(const record_rows& rows, std::int32_t new_id, const std::optional<std::string>& description,
                          std::string& log)
{
    set_row(own_, rows.own, new_id);
    if (description)
        own_.set("Description", field_value(*description));
    if (!own_.insert_row(log))
        return false;
    for (size_t t = 0; t < rows.owned.size() && t < owned_.size(); ++t) {
        for (const auto& row : rows.owned[t].rows) {
            set_row(*owned_[t], row, new_id);
            if (!owned_[t]->insert_row(log))
                return false;
        }
    }
    return true;
}

bool copy_record(database& db, std::int32_t id, std::optional<std::int32_t> first, long long count,
                 const std::optional<std::string>& description, std::vector<std::int32_t>& new_ids, std::string& log)
{
    new_ids.clear();
    const table_description& records = control_records_table();
    if (description && !check_column_value(records, *records.column("Description"), field_value(*description), log))
        return false;
    transaction work(db);
    record_rows rows;
    std::vector<std::int32_t> ids;
    record_copier copier;
    if (!read_record_rows(db, id, rows, log) || !new_record_ids(db, first, count, ids, log) ||
        !copier.prepare(db, ids, log))
        return false;
    for (const std::int32_t new_id : ids) {
        if (!copier.write(rows, new_id, description, log))
            return false;
    }
    if (!work.commit(log))
        return false;
    new_ids = std::move(ids);
    return true;
}

} // namespace ivorn
