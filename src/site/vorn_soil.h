// A soil: a named profile of up to ten layers, each described by 42 properties. Held in the
// reference soil list and embedded in every subarea; stored in "Soils" and "Soil Layers", read
// from and written to the model's soil files, and checked before a run.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/list_class.h"
#include "core/model_file_writer.h"
#include "store/field_binding.h"

namespace ivorn {

class database;

constexpr int soil_max_layers = 10;
constexpr int soil_layer_columns = 42;
// Only the first 27 layer properties come from a soil file; the carbon and nitrogen pools after
// them are written but never read back.
constexpr int soil_layer_columns_read = 27;

// Positions of the layer properties that the soil's own rules use, in "Soil Layers" order.
enum soil_layer_column : int {
    layer_depth = 0,
    bulk_density = 1,
    wilting_point = 2,
    field_capacity = 3,
    sand_content = 4,
    silt_content = 5,
    layer_ph = 7,
    organic_carbon = 9,
    exchangeable_k_concentration = 21,
    electrical_condition = 22,
    fraction_no3_leaching = 23,
};

class vorn_soil : public vorn_module {
public:
    using layer_array = std::array<float, soil_max_layers>;

    std::int32_t number = 0;
    std::string name;
    std::string soils5_id;
    std::string map_unit_symbol;
    int hydrologic_group = 0;
    int weathering_code = 0;
    int layer_count = 0;

    float albedo = 0.1f;
    float initial_water_content = 0.0f;
    float minimum_water_table_depth = 0.0f;
    float maximum_water_table_depth = 0.0f;
    float initial_water_table_depth = 0.0f;
    float subsurface_flow_travel_time = 0.0f;
    float initial_groundwater_storage = 5.0f;
    float maximum_groundwater_storage = 100.0f;
    float return_flow_root_zone = 0.0f;
    float maximum_layers = 0.0f;
    float previous_years_cultivation = 100.0f;
    float soil_group_type = 0.0f;
    float minimum_thickness_of_maximum_layer = 0.0f;
    float minimum_profile_thickness = 0.0f;
    float minimum_beginning_layer_thickness = 0.0f;
    float fraction_of_org_c_in_biomass = 0.0f;
    float fraction_of_humus_in_passive = 0.0f;

    // layers[column][i] holds layer i+1 of that property; columns in "Soil Layers" order.
    std::array<layer_array, soil_layer_columns> layers{};

    // True when the soil can be run; every layer and every check is visited and each failure
    // appended to the log.
    virtual bool validate(std::string& log) const;

    // Position is 0-based. Both change nothing and return false when the position or the layer
    // count does not allow the move.
    bool insert_layer(int position);
    bool delete_layer(int position);
    // Every member but the number.
    void copy_from(const vorn_soil& other);

    // True only when lines 1 to 30 were all read; values read before a missing line stay.
    bool read_soil_file(const std::string& path, std::string& log);
    // With `read_soil` on the soil is not written: the previous run's final soil table
    // `existing_soil_file` is renamed to `path` instead. False when neither happened.
    bool write_soil_file(const std::string& path, const std::string& existing_soil_file, bool read_soil,
                         line_end_style line_ends, std::string& log) const;

    // Table names as the caller passes them ("Soils", "Soil Layers"; brackets allowed).
    bool load_soil(database& db, std::string_view soils_table, std::string_view layers_table, std::int32_t soil_number,
                   std::string& log);
    bool save_soil(database& db, std::string_view soils_table, std::string_view layers_table, std::string& log);

    // The soil-wide members bound to the "Soils" columns by name.
    binding_list soil_bindings();
    // Layer i (0-based) of every property bound to its "Soil Layers" column.
    binding_list layer_bindings(int layer_index);

    // Zero in all 42 properties, count 0, hydrologic group 0: the state a load starts from.
    void reset_layers();
    // Stores one "Soil Layers" row's values at its layer number; false (with a message) when the
    // number lies outside 1 to 10, which no soil can hold.
    bool store_layer_row(const recordset& row, std::string& log);
};

class vorn_soil_list : public typed_list<vorn_soil> {
public:
    // Every soil with its layers, in table order. On a table that cannot be opened the log is
    // set (not appended) to the message, for the caller to show.
    bool load_soil_list(database& db, std::string_view soils_table, std::string_view layers_table, std::string& log);
};

// The subarea import's soil lookup: the line of `soil_list_path` whose columns 1-5 hold
// `soil_number` names (columns 6-18, first word) the soil file read into `soil`. True once the
// line is found, even when that soil file cannot be read (`soil_file_read`, when given, tells).
// Relative names are taken in the list file's directory.
bool find_soil_file(const std::string& soil_list_path, std::int32_t soil_number, vorn_soil& soil, std::string& log,
                    bool* soil_file_read = nullptr);

} // namespace ivorn
