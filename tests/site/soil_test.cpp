// The soil's pre-run checks and the layer edits of the soil dialog.
#include "site/vorn_soil.h"

#include <gtest/gtest.h>

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

TEST(Soil, DefaultsOfANewSoil)
{
    const vorn_soil soil;
    EXPECT_EQ(soil.number, 0);
    EXPECT_EQ(soil.layer_count, 0);
    EXPECT_FLOAT_EQ(soil.albedo, 0.1f);
    EXPECT_FLOAT_EQ(soil.initial_groundwater_storage, 5.0f);
    EXPECT_FLOAT_EQ(soil.maximum_groundwater_storage, 100.0f);
    EXPECT_FLOAT_EQ(soil.previous_years_cultivation, 100.0f);
    EXPECT_FLOAT_EQ(soil.layers[organic_carbon][9], 0.0f);
}

TEST(Soil, ValidateWiltingPointAtFieldCapacityFailsOnlyThatLayer)
{
    vorn_soil soil = sound_soil(3);
    soil.layers[wilting_point][1] = 0.30f;
    soil.layers[field_capacity][1] = 0.30f;
    std::string log;
    EXPECT_FALSE(soil.validate(log));
    EXPECT_EQ(log, "Soil Loam wilting point equals or exceeds field capacity in layer 2.\r\n");
}

TEST(Soil, ValidateWithoutLayersSaysNoCurrentSoil)
{
    vorn_soil soil;
    std::string log;
    EXPECT_FALSE(soil.validate(log));
    EXPECT_EQ(log, "No current soil to run\r\n");
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

TEST(Soil, ValidatePassesASoundSoil)
{
    std::string log;
    EXPECT_TRUE(sound_soil(10).validate(log));
    EXPECT_EQ(log, "");
}

TEST(Soil, InsertLayerRefusedAtTheMaximum)
{
    vorn_soil soil = sound_soil(10);
    const auto before = soil.layers;
    EXPECT_FALSE(soil.insert_layer(10));
    EXPECT_FALSE(soil.insert_layer(0));
    EXPECT_EQ(soil.layer_count, 10);
    EXPECT_EQ(soil.layers, before);
}

TEST(Soil, InsertLayerAtTheTopMovesEveryLayerUp)
{
    vorn_soil soil = sound_soil(2);
    ASSERT_TRUE(soil.insert_layer(0));
    EXPECT_EQ(soil.layer_count, 3);
    for (const auto& property : soil.layers)
        EXPECT_EQ(property[0], 0.0f);
    EXPECT_EQ(soil.layers[layer_depth][1], 1.0f);
    EXPECT_EQ(soil.layers[layer_depth][2], 2.0f);
    EXPECT_EQ(soil.layers[field_capacity][2], 0.3f);
}

TEST(Soil, InsertLayerBelowTheLastAndBeyondIt)
{
    vorn_soil soil = sound_soil(2);
    EXPECT_FALSE(soil.insert_layer(3));
    EXPECT_FALSE(soil.insert_layer(-1));
    ASSERT_TRUE(soil.insert_layer(2));
    EXPECT_EQ(soil.layer_count, 3);
    EXPECT_EQ(soil.layers[layer_depth][1], 2.0f);
    EXPECT_EQ(soil.layers[layer_depth][2], 0.0f);
}

TEST(Soil, DeleteLayerAtTheEdges)
{
    vorn_soil soil = sound_soil(3);
    EXPECT_FALSE(soil.delete_layer(3));
    EXPECT_FALSE(soil.delete_layer(-1));
    ASSERT_TRUE(soil.delete_layer(0));
    EXPECT_EQ(soil.layer_count, 2);
    EXPECT_EQ(soil.layers[layer_depth][0], 2.0f);
    EXPECT_EQ(soil.layers[layer_depth][1], 3.0f);
    ASSERT_TRUE(soil.delete_layer(1));
    EXPECT_EQ(soil.layer_count, 1);
    EXPECT_EQ(soil.layers[layer_depth][0], 2.0f);

    vorn_soil empty;
    EXPECT_FALSE(empty.delete_layer(0));
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
