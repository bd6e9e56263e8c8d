// The soil's own rules: the pre-run checks and the layer edits of the soil dialog.
#include "site/vorn_soil.h"

#include "core/text_utils.h"

namespace ivorn {
namespace {

struct layer_check {
    const char* message; // %s the soil's name, %d the 1-based layer
    bool (*fails)(const vorn_soil& soil, int layer);
};

bool is_zero(const vorn_soil& soil, int column, int layer)
{
    return soil.layers[static_cast<size_t>(column)][static_cast<size_t>(layer)] == 0.0f;
}

const layer_check layer_checks[] = {
    {"Soil %s layer depth is zero in layer %d.\r\n", [](const vorn_soil& s, int i) { return is_zero(s, layer_depth, i); }},
    {"Soil %s wilting point equals or exceeds field capacity in layer %d.\r\n",
     [](const vorn_soil& s, int i) {
         return s.layers[wilting_point][static_cast<size_t>(i)] >= s.layers[field_capacity][static_cast<size_t>(i)];
     }},
    {"Soil %s carbon is zero in layer %d.\r\n", [](const vorn_soil& s, int i) { return is_zero(s, organic_carbon, i); }},
    {"Soil %s bulk density is zero in layer %d.\r\n", [](const vorn_soil& s, int i) { return is_zero(s, bulk_density, i); }},
    {"Soil %s sand content is zero in layer %d.\r\n", [](const vorn_soil& s, int i) { return is_zero(s, sand_content, i); }},
    {"Soil %s silt content is zero in layer %d.\r\n", [](const vorn_soil& s, int i) { return is_zero(s, silt_content, i); }},
    {"Soil %s ph is zero in layer %d.\r\n", [](const vorn_soil& s, int i) { return is_zero(s, layer_ph, i); }},
};

} // namespace

bool vorn_soil::validate(std::string& log) const
{
    bool ok = true;
    if (layer_count <= 0) {
        log += "No current soil to run\r\n";
        ok = false;
    }
    const int layers_held = layer_count > soil_max_layers ? soil_max_layers : layer_count;
    for (int layer = 0; layer < layers_held; ++layer) {
        for (const layer_check& check : layer_checks) {
            if (!check.fails(*this, layer))
                continue;
            log += format_printf(check.message, name.c_str(), layer + 1);
            ok = false;
        }
    }
    return ok;
}

bool vorn_soil::insert_layer(int position)
{
    if (layer_count < 0 || layer_count >= soil_max_layers || position < 0 || position > layer_count)
        return false;
    for (layer_array& property : layers) {
        for (int i = layer_count; i > position; --i)
            property[static_cast<size_t>(i)] = property[static_cast<size_t>(i - 1)];
        property[static_cast<size_t>(position)] = 0.0f;
    }
    ++layer_count;
    return true;
}

bool vorn_soil::delete_layer(int position)
{
    if (position < 0 || position >= layer_count || layer_count > soil_max_layers)
        return false;
    for (layer_array& property : layers) {
        for (int i = position; i + 1 < layer_count; ++i)
            property[static_cast<size_t>(i)] = property[static_cast<size_t>(i + 1)];
    }
    --layer_count;
    return true;
}

void vorn_soil::copy_from(const vorn_soil& other)
{
    name = other.name;
    soils5_id = other.soils5_id;
    map_unit_symbol = other.map_unit_symbol;
    hydrologic_group = other.hydrologic_group;
    weathering_code = other.weathering_code;
    layer_count = other.layer_count;
    albedo = other.albedo;
    initial_water_content = other.initial_water_content;
    minimum_water_table_depth = other.minimum_water_table_depth;
    maximum_water_table_depth = other.maximum_water_table_depth;
    initial_water_table_depth = other.initial_water_table_depth;
    subsurface_flow_travel_time = other.subsurface_flow_travel_time;
    initial_groundwater_storage = other.initial_groundwater_storage;
    maximum_groundwater_storage = other.maximum_groundwater_storage;
    return_flow_root_zone = other.return_flow_root_zone;
    maximum_layers = other.maximum_layers;
    previous_years_cultivation = other.previous_years_cultivation;
    soil_group_type = other.soil_group_type;
    minimum_thickness_of_maximum_layer = other.minimum_thickness_of_maximum_layer;
    minimum_profile_thickness = other.minimum_profile_thickness;
    minimum_beginning_layer_thickness = other.minimum_beginning_layer_thickness;
    fraction_of_org_c_in_biomass = other.fraction_of_org_c_in_biomass;
    fraction_of_humus_in_passive = other.fraction_of_humus_in_passive;
    layers = other.layers;
}

void vorn_soil::reset_layers()
{
    layer_count = 0;
    hydrologic_group = 0;
    for (layer_array& property : layers)
        property.fill(0.0f);
}

} // namespace ivorn
