// The soil's pre-run checks and the layer edits of the soil dialog.
#include "site/vorn_soil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ivorn {
namespace {

// A soil whose layers all pass every check.
vorn_soil sound_soil(int layers)
{
    vorn_soil soil;
    soil.name = "Loam";
    soil.layer_count = layers;
    for (int i = 0; i < layers; ++i) {
        for (int column : {layer_depth, bulk_density, sand_content, silt_content, layer_ph, organic_carbon})
            soil.layers[column][i] = 1.0f + static_cast<float>(i);
        soil.layers[wilting_point][i] = 0.1f;
        soil.layers[field_capacity][i] = 0.3f;
    }
    return soil;
}

TEST(Soil, ValidateVisitsEveryCheckInOrder)
{
    vorn_soil soil = sound_soil(2);
    soil.name = "100% clay";
    for (auto& property : soil.layers)
        property[1] = 0.0f;
    std::string log;
    EXPECT_FALSE(soil.validate(log));
    EXPECT_EQ(log,
              "Soil 100% clay layer depth is zero in layer 2.\r\n"
              "Soil 100% clay wilting point equals or exceeds field capacity in layer 2.\r\n"
              "Soil 100% clay carbon is zero in layer 2.\r\n"
              "Soil 100% clay bulk density is zero in layer 2.\r\n"
              "Soil 100% clay sand content is zero in layer 2.\r\n"
              "Soil 100% clay silt content is zero in layer 2.\r\n"
              "Soil 100% clay ph is zero in layer 2.\r\n");
}

TEST(Soil, ValidateEqualWaterContentsAndNoLayers)
{
    vorn_soil soil = sound_soil(3);
    soil.layers[wilting_point][1] = 0.30f;
    soil.layers[field_capacity][1] = 0.30f;
    std::string log;
    EXPECT_FALSE(soil.validate(log));
    EXPECT_EQ(log, "Soil Loam wilting point equals or exceeds field capacity in layer 2.\r\n");

    vorn_soil empty;
    log.clear();
    EXPECT_FALSE(empty.validate(log));
    EXPECT_EQ(log, "No current soil to run\r\n");
    log.clear();
    EXPECT_TRUE(sound_soil(10).validate(log));
    EXPECT_EQ(log, "");
}

// Each edit on a soil of `layers` layers with depths 1, 2, 3...: whether it is done, and the depths after.
TEST(Soil, LayerEditsAndTheirLimits)
{
    struct edit_case {
        int layers;
        bool insert;
        int index;
        bool done;
        std::vector<float> depths;
    };
    const edit_case cases[] = {
        {10, true, 10, false, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {10, true, 0, false, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {2, true, 0, true, {0, 1, 2}},
        {2, true, 2, true, {1, 2, 0}},
        {2, true, 3, false, {1, 2}},
        {2, true, -1, false, {1, 2}},
        {3, false, 0, true, {2, 3}},
        {3, false, 2, true, {1, 2}},
        {3, false, 3, false, {1, 2, 3}},
        {3, false, -1, false, {1, 2, 3}},
        {0, false, 0, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.layers) + (c.insert ? " insert " : " delete ") + std::to_string(c.index));
        vorn_soil soil = sound_soil(c.layers);
        const vorn_soil before = soil;
        EXPECT_EQ(c.insert ? soil.insert_layer(c.index) : soil.delete_layer(c.index), c.done);
        ASSERT_EQ(soil.layer_count, static_cast<int>(c.depths.size()));
        for (size_t i = 0; i < c.depths.size(); ++i)
            EXPECT_EQ(soil.layers[layer_depth][i], c.depths[i]) << i;
        if (!c.done) {
            EXPECT_EQ(soil.layers, before.layers);
        }
    }
    // An inserted layer is empty in every property; the others move with their whole column.
    vorn_soil soil = sound_soil(2);
    ASSERT_TRUE(soil.insert_layer(0));
    for (const auto& property : soil.layers)
        EXPECT_EQ(property[0], 0.0f);
    EXPECT_EQ(soil.layers[field_capacity][2], 0.3f);
}

TEST(Soil, CopyFromKeepsTheNumberAndCopiesEveryArray)
{
    vorn_soil source = sound_soil(4);
    source.number = 7;
    source.map_unit_symbol = "MU1";
    source.weathering_code = 3;
    source.fraction_of_humus_in_passive = 0.55f;
    for (int i = 0; i < soil_max_layers; ++i) {
        source.layers[exchangeable_k_concentration][i] = 10.0f + static_cast<float>(i);
        source.layers[electrical_condition][i] = 20.0f + static_cast<float>(i);
        source.layers[fraction_no3_leaching][i] = 30.0f + static_cast<float>(i);
    }
    vorn_soil copy;
    copy.number = 12;
    copy.copy_from(source);
    EXPECT_EQ(copy.number, 12);
    EXPECT_EQ(copy.name, "Loam");
    EXPECT_EQ(copy.map_unit_symbol, "MU1");
    EXPECT_EQ(copy.weathering_code, 3);
    EXPECT_EQ(copy.layer_count, 4);
    EXPECT_EQ(copy.fraction_of_humus_in_passive, 0.55f);
    EXPECT_EQ(copy.layers, source.layers);
}

} // namespace
} // namespace ivorn
