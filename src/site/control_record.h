// One run definition of the model, as it is held while it is worked on: every column of
// "Control Records" as a member, the run's site data that the record owns, and the order in which
// that site data is loaded, stored and deleted together with the record's own row.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/list_class.h"
#include "reference/parameter_set.h"
#include "site/herd_slots.h"
#include "site/livestock.h"
#include "site/vorn_subarea.h"
#include "site/vorn_weather_station.h"
#include "store/database.h"
#include "store/field_binding.h"
#include "store/recordset.h"

namespace ivorn {

struct app_settings;

// The daily weather file a new control record names.
inline constexpr const char* default_daily_weather_file_name = "wedmor.wth";

class control_record : public list_member {
public:
    static constexpr size_t max_pointsource_files = 100;
    static constexpr size_t max_pointsource_name = 99;

    explicit control_record(const app_settings& settings);

    // Every column its table default, the owned site data emptied; marks the record modified.
    void reset_to_defaults(const app_settings& settings);
    // The current row of "Control Records" into the members; clears `modified`.
    bool load_from_row(const recordset& set);
    // The members into the pending row (after add_new or edit); clears `modified`.
    void save_to_row(recordset& set);

    // Every bound column with its member: all columns but [Channel Cap Flow Rate].
    binding_list bindings();

    // Loads what the record owns from the other tables, after load_from_row. Every step runs even
    // when an earlier one failed; false when any failed.
    bool load_related(database& db, std::string& log);
    // Stores what the record owns into the other tables (a new record's too).
    bool save_related(database& db, std::string& log);
    // Removes the rows that belong to this record alone from the other tables.
    bool delete_related(database& db, std::string& log);

    // Stores the record, while it is modified, into the row whose ID is `row_id` (the ID it was
    // loaded with: the ID field can be edited), then its related rows: all in one transaction.
    // An edited ID moves every row the record owns to it; an ID that a record or an owned row
    // already carries is refused. On failure nothing is stored and the record stays modified.
    bool store(database& db, std::int32_t row_id, std::string& log);
    // Adds the record as a new row with its related rows, in one transaction.
    bool insert(database& db, std::string& log);
    // Positions an open "Control Records" set on its row and loads the record with everything it owns.
    bool load(database& db, recordset& set, std::int32_t row_id, std::string& log);
    // The record's Parameters row, or a new record's parameters when it has none.
    bool load_parameter_set(database& db, std::string& log);
    // The station of `weather_station_id` with its months; without a "Weather" row it stays empty.
    bool load_weather_station(database& db, std::string& log);

    // Column members, in table order.
    std::int32_t id = 0;
    std::string description;
    int state_fips = 0;
    int county_fips = 0;
    int swat_subbasin = 0;
    int nriptr = 0;
    std::string psu;
    int point = 0;
    int huc = 0;
    std::string mlra;
    int run_attribute[3] = {};
    int number_subareas = 0;
    // The embedded weather station's number.
    int weather_station_id = 0;
    int simulation_length = 0;
    int beginning_year = 0;
    int beginning_month = 0;
    int beginning_day = 0;
    int printout_interval = 0;
    int print_code = 0;
    int weather_input_code = 0;
    int weather_random_cycles = 0;
    int weather_generator_stop_day = 0;
    int leap_year_considered = 0;
    int potential_et = 0;
    int stochastic_curve_number = 0;
    int peak_rate_estimate = 0;
    int soil_profile = 0;
    int automatic_heat_unit_scheduling = 0;
    int non_varying_curve_number = 0;
    int runoff_estimation_methodology = 0;
    int pesticide_mass_and_concentration = 0;
    int daily_output_to_swat = 0;
    int enrichment_ratio_method = 0;
    int soluble_p_runoff_approach = 0;
    int np_uptake_code = 0;
    int manure_application_code = 0;
    int lagoon_pump_trigger = 0;
    int manure_scrapping_interval = 0;
    int steepness_factor_code = 0;
    int air_quality_analysis = 0;
    int flood_routing = 0;
    int atmospheric_co2_code = 0;
    int field_capacity_method = 0;
    int denitrification_method = 0;
    int auto_p = 0;
    int times_seeds_initialized = 0;
    int select_directory = 0;
    int auto_mow_interval = 0;
    int mosk_kemanian_function = 0;
    int use_sot_files = 0;
    int subarea_print_code = 0;
    float peak_runoff = 0.0f;
    float rainfall_nitrogen_concentration = 0.0f;
    float co2_concentration = 0.0f;
    float irrigation_no3_concentration = 0.0f;
    float pest_damage_factor = 0.0f;
    float grazing_limit = 0.0f;
    float years_cultivation_at_start = 0.0f;
    // A method code, but the control file prints it as a real: held as one, stored truncated.
    float erosion_equation = 0.0f;
    float fraction_controlled_by_ponds = 0.0f;
    float reach_channel_usle_c_factor = 0.0f;
    float irrigation_salt_concentration = 0.0f;
    float musi_parameter[4] = {};
    float manure_rate_for_p_uptake = 0.0f;
    float manure_rate_for_n_uptake = 0.0f;
    float exponent_in_flow_rate_eq = 0.0f;
    float ave_upland_slope = 0.0f;
    float channel_bottom_width = 0.0f;
    float floodplain_width = 0.0f;
    float floodplain_saturated_conductivity = 0.0f;
    float maximum_groundwater_storage = 0.0f;
    float return_flow_days = 0.0f;
    float return_flow_ratio = 0.0f;
    float saturated_conductivity_adjustment = 0.0f;
    float field_width = 0.0f;
    float field_length = 0.0f;
    float field_angle = 0.0f;
    float power_parameter = 0.0f;
    float soil_particle_diameter = 0.0f;
    float wind_erosion_control_factor = 0.0f;
    float rainfall_change_e_to_w = 0.0f;
    float rainfall_change_s_to_n = 0.0f;
    float flood_routing_time = 0.0f;
    float routing_threshold = 0.0f;
    float routing_when_reach_storage = 0.0f;
    float basin_channel_length = 0.0f;
    float basin_channel_slope = 0.0f;
    float atmospheric_co2 = 0.0f;
    float irrigation_water_no3 = 0.0f;
    float n_in_rainfall = 0.0f;
    float fraction_field_capacity = 0.0f;
    int weather[9] = {};
    float fraction_of_area_by_weather[9] = {};
    // The run's daily weather input file.
    std::string weather_input_filename;
    int use_lat_for_subareas = 0;
    int grazing_mode = 0;
    int duration_of_rain = 0;
    float adjust_auto_irrigation = 0.0f;
    // The rainfall-intensity file named in the hourly precipitation file.
    std::string rfdt_filename;
    int real_time_day_of_year = 0;
    int hperc = 0;
    int hay_feeding = 0;
    float vertical_crack = 0.0f;
    float horizontal_crack = 0.0f;
    float p2_bulk_density[3] = {};

    // Line 3 fields 5 to 8 of an imported control file, until the weather import takes them.
    station_control_values held_station_values;
    // The name a new record gives its weather station; the station itself keeps it once stored.
    std::string weather_station_name;
    // The run's weather station; its number is `weather_station_id`.
    vorn_weather_station weather_station;
    herd_slots herds;
    // The point-source file names in input order (at most 100 of at most 99 characters).
    std::vector<std::string> pointsource_files;

    // The run's model parameters ("Parameters", one row per record).
    parameter_set parameters;
    // The run's subareas in subarea-number order, each with its management, soil and schedule.
    subarea_list subareas;
    // The herds as the "Livestock" rows hold them, and their purchases and sales.
    livestock_list livestock;
    livestock_schedule_list livestock_schedule;

    bool modified = true;
    // Set when the record was loaded without its Parameters row or without its station's
    // "Weather" row. What it then holds are a new record's values, not its own: it must not run on
    // them, and a store must not invent the missing rows from them.
    bool parameters_missing = false;
    bool station_missing = false;

private:
    bool write_with_related(database& db, const std::int32_t* existing_row_id, std::string& log);
    // The site data of the run, each loaded, stored and deleted by the record kind that owns it.
    // Each step is one place to fill in; an empty step has nothing to do and succeeds.
    void reset_owned_members();
    bool load_livestock(database& db, std::string& log);
    bool load_point_sources(database& db, std::string& log);
    bool load_subareas(database& db, std::string& log);
    bool save_livestock(database& db, std::string& log);
    bool save_parameter_set(database& db, std::string& log);
    bool save_subareas(database& db, std::string& log);
    bool save_weather_station(database& db, std::string& log);
    bool adopt_named_station(database& db, std::string& log);
    bool delete_parameter_set(database& db, std::string& log);
    bool delete_weather_station(database& db, std::string& log);
    bool delete_site_rows(database& db, std::string& log);
    bool station_used_elsewhere(database& db, bool& used, std::string& log);
    // For an ID edit: no control record and no owned row carries the new ID yet.
    bool id_is_free(database& db, std::string& log);
    bool move_owned_rows(database& db, std::int32_t from_id, std::string& log);
    // After a committed store: the owned records are no longer modified.
    void mark_related_stored();
};

} // namespace ivorn
