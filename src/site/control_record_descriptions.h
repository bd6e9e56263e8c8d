// The list through which the document pages the control records: one entry (position, ID,
// display text) per row visited, or per row of the table once the list is complete. Built for
// tables of 100 000 records: fills in one pass, finds by position or ID without scanning, and
// reaches an unvisited position from the nearest known entry.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/list_class.h"
#include "site/control_record_keys.h"
#include "store/database.h"

namespace ivorn {

class control_record_description : public list_member {
public:
    control_record_description(long position, std::int32_t id, std::string description);

    // Keeps the list in position order.
    bool comes_before(const list_member& candidate) const override;
    // Renumbers the entry and its display text.
    void set_position(long new_position);
    void set_record(std::int32_t new_id, std::string new_description);

    long position = 0;
    std::int32_t id = 0;
    // "%5ld %5ld %s": position, ID, description.
    std::string text;
    std::string description;

protected:
    bool is_ordered() const override { return ordered_; }

private:
    friend class list_control_record_descriptions;
    // A fill appends in scan order; only an entry placed between others needs the ordered walk.
    bool ordered_ = true;
};

// What the list shows while it works; the document forwards it to its user interface.
class description_list_observer {
public:
    virtual ~description_list_observer() = default;
    virtual void scan_begin(long rows) { (void)rows; }
    virtual void scan_progress(long count, const std::string& text) { (void)count, (void)text; }
    virtual void scan_end() {}
    virtual void message_box(const std::string& text) { (void)text; }
};

class list_control_record_descriptions : public typed_list<control_record_description> {
public:
    // Complete: an entry for every row of the table.
    bool loaded = false;

    void set_observer(description_list_observer* observer) { observer_ = observer; }

    list_member* add(std::unique_ptr<list_member> member) override;
    list_member* insert_after(std::unique_ptr<list_member> member, list_member* after) override;
    void delete_all() override;
    std::unique_ptr<list_member> unlink(list_member* member) override;

    // One entry per row of the table, in key order, from one query; the list is complete
    // afterwards. False (the list left as it was) when the table cannot be read.
    bool fill_descriptions(control_record_keys& keys, std::string& log);
    // The smallest ID of 1 or more that no control record carries (the list is completed first);
    // 0 when every ID is taken.
    std::int32_t next_free_id(control_record_keys& keys, std::string& log);
    // The number of rows: the last entry's position after completing the list from `keys`;
    // without them an incomplete list reports an error and its own size.
    long number_of_records(control_record_keys* keys, std::string& log);
    control_record_description* find_by_position(long position) const;
    control_record_description* find_by_id(std::int32_t id) const;
    // Reaches a position not yet in the list from the nearest known entry with one indexed query;
    // the new entry is added and returned, or null when the table ends first.
    control_record_description* locate(control_record_keys& keys, long position);
    // The entry for a row read at a known position, added unless the list holds that position.
    control_record_description* add_row(const control_record_key& row, long position);
    // Refills a complete list from the table.
    bool reload(database& db, std::string& log);
    // A complete list takes a newly added row in key order; the entries behind it move down one
    // position.
    control_record_description* insert_record(std::int32_t id, std::string description);
    // An entry's row got a new ID or description.
    void update_entry(control_record_description* entry, std::int32_t id, std::string description);
    // Drops an entry whose row was deleted; the entries behind it move up one position, as their
    // rows did in the table.
    void remove_entry(control_record_description* entry);

private:
    // Index of the first entry whose position is at least `position` (count() when none).
    size_t lower_bound(long position) const;
    void index_entry(control_record_description* entry);
    void unindex_entry(control_record_description* entry);

    std::unordered_map<std::int32_t, control_record_description*> by_id_;
    description_list_observer* observer_ = nullptr;
};

// The smallest ID of 1 or more that none of `ids` is; 0 when every one is taken.
std::int32_t smallest_free_id(const std::vector<std::int32_t>& ids);

} // namespace ivorn
