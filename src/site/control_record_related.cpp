// The control record's related rows, step by step: the site data that other record kinds own
// (parameters, livestock, point sources, subareas, the weather station) is loaded, stored and
// deleted here in the record's fixed order. A step whose record kind has not arrived yet is empty.
#include "site/control_record.h"

#include "core/text_utils.h"
#include "reference/parameters_table.h"
#include "site/control_record_table.h"
#include "site/record_owned_tables.h"
#include "site/weather_tables.h"

namespace ivorn {

// The herd slots, the lists of subareas, point sources, livestock and livestock schedules, the
// parameter set, the output reader and the embedded weather station return to their new state.
void control_record::reset_owned_members()
{
    parameters = parameter_set{};
    parameters_missing = false;
    weather_station.reset_station();
    station_missing = false;
    herds = {};
    subareas.delete_all();
    livestock.delete_all();
    livestock_schedule.delete_all();
}

// Parameters row of this record (filter ID = record ID). Without one the set must not keep the
// values of the record loaded before: they would be run, and stored, as this record's.
bool control_record::load_parameter_set(database& db, std::string& log)
{
    parameters = parameter_set{};
    bool found = false;
    const bool ok = parameters.load_parameters(db, id, log, &found);
    parameters_missing = !found;
    return ok;
}

// Livestock rows into the herd slots and the livestock list, then the herd schedule. Every model
// version loads them: a slot left from the record shown before would be stored under this one.
bool control_record::load_livestock(database& db, std::string& log)
{
    const bool ok = ivorn::load_livestock(db, id, herds, livestock, log);
    return load_livestock_schedule(db, id, livestock_schedule, log) && ok;
}

// Point Source rows into `pointsource_files`.
bool control_record::load_point_sources(database& db, std::string& log)
{
    return ivorn::load_point_sources(db, id, pointsource_files, log);
}

// Subarea and management rows, with each subarea's soil and field operations.
bool control_record::load_subareas(database& db, std::string& log) { return subareas.load_subareas(db, id, log); }

// The weather station and its months, by `weather_station_id`. A record whose station has no row
// keeps its station number, so that it is not moved to station 0; the station is marked missing.
bool control_record::load_weather_station(database& db, std::string& log)
{
    bool found = false;
    const bool ok = weather_station.load_station(db, weather_station_id, log, &found);
    weather_station.number = weather_station_id;
    station_missing = !found;
    return ok;
}

bool control_record::save_livestock(database& db, std::string& log) { return ivorn::save_livestock(db, id, herds, log); }

bool control_record::save_parameter_set(database& db, std::string& log)
{
    return parameters_missing || parameters.save_parameters(db, id, log);
}

bool control_record::save_subareas(database& db, std::string& log) { return subareas.save_subareas(db, id, log); }

void control_record::mark_related_stored() { subareas.mark_stored(); }

// A new record names its station. A station of that number that is already stored is taken as it
// is: storing the new record's empty station over it would blank the weather of every record that
// uses it. Otherwise the station starts under the given name.
bool control_record::adopt_named_station(database& db, std::string& log)
{
    recordset stations;
    if (!stations.open(db, weather_table(), filter_by("ID", field_value(std::int64_t{weather_station_id})), log,
                       recordset::mode::read_only))
        return false;
    if (stations.is_empty()) {
        weather_station.name = weather_station_name;
    } else if (!weather_station.load_station(db, weather_station_id, log)) {
        return false;
    }
    weather_station.number = weather_station_id;
    weather_station_name.clear();
    return true;
}

// The station's first save creates its twelve month rows and notes each; those notes are kept
// only when the save fails, as a record store shows its log to say what went wrong.
// A station that was missing when the record loaded is not created from the empty one it holds.
bool control_record::save_weather_station(database& db, std::string& log)
{
    if (station_missing)
        return true;
    weather_station.number = weather_station_id;
    if (!weather_station_name.empty() && !adopt_named_station(db, log))
        return false;
    std::string notes;
    if (weather_station.save_station(db, weather_table().name, weather_by_month_table().name, notes))
        return true;
    log += notes;
    return false;
}

// The record's Parameters row, its count logged.
bool control_record::delete_parameter_set(database& db, std::string& log) { return parameters.delete_parameters(db, id, log); }

// The station's Weather row and its Weather by Month rows, their counts logged.
bool control_record::delete_weather_station(database& db, std::string& log)
{
    weather_station.number = weather_station_id;
    return delete_station(db, weather_station, log);
}

// A station that another control record still names must survive this record's deletion.
bool control_record::station_used_elsewhere(database& db, bool& used, std::string& log)
{
    used = false;
    recordset set;
    if (!set.open(db, control_records_table(), filter_by("Weather Station ID", field_value(std::int64_t{weather_station_id})),
                  log, recordset::mode::read_only))
        return false;
    for (set.move_first(); !set.is_eof(); set.move_next()) {
        if (set.get_integer("ID") != id) {
            used = true;
            break;
        }
    }
    return true;
}

// Rows keyed by this record's ID alone. Left behind, they would reappear under the next record
// given the same (smallest free) ID. The parameters go first, with their own message.
bool control_record::delete_site_rows(database& db, std::string& log)
{
    bool ok = true;
    for (const table_description* table : tables_keyed_by_record(db)) {
        if (table == &parameters_table())
            continue;
        const long long deleted = delete_rows(db, *table, filter_by("ID", field_value(std::int64_t{id})), log);
        if (deleted < 0)
            ok = false;
        else if (deleted > 0)
            log += format_printf("Deleted %lld rows of %s.\r\n", deleted, table->name.c_str());
    }
    return ok;
}

bool control_record::id_is_free(database& db, std::string& log)
{
    if (id < 1) {
        log += format_printf("Record ID %d is not valid: record IDs start at 1.\r\n", id);
        return false;
    }
    const record_filter by_new_id = filter_by("ID", field_value(std::int64_t{id}));
    recordset records;
    if (!records.open(db, control_records_table(), by_new_id, log, recordset::mode::read_only))
        return false;
    if (!records.is_empty()) {
        log += format_printf("Record ID %d is already in use.\r\n", id);
        return false;
    }
    for (const table_description* table : record_owned_tables()) {
        recordset rows;
        if (!rows.open(db, *table, by_new_id, log, recordset::mode::read_only))
            return false;
        if (!rows.is_empty()) {
            log += format_printf("Record ID %d is already in use in %s.\r\n", id, table->name.c_str());
            return false;
        }
    }
    return true;
}

bool control_record::move_owned_rows(database& db, std::int32_t from_id, std::string& log)
{
    const record_filter by_old_id = filter_by("ID", field_value(std::int64_t{from_id}));
    for (const table_description* table : tables_keyed_by_record(db)) {
        if (update_rows(db, *table, by_old_id, "ID", field_value(std::int64_t{id}), log) < 0)
            return false;
    }
    return true;
}

} // namespace ivorn
