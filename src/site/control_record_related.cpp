// The control record's related rows, step by step: the site data that other record kinds own
// (parameters, livestock, point sources, subareas, the weather station) is loaded, stored and
// deleted here in the record's fixed order. A step whose record kind has not arrived yet is empty.
#include "site/control_record.h"

#include "core/text_utils.h"
#include "reference/parameters_table.h"
#include "site/control_record_table.h"
#include "site/livestock_tables.h"
#include "site/scenario_factors_table.h"
#include "site/subarea_tables.h"
#include "site/weather_tables.h"

namespace ivorn {

// The herd slots, the lists of subareas, point sources, livestock and livestock schedules, the
// parameter set, the output reader and the embedded weather station return to their new state.
void control_record::reset_owned_members()
{
    parameters = parameter_set{};
    weather_station.reset_station();
    herds = {};
    subareas.delete_all();
    livestock.delete_all();
    livestock_schedule.delete_all();
}

// Parameters row of this record (filter ID = record ID).
bool control_record::load_parameter_set(database& db, std::string& log) { return parameters.load_parameters(db, id, log); }

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

// The weather station and its months, by `weather_station_id`.
// A record whose station has no row keeps its station number: the station stays empty, and the
// next store gives it a row under that number rather than moving the record to station 0.
bool control_record::load_weather_station(database& db, std::string& log)
{
    const bool ok = weather_station.load_station(db, weather_station_id, log);
    weather_station.number = weather_station_id;
    return ok;
}

bool control_record::save_livestock(database& db, std::string& log) { return ivorn::save_livestock(db, id, herds, log); }

bool control_record::save_parameter_set(database& db, std::string& log) { return parameters.save_parameters(db, id, log); }

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
bool control_record::save_weather_station(database& db, std::string& log)
{
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
// given the same (smallest free) ID.
bool control_record::delete_site_rows(database& db, std::string& log)
{
    bool ok = true;
    std::vector<const table_description*> tables = record_owned_tables();
    // What a scenario changed describes that scenario only.
    if (db.has_table(scenario_factors_table().name))
        tables.push_back(&scenario_factors_table());
    for (const table_description* table : tables) {
        // The parameter set deletes its own row, with its own count in the log.
        if (table == &parameters_table())
            continue;
        const long long deleted = delete_rows(db, *table, filter_by(table->columns[0].name, field_value(std::int64_t{id})), log);
        if (deleted < 0)
            ok = false;
        else if (deleted > 0)
            log += format_printf("Deleted %lld rows of %s.\r\n", deleted, table->name.c_str());
    }
    return ok;
}

} // namespace ivorn
