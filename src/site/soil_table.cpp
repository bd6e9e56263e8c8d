// Soils in the project database: one "Soils" row per soil and one "Soil Layers" row per layer,
// both bound to the soil's members by column name.
#include <unordered_map>

#include "core/text_utils.h"
#include "site/soil_tables.h"
#include "site/vorn_soil.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

constexpr size_t soil_name_width = 60;
constexpr size_t soil_code_width = 25;
// "Soil Layers" columns before the 42 properties: [Soil Id] and [Layer Number].
constexpr int layer_first_property = 2;

record_filter soil_filter(std::int32_t number)
{
    return filter_by("Soil Id", field_value(std::int64_t{number}));
}

std::string tables_message(std::string_view soils_table, std::string_view layers_table)
{
    return "Unable to open table " + std::string(soils_table) + " or " + std::string(layers_table) + "\r\n";
}

// A soil as its row holds it, with the texts and the count kept within what a soil holds.
void load_soil_row(vorn_soil& soil, const recordset& row, std::string& log)
{
    load_bindings(row, soil.soil_bindings());
    soil.name = cut_to_width(soil.name, soil_name_width);
    soil.soils5_id = cut_to_width(soil.soils5_id, soil_code_width);
    soil.map_unit_symbol = cut_to_width(soil.map_unit_symbol, soil_code_width);
    if (soil.layer_count < 0 || soil.layer_count > soil_max_layers) {
        log += format_printf("Soil %d gives %d layers; a soil holds 0 to %d.\r\n", soil.number, soil.layer_count,
                             soil_max_layers);
        soil.layer_count = soil.layer_count < 0 ? 0 : soil_max_layers;
    }
}

bool save_layers(vorn_soil& soil, database& db, std::string_view layers_table, std::string& log)
{
    recordset layers;
    std::string ignored;
    if (!layers.open(db, layers_table, soil_filter(soil.number), ignored))
        return true;
    // The rows are replaced rather than renumbered in place: renumbering rows of a damaged table
    // (layer numbers 0 or repeated) could collide with the key of a row not yet visited.
    while (!layers.is_eof()) {
        if (!layers.delete_current(log))
            return false;
        layers.move_next();
    }
    for (int layer = 0; layer < soil.layer_count && layer < soil_max_layers; ++layer) {
        layers.add_new();
        save_bindings(layers, soil.layer_bindings(layer));
        layers.set("Layer Number", field_value(std::int64_t{layer + 1}));
        if (!layers.update(log))
            return false;
    }
    return true;
}

} // namespace

binding_list vorn_soil::soil_bindings()
{
    return {
        {"Soil Id", &number},
        {"Name", &name},
        {"Soils 5 ID", &soils5_id},
        {"Map Unit Symbol", &map_unit_symbol},
        {"Hydrologic Group", &hydrologic_group},
        {"Number of Layers", &layer_count},
        {"Weathering Code", &weathering_code},
        {"Albedo", &albedo},
        {"Initial Water Content", &initial_water_content},
        {"Minimum Water Table Depth", &minimum_water_table_depth},
        {"Maximum Water Table Depth", &maximum_water_table_depth},
        {"Initial Water Table Depth", &initial_water_table_depth},
        {"Subsurface Flow Travel Time", &subsurface_flow_travel_time},
        {"Initial Groundwater Storage", &initial_groundwater_storage},
        {"Maximum Groundwater Storage", &maximum_groundwater_storage},
        {"Return Flow Root Zone", &return_flow_root_zone},
        {"Maximum Layers", &maximum_layers},
        {"Previous Years Cultivation", &previous_years_cultivation},
        {"Soil Group Type", &soil_group_type},
        {"Minimum Thickness of Maximum Layer", &minimum_thickness_of_maximum_layer},
        {"Minimum Profile Thickness", &minimum_profile_thickness},
        {"Minimum Beginning Layer Thickness", &minimum_beginning_layer_thickness},
        {"Fraction of Org C in Biomass", &fraction_of_org_c_in_biomass},
        {"Fraction of Humus in Passive", &fraction_of_humus_in_passive},
    };
}

binding_list vorn_soil::layer_bindings(int layer_index)
{
    const auto& columns = soil_layers_table().columns;
    binding_list bindings;
    bindings.reserve(soil_layer_columns);
    for (int property = 0; property < soil_layer_columns; ++property) {
        bindings.push_back({columns[static_cast<size_t>(layer_first_property + property)].name,
                            &layers[static_cast<size_t>(property)][static_cast<size_t>(layer_index)]});
    }
    return bindings;
}

bool vorn_soil::store_layer_row(const recordset& row, std::string& log)
{
    const std::int64_t layer_number = row.get_integer("Layer Number");
    if (layer_number < 1 || layer_number > soil_max_layers) {
        log += format_printf("Soil %d layer number %lld lies outside 1 to %d; the layer was skipped.\r\n", number,
                             static_cast<long long>(layer_number), soil_max_layers);
        return false;
    }
    load_bindings(row, layer_bindings(static_cast<int>(layer_number - 1)));
    if (layer_count < layer_number)
        layer_count = static_cast<int>(layer_number);
    return true;
}

bool vorn_soil::load_soil(database& db, std::string_view soils_table, std::string_view layers_table,
                          std::int32_t soil_number, std::string& log)
{
    reset_layers();
    number = soil_number;
    recordset soils;
    if (!soils.open(db, soils_table, soil_filter(soil_number), log, recordset::mode::read_only))
        return false;
    if (!soils.is_eof())
        load_soil_row(*this, soils, log);
    recordset layers;
    if (!layers.open(db, layers_table, soil_filter(soil_number), log, recordset::mode::read_only))
        return true;
    for (; !layers.is_eof(); layers.move_next())
        store_layer_row(layers, log);
    return true;
}

bool vorn_soil::save_soil(database& db, std::string_view soils_table, std::string_view layers_table,
                          std::string& log)
{
    recordset soils;
    std::string ignored;
    if (!soils.open(db, soils_table, soil_filter(number), ignored)) {
        log += tables_message(soils_table, layers_table);
        return false;
    }
    if (soils.is_eof())
        soils.add_new();
    else
        soils.edit();
    save_bindings(soils, soil_bindings());
    if (!soils.update(log))
        return false;
    return save_layers(*this, db, layers_table, log);
}

bool vorn_soil_list::load_soil_list(database& db, std::string_view soils_table, std::string_view layers_table,
                                    std::string& log)
{
    recordset soils;
    recordset layers;
    std::string ignored;
    if (!soils.open(db, soils_table, {}, ignored, recordset::mode::read_only)
        || !layers.open(db, layers_table, {}, ignored, recordset::mode::read_only)) {
        log = tables_message(soils_table, layers_table);
        return false;
    }
    // The first soil of a number is the one a layer belongs to, as a search from the head finds.
    std::unordered_map<std::int32_t, vorn_soil*> by_number;
    for (; !soils.is_eof(); soils.move_next()) {
        auto soil = std::make_unique<vorn_soil>();
        soil->reset_layers();
        load_soil_row(*soil, soils, log);
        by_number.emplace(soil->number, soil.get());
        add(std::move(soil));
    }
    for (; !layers.is_eof(); layers.move_next()) {
        const auto soil_id = static_cast<std::int32_t>(layers.get_integer("Soil Id"));
        const auto found = by_number.find(soil_id);
        if (found == by_number.end()) {
            log += format_printf("Soil layer found but soil missing; Soil Id %d\r\n", soil_id);
            continue;
        }
        found->second->store_layer_row(layers, log);
    }
    return true;
}

} // namespace ivorn
