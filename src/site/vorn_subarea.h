// A subarea of a run: a piece of land with its hydrology, routing reach, reservoir, management,
// soil and schedule of field operations. Held in the control record's subarea list, stored as one
// "Subareas" and one "Management" row, read from the model's subarea file on import and written
// to the subarea file for every run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/list_class.h"
#include "core/model_file_writer.h"
#include "reference/vorn_field_operation.h"
#include "site/vorn_soil.h"
#include "store/database.h"
#include "store/field_binding.h"
#include "store/recordset.h"

namespace ivorn {

class line_reader;
class operation_list_class;

// "Subareas" columns 19 to 49: ten hydrology reals (Drainage Area to Urban Fraction of
// Subarea), ten of the routing reach, ten of the reservoir and its bottom conductivity.
constexpr int subarea_channel_reals = 31;
// "Management" reals from Irrigation Trigger to Adjust Auto Irrigation.
constexpr int management_reals = 20;
constexpr int subarea_herds = 10;

// The column values of a subarea, copyable as a whole.
struct subarea_values {
    // Subareas.
    std::int32_t record_id = 0;
    std::int32_t subarea_number = 0;
    std::int32_t soil_id = 0;
    int op_schedule_number = 0;
    int owner_id = 0;
    int feeding_area = 0;
    int manure_app_area = 0;
    int filter_strip_flag = 0;
    int curve_number_type = 0;
    int daily_weather_station_number = 0;
    int point_source_number = 0;
    int pipe_outflow_subarea_id = 0;
    int luns = 0;
    int auto_mow_min_interval = 0;
    float water_content_of_snow_cover = 0.0f;
    float standing_dead_crop_residue = 0.0f;
    float subarea_x_centroid = 0.0f;
    float subarea_y_centroid = 0.0f;
    std::array<float, subarea_channel_reals> channel{};
    int rs_time_required_to_return_to_normal_sed_conc = 0;
    float rs_bulk_density = 0.0f;
    int land_use_number = 0;
    int autoirrigation_number = 0;
    int hydrologic_condition = 0;
    float fraction_subarea_controlled_by_ponds = 0.0f;
    float fraction_subarea_controlled_by_buffers = 0.0f;
    float buffer_flow_length = 0.0f;
    float orientation_of_slope = 0.0f;
    float field_length = 0.0f;
    float field_width = 0.0f;
    float angle_field = 0.0f;

    // Management. The 16-bit codes hold what a 16-bit column holds.
    std::int32_t management_id = 0;
    int irrigation_rigidity = 0;
    int irrigation = 0;
    int minimum_auto_irrigation_interval = 0;
    int minimum_auto_fertilizer_interval = 0;
    int liming_code = 0;
    int furrow_dike_code = 0;
    int drainage_code = 0;
    int lagoon_fertigation_code = 0;
    int feeding_area_manure_code = 0;
    int auto_p_code = 0;
    int auto_commercial_n_code = 0;
    int auto_solid_manure_code = 0;
    std::array<float, management_reals> management{};
    std::array<int, subarea_herds> herd_id{};
    std::array<float, subarea_herds> grazing_limit{};
};

class vorn_subarea : public list_member, public subarea_values {
public:
    // Subarea-number order; equal numbers keep their order of arrival.
    bool comes_before(const list_member& candidate) const override;

    binding_list subarea_bindings();
    binding_list management_bindings();
    void load_from_rows(const recordset& subareas, const recordset& management);
    void save_to_rows(recordset& subareas, recordset& management);

    // One block of the model's own subarea file. `end` is set, with true, at the short line
    // that closes the file's list. Then the soil and the schedule the lists name for it.
    bool read_subarea(line_reader& in, const std::string& soil_list, const std::string& operations_list, bool& end,
                      std::string& log);
    // One block of the subarea file in the layout of the model version. The schedule number
    // becomes the subarea number: the run writes each schedule under its subarea's number.
    void write_subarea(model_file_writer& out, int model_version);

    // The soil that the soil list names for [Soil Id], read into the embedded soil. False also when
    // that soil file cannot be read whole.
    bool find_soil_file(const std::string& soil_list, std::string& log);
    // The schedule that the operation schedule list names for [Op Schedule Number].
    bool find_schedule_file(const std::string& operations_list, std::string& log);
    bool write_operation_schedule(const std::string& path, const operation_list_class* tillage, int model_version,
                                  line_end_style line_ends, std::string& log) const;
    bool load_field_operations(database& db, std::string& log);
    bool save_field_operations(database& db, std::string& log) const;

    // Every member of `other`: values, operations, soil and flags.
    void copy_from(const vorn_subarea& other);

    field_operation_list operations;
    vorn_soil soil;
    // Set when the soil was read or replaced; the soil is stored only then.
    bool soil_changed = false;
    // Set by an import or a confirmed edit; only such subareas are stored.
    bool modified = false;

protected:
    bool is_ordered() const override { return true; }

private:
    schedule_owner owner() const { return {record_id, subarea_number}; }
};

class subarea_list : public typed_list<vorn_subarea> {
public:
    // The first subarea of that number, or null.
    vorn_subarea* find_by_subarea(std::int32_t subarea_number) const;
    // The subarea file that the subarea list names for `subarea_set`: its blocks become subareas
    // 1, 2, 3 ... of the record `record_id`, replacing the list.
    bool import_subareas(std::int32_t record_id, int subarea_set, const std::string& subarea_list_path,
                         const std::string& soil_list, const std::string& operations_list, std::string& log);
    // The record's rows, a "Subareas" row paired with the "Management" row of its [Subarea Id].
    bool load_subareas(database& db, std::int32_t record_id, std::string& log);
    // Modified subareas only, each with its operations and, when changed, its soil. The flags stay
    // set until `mark_stored`: the store they belong to may still be rolled back.
    bool save_subareas(database& db, std::int32_t record_id, std::string& log);
    // Once the store is committed: nothing is modified any more.
    void mark_stored();
};

} // namespace ivorn
