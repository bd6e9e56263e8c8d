// The control record's own row: defaults, the column bindings, and storing the row together with
// its related rows as one operation.
#include "site/control_record.h"

#include <variant>

#include "core/text_utils.h"
#include "shell/app_settings.h"
#include "site/control_record_table.h"

namespace ivorn {

control_record::control_record(const app_settings& settings) { reset_to_defaults(settings); }

binding_list control_record::bindings()
{
    return {
        {"ID", &id},
        {"Description", &description},
        {"State FIPS", &state_fips},
        {"County FIPS", &county_fips},
        {"SWAT Subbasin", &swat_subbasin},
        {"NRIPTR", &nriptr},
        {"PSU", &psu},
        {"Point", &point},
        {"HUC", &huc},
        {"MLRA", &mlra},
        {"Run Attribute 1", &run_attribute[0]},
        {"Run Attribute 2", &run_attribute[1]},
        {"Run Attribute 3", &run_attribute[2]},
        {"Number Subareas", &number_subareas},
        {"Weather Station ID", &weather_station_id},
        {"Simulation Length", &simulation_length},
        {"Beginning Year", &beginning_year},
        {"Beginning Month", &beginning_month},
        {"Beginning Day", &beginning_day},
        {"Printout Interval", &printout_interval},
        {"Print Code", &print_code},
        {"Weather Input Code", &weather_input_code},
        {"Weather Random Cycles", &weather_random_cycles},
        {"Weather Generator Stop Day", &weather_generator_stop_day},
        {"Leap Year Considered", &leap_year_considered},
        {"Potential ET", &potential_et},
        {"Stochastic Curve Number", &stochastic_curve_number},
        {"Peak Rate Estimate", &peak_rate_estimate},
        {"Soil Profile", &soil_profile},
        {"Automatic Heat Unit Scheduling", &automatic_heat_unit_scheduling},
        {"Non Varying Curve Number", &non_varying_curve_number},
        {"Runoff Estimation Methodology", &runoff_estimation_methodology},
        {"Pesticide Mass and Concentration", &pesticide_mass_and_concentration},
        {"Daily Output to Swat", &daily_output_to_swat},
        {"Enrichment Ratio Method", &enrichment_ratio_method},
        {"Soluble P Runoff Approach", &soluble_p_runoff_approach},
        {"NP Uptake Code", &np_uptake_code},
        {"Manure Application Code", &manure_application_code},
        {"Lagoon Pump Trigger", &lagoon_pump_trigger},
        {"Manure Scrapping Interval", &manure_scrapping_interval},
        {"Steepness Factor Code", &steepness_factor_code},
        {"Air Quality Analysis", &air_quality_analysis},
        {"Flood Routing", &flood_routing},
        {"Atmospheric CO2 Code", &atmospheric_co2_code},
        {"Field Capacity Method", &field_capacity_method},
        {"Denitrification Method", &denitrification_method},
        {"Auto P", &auto_p},
        {"Times Seeds Initialized", &times_seeds_initialized},
        {"Select Directory", &select_directory},
        {"Auto Mow Interval", &auto_mow_interval},
        {"MOSK Kemanian Function", &mosk_kemanian_function},
        {"Use SOT Files", &use_sot_files},
        {"Subarea Print Code", &subarea_print_code},
        {"Peak Runoff", &peak_runoff},
        {"Rainfall Nitrogen Concentration", &rainfall_nitrogen_concentration},
        {"CO2 Concentration", &co2_concentration},
        {"Irrigation NO3 Concentration", &irrigation_no3_concentration},
        {"Pest Damage Factor", &pest_damage_factor},
        {"Grazing Limit", &grazing_limit},
        {"Years Cultivation at Start", &years_cultivation_at_start},
        // A long column bound to a float: the store truncates it toward zero.
        {"Erosion Equation", &erosion_equation},
        {"Fraction Controlled by Ponds", &fraction_controlled_by_ponds},
        {"Reach Channel USLE C Factor", &reach_channel_usle_c_factor},
        {"Irrigation Salt Concentration", &irrigation_salt_concentration},
        {"MUSI Parameter 1", &musi_parameter[0]},
        {"MUSI Parameter 2", &musi_parameter[1]},
        {"MUSI Parameter 3", &musi_parameter[2]},
        {"MUSI Parameter 4", &musi_parameter[3]},
        {"Manure Rate for P Uptake", &manure_rate_for_p_uptake},
        {"Manure Rate for N Uptake", &manure_rate_for_n_uptake},
        {"Exponent In Flow Rate Eq", &exponent_in_flow_rate_eq},
        {"Ave Upland Slope", &ave_upland_slope},
        {"Channel Bottom Width", &channel_bottom_width},
        {"Floodplain Width", &floodplain_width},
        {"Floodplain Saturated Conductivity", &floodplain_saturated_conductivity},
        {"Maximum Groundwater Storage", &maximum_groundwater_storage},
        {"Return Flow Days", &return_flow_days},
        {"Return Flow Ratio", &return_flow_ratio},
        {"Saturated Conductivity Adjustment", &saturated_conductivity_adjustment},
        {"Field Width", &field_width},
        {"Field Length", &field_length},
        {"Field Angle", &field_angle},
        {"Power Parameter", &power_parameter},
        {"Soil Particle Diameter", &soil_particle_diameter},
        {"Wind Erosion Control Factor", &wind_erosion_control_factor},
        {"Rainfall Change E to W", &rainfall_change_e_to_w},
        {"Rainfall Change S to N", &rainfall_change_s_to_n},
        {"Flood Routing Time", &flood_routing_time},
        {"Routing Threshold", &routing_threshold},
        {"Routing when Reach Storage", &routing_when_reach_storage},
        {"Basin Channel Length", &basin_channel_length},
        {"Basin Channel Slope", &basin_channel_slope},
        {"Atmospheric CO2", &atmospheric_co2},
        {"Irrigation Water NO3", &irrigation_water_no3},
        {"N in Rainfall", &n_in_rainfall},
        {"Fraction Field Capacity", &fraction_field_capacity},
        {"Weather 1", &weather[0]},
        {"Weather 2", &weather[1]},
        {"Weather 3", &weather[2]},
        {"Weather 4", &weather[3]},
        {"Weather 5", &weather[4]},
        {"Weather 6", &weather[5]},
        {"Weather 7", &weather[6]},
        {"Weather 8", &weather[7]},
        {"Weather 9", &weather[8]},
        {"Fraction of Area by Weather 1", &fraction_of_area_by_weather[0]},
        {"Fraction of Area by Weather 2", &fraction_of_area_by_weather[1]},
        {"Fraction of Area by Weather 3", &fraction_of_area_by_weather[2]},
        {"Fraction of Area by Weather 4", &fraction_of_area_by_weather[3]},
        {"Fraction of Area by Weather 5", &fraction_of_area_by_weather[4]},
        {"Fraction of Area by Weather 6", &fraction_of_area_by_weather[5]},
        {"Fraction of Area by Weather 7", &fraction_of_area_by_weather[6]},
        {"Fraction of Area by Weather 8", &fraction_of_area_by_weather[7]},
        {"Fraction of Area by Weather 9", &fraction_of_area_by_weather[8]},
        {"Weather Input Filename", &weather_input_filename},
        {"Use Lat for Subareas", &use_lat_for_subareas},
        {"Grazing Mode", &grazing_mode},
        {"Duration of Rain", &duration_of_rain},
        {"Adjust Auto Irrigation", &adjust_auto_irrigation},
        {"RFDT Filename", &rfdt_filename},
        {"Real Time Day of Year", &real_time_day_of_year},
        {"HPERC or HPERC1", &hperc},
        {"Hay Feeding", &hay_feeding},
        {"Vertical Crack", &vertical_crack},
        {"Horizontal Crack", &horizontal_crack},
        {"P2 Bulk Density1", &p2_bulk_density[0]},
        {"P2 Bulk Density2", &p2_bulk_density[1]},
        {"P2 Bulk Density3", &p2_bulk_density[2]},
    };
}

void control_record::reset_to_defaults(const app_settings&)
{
    // Zero or empty first, so that a column added to the bindings can never keep a stale value.
    for (const auto& binding : bindings()) {
        std::visit(
            [](auto* member) {
                using member_type = std::remove_pointer_t<decltype(member)>;
                *member = member_type{};
            },
            binding.member);
    }
    simulation_length = 30;
    beginning_year = 1;
    beginning_month = 1;
    beginning_day = 1;
    printout_interval = 1;
    print_code = 1;
    potential_et = 1;
    rainfall_nitrogen_concentration = 0.8f;
    co2_concentration = 350.0f;
    erosion_equation = 3.0f;
    musi_parameter[0] = 1.588f;
    musi_parameter[1] = 0.56f;
    musi_parameter[2] = 0.56f;
    musi_parameter[3] = 0.12f;
    field_width = 2.0f;
    field_length = 2.0f;
    field_angle = 90.0f;
    weather_input_filename = default_daily_weather_file_name;
    held_station_values = {};
    weather_station_name.clear();
    pointsource_files.clear();
    reset_owned_members();
    modified = true;
}

bool control_record::load_from_row(const recordset& set)
{
    load_bindings(set, bindings());
    modified = false;
    return true;
}

void control_record::save_to_row(recordset& set)
{
    save_bindings(set, bindings());
    modified = false;
}

bool control_record::load(database& db, recordset& set, std::int32_t row_id, std::string& log)
{
    if (!set.seek({field_value(std::int64_t{row_id})})) {
        log += format_printf("Unable to find control record %d\r\n", row_id);
        return false;
    }
    load_from_row(set);
    return load_related(db, log);
}

bool control_record::store(database& db, std::int32_t row_id, std::string& log)
{
    return !modified || write_with_related(db, &row_id, log);
}

bool control_record::insert(database& db, std::string& log) { return write_with_related(db, nullptr, log); }

// The record's own row (the one of `existing_row_id`, or a new one when that is null) and its
// related rows, in one transaction. On failure the record stays modified.
bool control_record::write_with_related(database& db, const std::int32_t* existing_row_id, std::string& log)
{
    transaction work(db);
    recordset set;
    const std::int32_t key = existing_row_id ? *existing_row_id : id;
    bool ok = set.open(db, control_records_table(), filter_by("ID", field_value(std::int64_t{key})), log);
    if (ok && existing_row_id && set.is_empty()) {
        log += format_printf("Unable to find control record %d\r\n", key);
        ok = false;
    }
    if (ok && !existing_row_id && !set.is_empty()) {
        log += format_printf("Record ID %d is already in use.\r\n", key);
        ok = false;
    }
    // An edited ID takes every row the record owns along, or the rows stay behind for whichever
    // record is next given the old ID.
    if (ok && existing_row_id && *existing_row_id != id)
        ok = id_is_free(db, log) && move_owned_rows(db, *existing_row_id, log);
    if (ok) {
        if (existing_row_id)
            set.edit();
        else
            set.add_new();
        save_to_row(set);
        ok = set.update(log);
    }
    ok = ok && save_related(db, log) && work.commit(log);
    if (!ok)
        modified = true;
    else
        mark_related_stored();
    return ok;
}

bool control_record::load_related(database& db, std::string& log)
{
    bool ok = load_parameter_set(db, log);
    ok = load_livestock(db, log) && ok;
    ok = load_point_sources(db, log) && ok;
    ok = load_subareas(db, log) && ok;
    ok = load_weather_station(db, log) && ok;
    return ok;
}

bool control_record::save_related(database& db, std::string& log)
{
    // The first failed step ends the save: the transaction around it is undone anyway.
    return save_livestock(db, log) && save_parameter_set(db, log) && save_subareas(db, log)
           && save_weather_station(db, log);
}

bool control_record::delete_related(database& db, std::string& log)
{
    if (!delete_parameter_set(db, log))
        return false;
    bool shared = false;
    if (!station_used_elsewhere(db, shared, log))
        return false;
    if (shared)
        log += format_printf("Weather station %d is kept: another control record uses it.\r\n", weather_station_id);
    else if (!delete_weather_station(db, log))
        return false;
    return delete_site_rows(db, log);
}

} // namespace ivorn
