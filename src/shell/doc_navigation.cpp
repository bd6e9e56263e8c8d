// Record navigation: First, Previous, Next, Last, Go To and Search. Each move stores a modified
// current record, finds its target entry (building the list only as far as it must), loads the
// target with everything it owns, and leaves the current record alone when there is no target.
#include "shell/doc_i_vorn.h"

#include <limits>

#include "core/text_utils.h"
#include "site/control_record_table.h"

namespace ivorn {

int doc_i_vorn::move_hint() const { return settings_.record_list ? 0 : 1; }

bool doc_i_vorn::load_entry(const control_record_description& entry, std::string& log)
{
    if (!read_entry(entry, *record_, log))
        return false;
    has_current_ = true;
    current_id_ = entry.id;
    return true;
}

bool doc_i_vorn::read_entry(const control_record_description& entry, control_record& record, std::string& log)
{
    // One row by its key: a move to a known entry never needs the whole table.
    recordset set;
    if (!set.open(*db_, control_records_table(), filter_by("ID", field_value(std::int64_t{entry.id})), log))
        return false;
    if (set.is_empty()) {
        log += "Unable to reach that record.\r\n";
        return false;
    }
    record.load_from_row(set);
    record.load_related(*db_, log);
    return true;
}

void doc_i_vorn::move(target_finder find_target, int refresh_hint)
{
    if (!db_)
        return;
    ui_.store_form_values();
    std::string log;
    if (store_before_leaving(log)) {
        control_record_keys keys(*db_);
        if (auto* target = (this->*find_target)(keys, log))
            load_entry(*target, log);
    }
    show_log(log);
    // A highlight-only refresh does not reach the form: it takes the record's values itself.
    ui_.show_record_values();
    ui_.refresh_all_views(refresh_hint);
}

void doc_i_vorn::complete_list(control_record_keys& keys, std::string& log)
{
    if (!records_.loaded)
        records_.fill_descriptions(keys, log);
}

control_record_description* doc_i_vorn::reach(control_record_keys& keys, long position, std::string& log)
{
    if (auto* entry = records_.find_by_position(position))
        return entry;
    if (records_.loaded) {
        const auto* tail = records_.last();
        if (!tail || position > tail->position)
            return nullptr;
    }
    if (auto* entry = records_.locate(keys, position))
        return entry;
    log += "Unable to reach that record.\r\n";
    return nullptr;
}

control_record_description* doc_i_vorn::target_first(control_record_keys& keys, std::string&)
{
    if (auto* entry = records_.find_by_position(1))
        return entry;
    control_record_key row;
    if (!keys.at_position(1, row))
        return nullptr;
    return records_.add_row(row, 1);
}

control_record_description* doc_i_vorn::target_previous(control_record_keys& keys, std::string& log)
{
    const long position = current_position();
    if (position <= 1)
        return nullptr;
    return reach(keys, position - 1, log);
}

control_record_description* doc_i_vorn::target_next(control_record_keys& keys, std::string& log)
{
    const auto* current = current_entry();
    if (!current)
        return nullptr;
    const long position = current->position;
    if (records_.loaded)
        return reach(keys, position + 1, log);
    if (auto* entry = records_.find_by_position(position + 1))
        return entry;
    control_record_key row;
    if (!keys.step(current->id, 0, row))
        return nullptr;
    if (!keys.step(current->id, 1, row)) {
        // The table ends here. A list that holds every position up to here is complete; one with
        // gaps is completed, so that what it says about the table stays true.
        if (static_cast<long>(records_.count()) == position)
            records_.loaded = true;
        else
            complete_list(keys, log);
        return nullptr;
    }
    return records_.add_row(row, position + 1);
}

control_record_description* doc_i_vorn::target_last(control_record_keys& keys, std::string& log)
{
    complete_list(keys, log);
    return records_.last();
}

control_record_description* doc_i_vorn::target_go_to(control_record_keys& keys, std::string& log)
{
    return reach(keys, wanted_position_, log);
}

control_record_description* doc_i_vorn::target_search(control_record_keys& keys, std::string& log)
{
    if (auto* entry = records_.find_by_id(wanted_id_))
        return entry;
    if (records_.loaded)
        return nullptr;
    complete_list(keys, log);
    return records_.find_by_id(wanted_id_);
}

void doc_i_vorn::record_first() { move(&doc_i_vorn::target_first, move_hint()); }
void doc_i_vorn::record_previous() { move(&doc_i_vorn::target_previous, move_hint()); }
void doc_i_vorn::record_next() { move(&doc_i_vorn::target_next, move_hint()); }
void doc_i_vorn::record_last() { move(&doc_i_vorn::target_last, 1); }

void doc_i_vorn::go_to_position(long position)
{
    wanted_position_ = position;
    move(&doc_i_vorn::target_go_to, move_hint());
}

void doc_i_vorn::record_go_to()
{
    if (!db_)
        return;
    long long value = 0;
    if (!ui_.ask_integer("Which record number?", value))
        return;
    const long long limit = std::numeric_limits<std::int32_t>::max();
    go_to_position(static_cast<long>(value < -limit ? -limit : (value > limit ? limit : value)));
}

void doc_i_vorn::search_id(std::int32_t id)
{
    if (!db_)
        return;
    ui_.store_form_values();
    std::string log;
    wanted_id_ = id;
    if (store_before_leaving(log)) {
        control_record_keys keys(*db_);
        if (auto* target = target_search(keys, log))
            load_entry(*target, log);
        else
            ui_.message_box("Not found.");
    }
    // A failed store must not pass unseen, even though Search shows no log of its own.
    show_log(log);
    ui_.show_record_values();
}

void doc_i_vorn::record_search()
{
    if (!db_)
        return;
    long long value = 0;
    if (!ui_.ask_integer("Which ID?", value))
        return;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
        ui_.message_box("Not found.");
        return;
    }
    search_id(static_cast<std::int32_t>(value));
}

bool doc_i_vorn::make_current(std::int32_t id, std::string& log)
{
    if (!db_)
        return false;
    // A command that needs this one record finds its place in the table by its key; only a list
    // that is complete already answers from itself.
    control_record_description* target = records_.find_by_id(id);
    if (!target && !records_.loaded)
        target = add_entry_of(id);
    if (!target) {
        log += format_printf("Unable to find control record %d\r\n", id);
        return false;
    }
    return load_entry(*target, log);
}

bool doc_i_vorn::reload_record_list(std::string& log)
{
    if (!db_)
        return false;
    if (records_.loaded)
        return records_.reload(*db_, log);
    // A lazy list may have lost its footing: start it again from the current row.
    records_.delete_all();
    if (has_current_)
        add_entry_of(current_id_);
    return true;
}

control_record_description* doc_i_vorn::add_entry_of(std::int32_t id)
{
    control_record_keys keys(*db_);
    control_record_key row;
    const long position = keys.position_of(id);
    if (position <= 0 || !keys.step(id, 0, row))
        return nullptr;
    auto* entry = records_.add_row(row, position);
    if (entry->id == row.id)
        return entry;
    // Another row holds that place in the list: the table changed behind it, so it starts again.
    records_.delete_all();
    return records_.add_row(row, position);
}

} // namespace ivorn
