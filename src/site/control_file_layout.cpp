// The control file's field tables, one per line and layout.
#include "site/control_file_layout.h"

#include <cstdlib>

namespace ivorn {
namespace {

control_field i(const char* format, int& member) { return {format, &member, nullptr}; }
control_field f(const char* format, float& member) { return {format, nullptr, &member}; }

control_line line_1(control_record& r)
{
    return {i("%4d", r.simulation_length), i("%4d", r.beginning_year), i("%4d", r.beginning_month),
            i("%4d", r.beginning_day), i("%3d", r.printout_interval),
            // One column: a code of 10 or more widens the line and shifts what follows.
            i("%1d", r.print_code), i("%4d", r.weather_input_code), i("%4d", r.weather_random_cycles),
            i("%4d", r.weather_generator_stop_day), i("%4d", r.leap_year_considered), i("%4d", r.potential_et),
            i("%4d", r.stochastic_curve_number), i("%4d", r.peak_rate_estimate), i("%4d", r.soil_profile),
            i("%4d", r.automatic_heat_unit_scheduling), i("%4d", r.non_varying_curve_number),
            i("%4d", r.runoff_estimation_methodology), i("%4d", r.pesticide_mass_and_concentration),
            i("%4d", r.enrichment_ratio_method), i("%4d", r.soluble_p_runoff_approach), i("%4d", r.np_uptake_code)};
}

control_line line_2(control_record& r, control_layout layout)
{
    control_line line = {i("%4d", r.manure_application_code), i("%4d", r.lagoon_pump_trigger),
                         i("%4d", r.manure_scrapping_interval), i("%4d", r.steepness_factor_code),
                         i("%4d", r.air_quality_analysis), i("%4d", r.flood_routing), i("%4d", r.atmospheric_co2_code),
                         i("%4d", r.field_capacity_method)};
    if (layout == control_layout::v2110) {
        line.insert(line.end(), {i("%4d", r.denitrification_method), i("%4d", r.auto_p), i("%4d", r.subarea_print_code)});
        return line;
    }
    line.insert(line.end(), {i("%4d", r.times_seeds_initialized), i("%4d", r.select_directory),
                             i("%4d", r.auto_mow_interval), i("%4d", r.mosk_kemanian_function),
                             i("%4d", r.denitrification_method)});
    if (layout == control_layout::v604) {
        line.push_back(i("%4d", r.subarea_print_code));
        return line;
    }
    line.insert(line.end(), {i("%4d", r.use_lat_for_subareas), i("%4d", r.auto_p), i("%4d", r.grazing_mode),
                             i("%4d", r.duration_of_rain), i("%4d", r.real_time_day_of_year)});
    if (layout == control_layout::v806)
        line.push_back(i("%4d", r.subarea_print_code));
    else
        line.insert(line.end(), {i("%4d", r.hperc), i("%4d", r.hay_feeding)});
    return line;
}

control_line line_3(control_record& r, station_control_values& s)
{
    return {f("%8.3f", r.rainfall_nitrogen_concentration), f("%8.3f", r.co2_concentration),
            f("%8.3f", r.irrigation_no3_concentration), f("%8.3f", r.pest_damage_factor),
            f("%8.1f", s.years_max_month_records), f("%8.3f", s.wet_dry_probability_coefficient),
            f("%8.3f", s.rain_distribution), f("%8.3f", s.two_year_24_hour_rainfall),
            f("%8.3f", r.exponent_in_flow_rate_eq), f("%8.3f", r.ave_upland_slope)};
}

control_line line_4(control_record& r)
{
    return {f("%8.3f", r.channel_bottom_width), f("%8.3f", r.floodplain_width),
            f("%8.3f", r.floodplain_saturated_conductivity), f("%8.3f", r.maximum_groundwater_storage),
            f("%8.3f", r.return_flow_days), f("%8.3f", r.return_flow_ratio),
            f("%8.3f", r.saturated_conductivity_adjustment), f("%8.3f", r.field_length), f("%8.3f", r.field_width),
            f("%8.3f", r.field_angle)};
}

control_line line_5(control_record& r)
{
    return {f("%8.2f", r.power_parameter), f("%8.3f", r.soil_particle_diameter),
            f("%8.2f", r.wind_erosion_control_factor), f("%8.3f", r.grazing_limit),
            f("%8.3f", r.years_cultivation_at_start), f("%8.3f", r.rainfall_change_e_to_w),
            f("%8.3f", r.rainfall_change_s_to_n), f("%8.0f", r.flood_routing_time), f("%8.3f", r.routing_threshold),
            f("%8.3f", r.routing_when_reach_storage)};
}

control_line line_6(control_record& r, control_layout layout)
{
    if (layout == control_layout::v2110)
        return {f("%8.1f", r.erosion_equation), f("%8.1f", r.irrigation_salt_concentration),
                f("%8.3f", r.musi_parameter[0]), f("%8.4f", r.musi_parameter[1]), f("%8.4f", r.musi_parameter[2]),
                f("%8.4f", r.musi_parameter[3])};
    if (layout == control_layout::v1307)
        return {f("%8.1f", r.erosion_equation), f("%8.4f", r.fraction_controlled_by_ponds),
                f("%8.3f", r.reach_channel_usle_c_factor), f("%8.3f", r.irrigation_salt_concentration),
                f("%8.4f", r.vertical_crack), f("%8.4f", r.horizontal_crack), f("%8.4f", r.p2_bulk_density[0]),
                f("%8.4f", r.p2_bulk_density[1]), f("%8.4f", r.p2_bulk_density[2])};
    return {f("%8.1f", r.erosion_equation), f("%8.4f", r.fraction_controlled_by_ponds),
            f("%8.3f", r.reach_channel_usle_c_factor), f("%8.3f", r.musi_parameter[0]),
            f("%8.4f", r.musi_parameter[1]), f("%8.4f", r.musi_parameter[2]), f("%8.4f", r.musi_parameter[3])};
}

} // namespace

control_layout control_layout_for(int model_version)
{
    switch (model_version) {
    case 604:
        return control_layout::v604;
    case 806:
        return control_layout::v806;
    case 1307:
        return control_layout::v1307;
    default:
        return control_layout::v2110;
    }
}

std::vector<control_line> control_lines(control_record& record, station_control_values& station, control_layout layout)
{
    return {line_1(record), line_2(record, layout), line_3(record, station), line_4(record), line_5(record),
            line_6(record, layout)};
}

int field_width(const char* format)
{
    return static_cast<int>(std::strtol(format + 1, nullptr, 10));
}

} // namespace ivorn
