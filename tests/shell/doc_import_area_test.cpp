// The document's area-study imports: the soil list built at open, and the current record brought up
// to date after the weather, wind and weather-link imports.
#include "shell/doc_i_vorn.h"

#include <gtest/gtest.h>

#include "support/new_project.h"
#include "support/temp_dir.h"
#include "support/fake_user_interface.h"

namespace ivorn {
namespace {

class DocumentAreaImports : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.file("i_VORN.mdb");
        database db;
        testing::open_new_project(db, path);
        std::string log;
        ASSERT_TRUE(db.execute("INSERT INTO \"Control Records\" (\"ID\", \"State FIPS\", \"County FIPS\", \"MLRA\", "
                               "\"HUC\", \"Weather Station ID\") VALUES (1, 19, 169, '103', 7080105, 1)",
                               log));
        ASSERT_TRUE(db.execute("INSERT INTO \"Parameters\" (\"ID\") VALUES (1)", log));
        for (int slot = 0; slot < 10; ++slot)
            ASSERT_TRUE(db.execute("INSERT INTO \"Livestock\" (\"ID\") VALUES (1)", log));
        ASSERT_TRUE(db.execute("INSERT INTO \"Soils\" (\"Soil Id\", \"Name\") VALUES (4, 'Ida')", log));
        ASSERT_TRUE(db.execute("INSERT INTO \"Soil Layers\" (\"Soil Id\", \"Layer Number\") VALUES (4, 1), (8, 1)", log));
    }

    testing::temp_dir dir;
    std::string path;
    app_settings settings;
    testing::fake_user_interface ui;
    doc_i_vorn doc{settings, ui};
};

TEST_F(DocumentAreaImports, SoilListIsBuiltAtOpenWhenPrebuildSoilIsOn)
{
    ASSERT_TRUE(doc.open_database(path));
    ASSERT_TRUE(doc.soil_list_built());
    ASSERT_EQ(doc.soils()->count(), 1u);
    EXPECT_EQ(doc.soils()->first()->layer_count, 1);
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].text, "Soil layer found but soil missing; Soil Id 8\r\n");
    doc.close_database();

    settings.prebuild_soil = 0;
    ASSERT_TRUE(doc.open_database(path));
    EXPECT_FALSE(doc.soil_list_built());
    EXPECT_EQ(doc.soils(), nullptr);
}

TEST_F(DocumentAreaImports, WeatherImportReloadsTheCurrentStationAndLinksReloadTheRecord)
{
    std::string monthly = "\n\n";
    for (int i = 0; i < 17; ++i)
        monthly += "  12.5\n";
    testing::write_file(dir.file("ames.wp1"), monthly);
    testing::write_file(dir.file("weatne.dat"), "    1 ames.wp1       41.99  -93.62\n");
    ASSERT_TRUE(doc.open_database(path));
    ASSERT_TRUE(doc.import_weather(dir.file("weatne.dat")));
    // The record names station 1, which had no row: the list's station 1 is now its station.
    EXPECT_EQ(doc.current_record()->weather_station.name, "Weather Station 1");
    EXPECT_FLOAT_EQ(doc.current_record()->weather_station.monthly[0][0], 12.5f);
    EXPECT_FALSE(doc.current_record()->station_missing);

    testing::write_file(dir.file("weatne.dat"), "    2 ames.wp1       41.99  -93.62\n");
    ASSERT_TRUE(doc.import_weather(dir.file("weatne.dat")));
    testing::write_file(dir.file("master.wth"), "header\nIowa      19169103 07080105 Weather Station 2\n");
    ASSERT_TRUE(doc.import_weather_links(dir.file("master.wth")));
    EXPECT_EQ(doc.current_record()->weather_station_id, 2);
    EXPECT_EQ(doc.current_record()->weather_station.name, "Weather Station 2");
    EXPECT_FLOAT_EQ(doc.current_record()->weather_station.monthly[0][0], 12.5f);
}

TEST_F(DocumentAreaImports, ViewsAndLogFollowTheReloadedStation)
{
    std::string monthly = "\n\n";
    for (int i = 0; i < 17; ++i)
        monthly += "  12.5\n";
    testing::write_file(dir.file("ames.wp1"), monthly);
    testing::write_file(dir.file("weatne.dat"), "    1 ames.wp1       41.99  -93.62\n");
    {
        database db;
        std::string log;
        ASSERT_TRUE(db.open(path, {}, log)) << log;
        ASSERT_TRUE(db.execute("INSERT INTO \"Weather\" (\"ID\", \"Name\") VALUES (1, 'ames'), (6, 'boone')", log)) << log;
    }
    ASSERT_TRUE(doc.open_database(path));
    ui.error_lists.clear();
    ui.refresh_hints.clear();
    std::vector<float> shown;
    ui.on_refresh = [&] { shown.push_back(doc.current_record()->weather_station.monthly[0][0]); };
    ASSERT_TRUE(doc.import_weather(dir.file("weatne.dat")));
    EXPECT_EQ(shown, std::vector<float>{12.5f});
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].caption, "Record read errors");

    testing::write_file(dir.file("master.wth"), "header\nIowa      19169103 07080105 boone\n");
    ui.error_lists.clear();
    shown.clear();
    std::vector<int> station_ids;
    ui.on_refresh = [&] { station_ids.push_back(doc.current_record()->weather_station_id); };
    ASSERT_TRUE(doc.import_weather_links(dir.file("master.wth")));
    EXPECT_EQ(station_ids, std::vector<int>{6});
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].text, "Records linked: 1, kept: 0; station names not found: 0\r\n");
}

} // namespace
} // namespace ivorn
