// The control-record description list: filling, lookups, locating unvisited positions.
#include "site/control_record_descriptions.h"

#include <charconv>
#include <vector>

#include "core/text_utils.h"

namespace ivorn {

control_record_description::control_record_description(long position_, std::int32_t id_, std::string description_)
    : position(position_), id(id_), description(std::move(description_))
{
    set_position(position_);
}

bool control_record_description::comes_before(const list_member& candidate) const
{
    return position < static_cast<const control_record_description&>(candidate).position;
}

namespace {

// What "%5ld" prints: the number right-aligned in five columns, or wider when it needs more.
void append_number(std::string& out, long value)
{
    char digits[24];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    (void)error;
    const size_t length = static_cast<size_t>(end - digits);
    if (length < 5)
        out.append(5 - length, ' ');
    out.append(digits, length);
}

} // namespace

void control_record_description::set_position(long new_position)
{
    position = new_position;
    // "%5ld %5ld %s" of position, ID and description, made without printf: a list of 100 000
    // entries is built at every open. As "%s" does, the description ends at a NUL.
    text.clear();
    text.reserve(12 + description.size());
    append_number(text, position);
    text.push_back(' ');
    append_number(text, static_cast<long>(id));
    text.push_back(' ');
    text.append(description.c_str());
}

void control_record_description::set_record(std::int32_t new_id, std::string new_description)
{
    id = new_id;
    description = std::move(new_description);
    set_position(position);
}

std::int32_t smallest_free_id(const std::vector<std::int32_t>& ids)
{
    // Among n records the smallest free ID is at most n + 1.
    const size_t limit = ids.size() + 1;
    std::vector<bool> used(limit + 1, false);
    for (const std::int32_t id : ids) {
        if (id >= 1 && static_cast<size_t>(id) <= limit)
            used[static_cast<size_t>(id)] = true;
    }
    for (size_t candidate = 1; candidate <= limit && candidate < 2147483647u; ++candidate) {
        if (!used[candidate])
            return static_cast<std::int32_t>(candidate);
    }
    return 0;
}

void list_control_record_descriptions::index_entry(control_record_description* entry)
{
    if (entry)
        by_id_.emplace(entry->id, entry);
}

void list_control_record_descriptions::unindex_entry(control_record_description* entry)
{
    const auto found = by_id_.find(entry->id);
    if (found == by_id_.end() || found->second != entry)
        return;
    by_id_.erase(found);
    // Another entry of the same ID (a table changed behind the list's back) takes its place.
    for (auto* other : *this) {
        if (other != entry && other->id == entry->id) {
            by_id_.emplace(other->id, other);
            break;
        }
    }
}

list_member* list_control_record_descriptions::add(std::unique_ptr<list_member> member)
{
    auto* entry = static_cast<control_record_description*>(member.get());
    list_member* previous = list_class::add(std::move(member));
    index_entry(entry);
    return previous;
}

list_member* list_control_record_descriptions::insert_after(std::unique_ptr<list_member> member, list_member* after)
{
    if (!after) {
        list_member* raw = member.get();
        add(std::move(member));
        return raw;
    }
    auto* entry = static_cast<control_record_description*>(list_class::insert_after(std::move(member), after));
    index_entry(entry);
    return entry;
}

void list_control_record_descriptions::delete_all()
{
    by_id_.clear();
    list_class::delete_all();
}

std::unique_ptr<list_member> list_control_record_descriptions::unlink(list_member* member)
{
    auto owned = list_class::unlink(member);
    if (owned)
        unindex_entry(static_cast<control_record_description*>(owned.get()));
    return owned;
}

bool list_control_record_descriptions::fill_descriptions(control_record_keys& keys, std::string& log)
{
    const long long rows = keys.count(log);
    if (rows < 0)
        return false;
    if (observer_)
        observer_->scan_begin(static_cast<long>(rows));
    // Read whole before the list changes: a table that fails half way leaves the list as it was.
    std::vector<std::unique_ptr<control_record_description>> entries;
    entries.reserve(static_cast<size_t>(rows));
    long count = 0;
    const bool read = keys.each(
        [&](control_record_key& row) {
            auto entry = std::make_unique<control_record_description>(++count, row.id, std::move(row.description));
            entry->ordered_ = false;
            entries.push_back(std::move(entry));
            if (observer_ && count % 500 == 0)
                observer_->scan_progress(count, format_printf("Scanning Records %ld", count));
        },
        log);
    if (read) {
        delete_all();
        by_id_.reserve(entries.size());
        for (auto& entry : entries)
            add(std::move(entry));
        loaded = true;
    }
    if (observer_)
        observer_->scan_end();
    return read;
}

std::int32_t list_control_record_descriptions::next_free_id(control_record_keys& keys, std::string& log)
{
    if (!loaded)
        fill_descriptions(keys, log);
    std::vector<std::int32_t> ids;
    ids.reserve(count());
    for (const auto* entry : *this)
        ids.push_back(entry->id);
    return smallest_free_id(ids);
}

long list_control_record_descriptions::number_of_records(control_record_keys* keys, std::string& log)
{
    if (!loaded) {
        if (keys)
            fill_descriptions(*keys, log);
        else if (observer_)
            observer_->message_box("Error in list_control_record_descriptions.number_of_records");
    }
    const auto* tail = last();
    return tail ? tail->position : 0;
}

size_t list_control_record_descriptions::lower_bound(long position) const
{
    size_t low = 0;
    size_t high = count();
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (at(middle)->position < position)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

control_record_description* list_control_record_descriptions::find_by_position(long position) const
{
    const size_t index = lower_bound(position);
    auto* entry = at(index);
    return entry && entry->position == position ? entry : nullptr;
}

control_record_description* list_control_record_descriptions::find_by_id(std::int32_t id) const
{
    const auto found = by_id_.find(id);
    return found == by_id_.end() ? nullptr : found->second;
}

control_record_description* list_control_record_descriptions::locate(control_record_keys& keys, long position)
{
    if (position < 1)
        return nullptr;
    const size_t index = lower_bound(position);
    control_record_description* before = index > 0 ? at(index - 1) : nullptr;
    control_record_description* after = at(index);
    control_record_key row;
    if (!before && !after) {
        // With nothing known the table's first row is position 1.
        if (!keys.at_position(position, row))
            return nullptr;
        return add_row(row, position);
    }
    control_record_description* anchor = before;
    if (!before || (after && after->position - position < position - before->position))
        anchor = after;
    if (anchor->position == position)
        return keys.step(anchor->id, 0, row) ? anchor : nullptr;
    if (!keys.step(anchor->id, position - anchor->position, row))
        return nullptr;
    return add_row(row, position);
}

control_record_description* list_control_record_descriptions::add_row(const control_record_key& row, long position)
{
    if (auto* known = find_by_position(position))
        return known;
    auto entry = std::make_unique<control_record_description>(position, row.id, row.description);
    auto* raw = entry.get();
    add(std::move(entry));
    return raw;
}

bool list_control_record_descriptions::reload(database& db, std::string& log)
{
    if (!loaded)
        return true;
    control_record_keys keys(db);
    return fill_descriptions(keys, log);
}

control_record_description* list_control_record_descriptions::insert_record(std::int32_t id, std::string description)
{
    // In a complete list positions follow key order, so IDs rise along the list.
    size_t low = 0;
    size_t high = count();
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (at(middle)->id < id)
            low = middle + 1;
        else
            high = middle;
    }
    for (size_t i = low; i < count(); ++i)
        at(i)->set_position(at(i)->position + 1);
    auto entry = std::make_unique<control_record_description>(static_cast<long>(low) + 1, id, std::move(description));
    auto* raw = entry.get();
    add(std::move(entry));
    return raw;
}

void list_control_record_descriptions::update_entry(control_record_description* entry, std::int32_t id,
                                                    std::string description)
{
    if (!entry)
        return;
    unindex_entry(entry);
    entry->set_record(id, std::move(description));
    index_entry(entry);
}

void list_control_record_descriptions::remove_entry(control_record_description* entry)
{
    if (!entry)
        return;
    const size_t index = lower_bound(entry->position);
    if (!unlink(entry))
        return;
    for (size_t i = index; i < count(); ++i)
        at(i)->set_position(at(i)->position - 1);
}

} // namespace ivorn
