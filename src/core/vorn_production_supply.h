// Common base of the records that a field operation supplies by number (crops, fertilizers,
// pesticides) and the one list class that holds each kind, with the list file writer they share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/list_class.h"
#include "core/model_file_writer.h"

namespace ivorn {

class vorn_production_supply : public list_member {
public:
    // The ID column of its table and the number in the model's data file; -1 until given one.
    std::int32_t number = -1;
    std::string name;

    // The record as its line of the model's data file. The base writes nothing.
    virtual void write_record(model_file_writer& out, int model_version) const;
};

// One list per kind: a crop list holds only crops, and so on.
class vorn_production_supply_list : public typed_list<vorn_production_supply> {
public:
    // The whole list as a model data file, `header` (already holding its line ends) first.
    // False when the file cannot be created or written.
    bool write_file(const std::string& file_name, int model_version, line_end_style line_ends,
                    std::string_view header = {}) const;
};

// The number a record added by the list editors gets: the last member's number plus one, 1 for
// an empty list; -1 when the last number leaves no room above it.
template <class List>
std::int32_t next_added_number(const List& list)
{
    const auto* last = list.last();
    if (!last)
        return 1;
    if (last->number == INT32_MAX)
        return -1;
    return last->number + 1;
}

} // namespace ivorn
