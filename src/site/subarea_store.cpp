// A control record's subareas in "Subareas" and "Management": loaded with their operations and
// soils, stored only when modified. The two rows of one subarea are paired by [Subarea Id], so
// rows written in another order by another program still meet their own partner.
#include <map>
#include <vector>

#include "core/text_utils.h"
#include "site/soil_tables.h"
#include "site/subarea_tables.h"
#include "site/vorn_subarea.h"

namespace ivorn {
namespace {

record_filter record_filter_of(std::int32_t record_id) { return filter_by("ID", field_value(std::int64_t{record_id})); }

record_filter subarea_filter(std::int32_t record_id, std::int32_t subarea_number)
{
    return {{"ID", field_value(std::int64_t{record_id})}, {"Subarea Id", field_value(std::int64_t{subarea_number})}};
}

// Positions of the Management rows by [Subarea Id], in table order: the k-th "Subareas" row of a
// number meets the k-th "Management" row of that number.
std::map<std::int64_t, std::vector<long long>> management_positions(recordset& management)
{
    std::map<std::int64_t, std::vector<long long>> positions;
    for (management.move_first(); !management.is_eof(); management.move_next())
        positions[management.get_integer("Subarea Id")].push_back(management.position());
    return positions;
}

// Opens the subarea's row in a table for writing: the first matching row, or a new one.
bool open_row(recordset& set, database& db, const table_description& table, std::int32_t record_id,
              std::int32_t subarea_number, std::string& log)
{
    if (!set.open(db, table, subarea_filter(record_id, subarea_number), log))
        return false;
    if (set.is_empty()) {
        set.add_new();
        return true;
    }
    set.move_first();
    return set.edit();
}

bool save_one(database& db, std::int32_t record_id, vorn_subarea& subarea, std::string& log)
{
    subarea.record_id = record_id;
    subarea.management_id = record_id;
    recordset subareas;
    recordset management;
    if (!open_row(subareas, db, subareas_table(), record_id, subarea.subarea_number, log)
        || !open_row(management, db, management_table(), record_id, subarea.subarea_number, log))
        return false;
    subarea.save_to_rows(subareas, management);
    if (!subareas.update(log) || !management.update(log) || !subarea.save_field_operations(db, log))
        return false;
    if (subarea.soil_changed) {
        // The subarea's [Soil Id] names its soil in the soil tables.
        subarea.soil.number = subarea.soil_id;
        if (!subarea.soil.save_soil(db, soils_table().name, soil_layers_table().name, log))
            return false;
    }
    return true;
}

} // namespace

bool subarea_list::load_subareas(database& db, std::int32_t record_id, std::string& log)
{
    delete_all();
    recordset subareas;
    recordset management;
    const bool opened_subareas =
        subareas.open(db, subareas_table(), record_filter_of(record_id), log, recordset::mode::read_only);
    const bool opened_management =
        management.open(db, management_table(), record_filter_of(record_id), log, recordset::mode::read_only);
    if (!opened_subareas || !opened_management)
        return false;
    auto partners = management_positions(management);
    bool ok = true;
    for (subareas.move_first(); !subareas.is_eof(); subareas.move_next()) {
        const std::int64_t number = subareas.get_integer("Subarea Id");
        auto& waiting = partners[number];
        auto subarea = std::make_unique<vorn_subarea>();
        if (waiting.empty()) {
            log += format_printf("No Management row for subarea %lld of record %d.\r\n", static_cast<long long>(number),
                                 record_id);
            load_bindings(subareas, subarea->subarea_bindings());
        } else {
            management.move_to(waiting.front());
            waiting.erase(waiting.begin());
            subarea->load_from_rows(subareas, management);
        }
        ok = subarea->load_field_operations(db, log) && ok;
        ok = subarea->soil.load_soil(db, soils_table().name, soil_layers_table().name, subarea->soil_id, log) && ok;
        subarea->soil_changed = false;
        subarea->modified = false;
        add(std::move(subarea));
    }
    return ok;
}

bool subarea_list::save_subareas(database& db, std::int32_t record_id, std::string& log)
{
    transaction work(db);
    for (vorn_subarea* subarea : *this) {
        // A record whose ID was edited owns its subareas under the new ID from now on.
        if (!subarea->modified && subarea->record_id == record_id)
            continue;
        if (!save_one(db, record_id, *subarea, log))
            return false;
    }
    return work.commit(log);
}

void subarea_list::mark_stored()
{
    for (vorn_subarea* subarea : *this) {
        subarea->soil_changed = false;
        subarea->modified = false;
    }
}

} // namespace ivorn
