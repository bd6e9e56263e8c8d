// Herds, their purchases and sales, and point sources of a control record: the records that the
// "Livestock", "Livestock Schedule" and "Point Source" rows become, their loads and saves, and
// the herd file that the 604, 806 and 1307 models read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/list_class.h"
#include "core/model_file_writer.h"
#include "site/herd_slots.h"
#include "store/database.h"
#include "store/field_binding.h"

namespace ivorn {

class livestock_record : public list_member {
public:
    int owner_id = 0;
    int herd_id = 0;
    int number_of_animals = 0;
    float fraction_herd_in_feeding_area = 0.0f;
    float grazing_rate = 0.0f;
    float daily_manure_dump = 0.0f;
    int manure_id = 0;
    float urine_volume = 0.0f;

    // By owner, then herd; equal ones keep their order of arrival.
    bool comes_before(const list_member& candidate) const override;
    // Every column but [ID].
    binding_list bindings();

protected:
    bool is_ordered() const override { return true; }
};

class livestock_schedule_record : public list_member {
public:
    int id = 0;
    int owner_id = 0;
    int herd_id = 0;
    int year_of_buy_sell = 0;
    int month_of_buy_sell = 0;
    int day_of_buy_sell = 0;
    int number_of_animals = 0;

    // By owner, herd, then date; equal ones keep their order of arrival.
    bool comes_before(const list_member& candidate) const override;
    binding_list bindings();

protected:
    bool is_ordered() const override { return true; }
};

class point_source_record : public list_member {
public:
    static constexpr size_t max_name = 99;
    int id = 0;
    int subarea_id = 0;
    std::string point_source_name;
};

using livestock_list = typed_list<livestock_record>;
using livestock_schedule_list = typed_list<livestock_schedule_record>;

// The record's "Livestock" rows into `livestock` (ordered) and, in table order, into the herd
// slots: row k is slot k, the last row read gives the owner number. Without rows the slots are
// emptied, with "No Livestock table record for id=N." in the log.
bool load_livestock(database& db, std::int32_t id, herd_slots& herds, livestock_list& livestock, std::string& log);
bool load_livestock_schedule(database& db, std::int32_t id, livestock_schedule_list& schedule, std::string& log);
// Row k in table order gets slot k; slots without a row get one, rows beyond the tenth stay.
bool save_livestock(database& db, std::int32_t id, const herd_slots& herds, std::string& log);
// At most ten "Point Source" rows, in table order, as the record's point-source file names.
bool load_point_sources(database& db, std::int32_t id, std::vector<std::string>& names, std::string& log);

// The herd slots as livestock records, slot by slot.
void livestock_from_slots(const herd_slots& herds, livestock_list& livestock);
// The herds with animals, an empty line, the schedule, two empty lines.
bool write_herd_file(const std::string& path, const livestock_list& livestock, const livestock_schedule_list& schedule,
                     line_end_style line_ends, std::string& log);

} // namespace ivorn
