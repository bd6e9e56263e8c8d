// Record / New and Record / Delete. Both keep the record object and the current list entry in
// agreement: the object always holds the row of the current entry.
#include "shell/doc_i_vorn.h"

#include "core/text_utils.h"
#include "site/control_record_table.h"

namespace ivorn {
namespace {

constexpr size_t station_name_width = 25;

} // namespace

bool doc_i_vorn::ask_new_record(new_record_answer& answer, std::string& log, bool complete_list)
{
    control_record_keys keys(*db_);
    std::int32_t free_id = 0;
    if (complete_list || records_.loaded) {
        if (!records_.loaded && keys.count(log) < 0) {
            log += "Unable to open set_fields\r\n";
            return false;
        }
        free_id = records_.next_free_id(keys, log);
    } else {
        const std::int64_t free = keys.next_free_id(log);
        if (free < 0)
            return false;
        free_id = static_cast<std::int32_t>(free);
    }
    answer.record_id = free_id;
    answer.station_id = free_id;
    answer.station_name = cut_to_width(format_printf("Weather Station %ld", static_cast<long>(free_id)), station_name_width);
    if (!ui_.ask_new_record(answer))
        return false;
    if (answer.record_id < 1) {
        log += format_printf("Record ID %d is not valid: record IDs start at 1.\r\n", answer.record_id);
        return false;
    }
    if (records_.find_by_id(answer.record_id) || (!records_.loaded && keys.contains(answer.record_id))) {
        log += format_printf("Record ID %d is already in use.\r\n", answer.record_id);
        return false;
    }
    answer.station_name = cut_to_width(answer.station_name, station_name_width);
    return true;
}

void doc_i_vorn::record_new()
{
    if (!db_)
        return;
    ui_.store_form_values();
    std::string log;
    if (!store_before_leaving(log)) {
        show_log(log);
        return;
    }
    new_record_answer answer;
    // The record object is only reset once the user has agreed: a cancelled dialog leaves the
    // current record as it was, rather than defaults that the next move would store over it.
    if (!ask_new_record(answer, log)) {
        show_log(log);
        return;
    }
    record_->reset_to_defaults(settings_);
    record_->id = answer.record_id;
    record_->weather_station_id = answer.station_id;
    record_->weather_station_name = answer.station_name;
    if (!record_->insert(*db_, log)) {
        // Back to the row of the current entry, so that the object never holds an unsaved stranger.
        if (auto* entry = current_entry())
            load_entry(*entry, log);
        if (!has_current_) {
            record_->reset_to_defaults(settings_);
            record_->modified = false;
        }
        show_log(log);
        return;
    }
    // The list is complete here (the free ID needed every row): the new row joins it in key order.
    records_.insert_record(record_->id, record_->description);
    has_current_ = true;
    current_id_ = record_->id;
    show_log(log);
    ui_.show_record_values();
    ui_.refresh_all_views(1);
}

void doc_i_vorn::record_delete()
{
    auto* entry = current_entry();
    if (!db_ || !entry)
        return;
    std::string log;
    const std::int32_t id = entry->id;
    const long position = entry->position;
    bool deleted = false;
    {
        transaction work(*db_);
        recordset set;
        // The record's own row, the first of its ID in key order, as a seek would find it.
        if (set.open(*db_, control_records_table(), filter_by("ID", field_value(std::int64_t{id})), log)
            && !set.is_empty()) {
            // The stored row says which station and related rows belong to the record, not the
            // form's unsaved edits.
            record_->load_from_row(set);
            const bool related = record_->delete_related(*db_, log);
            deleted = related && set.delete_current(log) && work.commit(log);
        }
    }
    if (deleted) {
        log += format_printf("Control record %d deleted.\r\n", id);
        records_.remove_entry(entry);
        forget_current();
        // The successor takes the deleted record's place, or the last record when there is none.
        control_record_keys keys(*db_);
        const long long rows = keys.count(log);
        if (rows > 0) {
            if (auto* target = reach(keys, position <= rows ? position : static_cast<long>(rows), log))
                load_entry(*target, log);
        }
        if (!has_current_) {
            record_->reset_to_defaults(settings_);
            record_->modified = false;
        }
    } else {
        log += format_printf("Control record %d was not deleted.\r\n", id);
    }
    ui_.show_error_list("Record Deleted", "Click This", log);
    // The record object now holds the successor's row.
    ui_.show_record_values();
    ui_.refresh_all_views(1);
}

} // namespace ivorn
