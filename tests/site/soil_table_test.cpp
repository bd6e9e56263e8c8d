// Soils in "Soils" and "Soil Layers": save, load and the list, with damaged rows.
#include <gtest/gtest.h>

#include "site/soil_tables.h"
#include "support/new_project.h"
#include "support/temp_dir.h"
#include "site/vorn_soil.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

using testing::temp_dir;

class SoilTable : public ::testing::Test {
protected:
    void SetUp() override { testing::open_new_project(db, dir.file("p.db")); }

    vorn_soil soil_with_layers(std::int32_t number, int layers)
    {
        vorn_soil soil;
        soil.number = number;
        soil.name = "Soil \"" + std::to_string(number) + "\"";
        soil.layer_count = layers;
        for (int i = 0; i < layers; ++i) {
            soil.layers[layer_depth][i] = 0.1f * static_cast<float>(i + 1);
            soil.layers[41][i] = 100.0f + static_cast<float>(i);
        }
        return soil;
    }

    std::vector<std::int64_t> layer_numbers(std::int32_t soil_id)
    {
        recordset rows;
        std::string log;
        EXPECT_TRUE(rows.open(db, soil_layers_table(), filter_by("Soil Id", field_value(std::int64_t{soil_id})), log));
        std::vector<std::int64_t> numbers;
        for (; !rows.is_eof(); rows.move_next())
            numbers.push_back(rows.get_integer("Layer Number"));
        return numbers;
    }

    temp_dir dir;
    database db;
};

TEST_F(SoilTable, SaveOverFiveLayerRowsLeavesExactlyTheSoilsLayers)
{
    std::string log;
    ASSERT_TRUE(soil_with_layers(4, 5).save_soil(db, "[Soils]", "[Soil Layers]", log)) << log;
    ASSERT_EQ(layer_numbers(4), (std::vector<std::int64_t>{1, 2, 3, 4, 5}));
    vorn_soil smaller = soil_with_layers(4, 3);
    smaller.layers[layer_depth][2] = 9.5f;
    ASSERT_TRUE(smaller.save_soil(db, "[Soils]", "[Soil Layers]", log)) << log;
    EXPECT_EQ(layer_numbers(4), (std::vector<std::int64_t>{1, 2, 3}));
    EXPECT_EQ(db.count_rows(soils_table(), log), 1);

    vorn_soil loaded;
    ASSERT_TRUE(loaded.load_soil(db, "Soils", "Soil Layers", 4, log));
    EXPECT_EQ(loaded.layer_count, 3);
    EXPECT_EQ(loaded.layers[layer_depth][2], 9.5f);
    EXPECT_EQ(loaded.layers[41][1], 101.0f);
    EXPECT_EQ(loaded.name, "Soil \"4\"");
    EXPECT_EQ(log, "");
}

TEST_F(SoilTable, LoadOfAnAbsentSoilLeavesItEmpty)
{
    vorn_soil soil = soil_with_layers(0, 3);
    std::string log;
    ASSERT_TRUE(soil.load_soil(db, "Soils", "Soil Layers", 77, log));
    EXPECT_EQ(soil.number, 77);
    EXPECT_EQ(soil.layer_count, 0);
    EXPECT_EQ(soil.layers[layer_depth][0], 0.0f);
}

TEST_F(SoilTable, MissingTablesFail)
{
    vorn_soil soil;
    std::string log;
    EXPECT_FALSE(soil.save_soil(db, "Soil", "Soil Layers", log));
    EXPECT_EQ(log, "Unable to open table Soil or Soil Layers\r\n");
    log.clear();
    EXPECT_FALSE(soil.load_soil(db, "Soil", "Soil Layers", 1, log));
    EXPECT_EQ(log, "Unable to open table Soil\r\n");
}

TEST_F(SoilTable, ListSkipsOrphanLayersAndLayerNumbersNoSoilHolds)
{
    std::string log;
    ASSERT_TRUE(soil_with_layers(3, 2).save_soil(db, "Soils", "Soil Layers", log));
    ASSERT_TRUE(soil_with_layers(1, 1).save_soil(db, "Soils", "Soil Layers", log));
    ASSERT_TRUE(db.execute("INSERT INTO \"Soil Layers\" (\"Soil Id\", \"Layer Number\", \"Layer Depth\") VALUES (9, 1, 1.0)", log));
    ASSERT_TRUE(db.execute("INSERT INTO \"Soil Layers\" (\"Soil Id\", \"Layer Number\", \"Layer Depth\") VALUES (3, 11, 1.0)", log));
    ASSERT_TRUE(db.execute("UPDATE \"Soils\" SET \"Number of Layers\" = 99 WHERE \"Soil Id\" = 1", log));

    vorn_soil_list list;
    ASSERT_TRUE(list.load_soil_list(db, "Soils", "Soil Layers", log));
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.at(0)->number, 1) << "table order is key order";
    EXPECT_EQ(list.at(0)->layer_count, 10);
    EXPECT_EQ(list.find_by_number(3)->layer_count, 2);
    EXPECT_FLOAT_EQ(list.find_by_number(3)->layers[layer_depth][1], 0.2f);
    EXPECT_EQ(log,
              "Soil 1 gives 99 layers; a soil holds 0 to 10.\r\n"
              "Soil 3 layer number 11 lies outside 1 to 10; the layer was skipped.\r\n"
              "Soil layer found but soil missing; Soil Id 9\r\n");
}

TEST_F(SoilTable, ListOnAMissingTableSetsTheLog)
{
    vorn_soil_list list;
    std::string log = "earlier text";
    EXPECT_FALSE(list.load_soil_list(db, "Soils", "Layers", log));
    EXPECT_EQ(log, "Unable to open table Soils or Layers\r\n");
}

} // namespace
} // namespace ivorn
