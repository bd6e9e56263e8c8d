// Loading and saving a control record's herds, herd schedule and point sources, and its herd file.
#include "site/livestock.h"

#include <tuple>

#include "core/text_utils.h"
#include "site/livestock_tables.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

record_filter by_record(const char* column, std::int32_t id) { return filter_by(column, field_value(std::int64_t{id})); }

void slot_to_record(const herd_slot& slot, int owner, livestock_record& record)
{
    record.owner_id = owner;
    record.herd_id = slot.herd_id;
    record.number_of_animals = slot.number_of_animals;
    record.fraction_herd_in_feeding_area = slot.fraction_herd_in_feeding_area;
    record.grazing_rate = slot.grazing_rate;
    record.daily_manure_dump = slot.daily_manure_dump;
    record.manure_id = slot.manure_id;
    record.urine_volume = slot.urine_volume;
}

herd_slot record_to_slot(const livestock_record& record)
{
    return {record.herd_id,          record.number_of_animals, record.fraction_herd_in_feeding_area,
            record.grazing_rate,     record.daily_manure_dump, record.manure_id,
            record.urine_volume};
}

bool write_slot_row(recordset& set, std::int32_t id, int owner, const herd_slot& slot, std::string& log)
{
    livestock_record record;
    slot_to_record(slot, owner, record);
    set.set("ID", field_value(std::int64_t{id}));
    save_bindings(set, record.bindings());
    return set.update(log);
}

} // namespace

bool livestock_record::comes_before(const list_member& candidate) const
{
    const auto& other = static_cast<const livestock_record&>(candidate);
    return std::tie(owner_id, herd_id) <= std::tie(other.owner_id, other.herd_id);
}

binding_list livestock_record::bindings()
{
    return {{"Owner Id", &owner_id},
            {"Herd Id", &herd_id},
            {"Number of Animals", &number_of_animals},
            {"Fraction Herd in Feeding Area", &fraction_herd_in_feeding_area},
            {"Grazing Rate", &grazing_rate},
            {"Daily Manure Dump", &daily_manure_dump},
            {"Manure Id", &manure_id},
            {"Urine Volume", &urine_volume}};
}

bool livestock_schedule_record::comes_before(const list_member& candidate) const
{
    const auto& o = static_cast<const livestock_schedule_record&>(candidate);
    return std::tie(owner_id, herd_id, year_of_buy_sell, month_of_buy_sell, day_of_buy_sell)
           <= std::tie(o.owner_id, o.herd_id, o.year_of_buy_sell, o.month_of_buy_sell, o.day_of_buy_sell);
}

binding_list livestock_schedule_record::bindings()
{
    return {{"Id", &id},
            {"Owner Id", &owner_id},
            {"Herd Id", &herd_id},
            {"Year of Buy Sell", &year_of_buy_sell},
            {"Month of Buy Sell", &month_of_buy_sell},
            {"Day of Buy Sell", &day_of_buy_sell},
            {"Number of Animals", &number_of_animals}};
}

bool load_livestock(database& db, std::int32_t id, herd_slots& herds, livestock_list& livestock, std::string& log)
{
    livestock.delete_all();
    recordset set;
    if (!set.open(db, livestock_table(), by_record("ID", id), log, recordset::mode::read_only))
        return false;
    // The slots are this record's own or empty: values left from the record shown before would
    // be stored under this record at its next save.
    herds = {};
    if (set.is_empty()) {
        log += format_printf("No Livestock table record for id=%d.\r\n", id);
        return true;
    }
    size_t slot = 0;
    for (set.move_first(); !set.is_eof(); set.move_next()) {
        auto record = std::make_unique<livestock_record>();
        load_bindings(set, record->bindings());
        if (slot < herds.slots.size()) {
            herds.slots[slot++] = record_to_slot(*record);
            herds.owner_number = record->owner_id;
        }
        livestock.add(std::move(record));
    }
    return true;
}

bool load_livestock_schedule(database& db, std::int32_t id, livestock_schedule_list& schedule, std::string& log)
{
    schedule.delete_all();
    recordset set;
    if (!set.open(db, livestock_schedule_table(), by_record("Id", id), log, recordset::mode::read_only))
        return false;
    for (set.move_first(); !set.is_eof(); set.move_next()) {
        auto record = std::make_unique<livestock_schedule_record>();
        load_bindings(set, record->bindings());
        schedule.add(std::move(record));
    }
    return true;
}

bool save_livestock(database& db, std::int32_t id, const herd_slots& herds, std::string& log)
{
    transaction work(db);
    recordset set;
    if (!set.open(db, livestock_table(), by_record("ID", id), log))
        return false;
    size_t slot = 0;
    for (set.move_first(); !set.is_eof() && slot < herds.slots.size(); set.move_next(), ++slot) {
        set.edit();
        if (!write_slot_row(set, id, herds.owner_number, herds.slots[slot], log))
            return false;
    }
    for (; slot < herds.slots.size(); ++slot) {
        set.add_new();
        if (!write_slot_row(set, id, herds.owner_number, herds.slots[slot], log))
            return false;
    }
    return work.commit(log);
}

bool load_point_sources(database& db, std::int32_t id, std::vector<std::string>& names, std::string& log)
{
    constexpr size_t most_rows = 10;
    recordset set;
    if (!set.open(db, point_source_table(), by_record("ID", id), log, recordset::mode::read_only))
        return false;
    typed_list<point_source_record> sources;
    for (set.move_first(); !set.is_eof() && sources.count() < most_rows; set.move_next()) {
        auto source = std::make_unique<point_source_record>();
        source->id = static_cast<int>(set.get_integer("ID"));
        source->subarea_id = static_cast<int>(set.get_integer("Subarea Id"));
        source->point_source_name = cut_to_width(set.get_text("Point Source Name"), point_source_record::max_name);
        sources.add(std::move(source));
    }
    names.clear();
    for (const point_source_record* source : sources)
        names.push_back(source->point_source_name);
    return true;
}

void livestock_from_slots(const herd_slots& herds, livestock_list& livestock)
{
    livestock.delete_all();
    for (const herd_slot& slot : herds.slots) {
        auto record = std::make_unique<livestock_record>();
        slot_to_record(slot, herds.owner_number, *record);
        livestock.add(std::move(record));
    }
}

bool write_herd_file(const std::string& path, const livestock_list& livestock, const livestock_schedule_list& schedule,
                     line_end_style line_ends, std::string& log)
{
    model_file_writer out;
    if (!out.open(path, line_ends)) {
        log += format_printf("Cannot open herdfile %s\n", path.c_str());
        return false;
    }
    for (const livestock_record* herd : livestock) {
        if (herd->number_of_animals <= 0)
            continue;
        out.printf("%4d%8.1f%8.1f%8.3f%8.3f%8.3f%8.3f\n", herd->owner_id, static_cast<double>(herd->number_of_animals),
                   static_cast<double>(herd->manure_id), static_cast<double>(herd->fraction_herd_in_feeding_area),
                   static_cast<double>(herd->grazing_rate), static_cast<double>(herd->daily_manure_dump),
                   static_cast<double>(herd->urine_volume));
    }
    out.write("\n");
    for (const livestock_schedule_record* move : schedule) {
        out.printf("%4d%4d%4d%4d%4d%4d\n", move->owner_id, move->herd_id, move->year_of_buy_sell,
                   move->month_of_buy_sell, move->day_of_buy_sell, move->number_of_animals);
    }
    out.write("\n\n");
    if (out.close())
        return true;
    log += "Unable to write " + path + "\r\n";
    return false;
}

} // namespace ivorn
