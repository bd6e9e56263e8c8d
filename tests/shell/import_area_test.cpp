// Import Soil, Import Weather File and Import Wind File over a project database.
#include "shell/import_area.h"

#include <gtest/gtest.h>

#include "site/soil_tables.h"
#include "support/new_project.h"
#include "support/temp_dir.h"
#include "site/vorn_soil.h"
#include "site/vorn_weather_station.h"
#include "site/weather_tables.h"
#include "support/fake_user_interface.h"

namespace ivorn {
namespace {

using testing::temp_dir;
using testing::write_file;

std::string soil_file(const std::string& name)
{
    std::string text = name + "\n    0.13    2.00\n    3.00\n";
    for (int i = 0; i < 27; ++i)
        text += "     0.2     0.4\n";
    return text;
}

std::string monthly_file(const std::string& first_value, int lines)
{
    std::string text = "\n\n";
    for (int i = 0; i < lines; ++i)
        text += first_value + "   1.0\n";
    return text;
}

class ImportArea : public ::testing::Test {
protected:
    void SetUp() override { testing::open_new_project(db, dir.file("p.db")); }

    temp_dir dir;
    database db;
    testing::fake_user_interface ui;
};

TEST_F(ImportArea, TwoSoilImportsTakeConsecutiveFreeIds)
{
    std::string log;
    ASSERT_TRUE(db.execute("INSERT INTO \"Soils\" (\"Soil Id\", \"Name\") VALUES (2, 'kept')", log));
    write_file(dir.file("muufsoil.dat"), soil_file("Crete silt loam"));
    ASSERT_TRUE(import_soil_file(db, dir.file("muufsoil.dat"), ui, log));
    EXPECT_EQ(log, "Soils read: 1\r\n");
    ASSERT_TRUE(import_soil_file(db, dir.file("muufsoil.dat"), ui, log));

    vorn_soil_list soils;
    ASSERT_TRUE(soils.load_soil_list(db, "Soils", "Soil Layers", log));
    ASSERT_EQ(soils.count(), 3u);
    EXPECT_EQ(soils.at(0)->name, "Crete silt loam");
    EXPECT_EQ(soils.at(0)->number, 1);
    EXPECT_EQ(soils.at(2)->number, 3);
    EXPECT_EQ(soils.at(2)->layer_count, 3);
    EXPECT_EQ(db.count_rows(soil_layers_table(), log), 6);

    ASSERT_EQ(ui.error_lists.size(), 2u);
    EXPECT_EQ(ui.error_lists[0].caption, "Record read errors");
    EXPECT_EQ(ui.error_lists[0].ok_label, "Click This");
    EXPECT_EQ(ui.wait_cursors, 0);
    EXPECT_EQ(ui.refresh_hints, (std::vector<int>{1, 1}));
}

TEST_F(ImportArea, FailedSoilReadCountsNoSoilAndNamesTheFile)
{
    write_file(dir.file("short.dat"), "Half a soil\n    0.13\n");
    std::string log;
    EXPECT_FALSE(import_soil_file(db, dir.file("short.dat"), ui, log));
    const std::string path = dir.file("short.dat");
    EXPECT_EQ(log, "Soil file " + path + " ends before line 3.\r\n"
                   "No soil was imported from " + path + "\r\n"
                   "Soils read: 0\r\n");
    EXPECT_EQ(db.count_rows(soils_table(), log), 0);
    EXPECT_EQ(ui.error_lists.at(0).text.substr(0, 10), "Soil file ");
}

TEST_F(ImportArea, WeatherThenWindFillOneStationPerListLine)
{
    write_file(dir.file("ames.wp1"), monthly_file("  20.0", 13));
    write_file(dir.file("mead.wp1"), monthly_file("  25.0", 13));
    write_file(dir.file("ames.wnd"), monthly_file("   4.0", 17));
    write_file(dir.file("weatne.dat"),
                "    1 ames.wp1       41.99  -93.62\n"
                "\n"
                "    2 mead.wp1       41.15  -96.48\n");
    write_file(dir.file("windne.dat"), "    1 ames.wnd\n    2 lost.wnd\n");
    std::string log;
    ASSERT_TRUE(db.execute("INSERT INTO \"Weather\" (\"ID\", \"Name\") VALUES (1, 'Run one')", log));

    ASSERT_TRUE(import_weather_file(db, dir.file("weatne.dat"), ui, log)) << log;
    EXPECT_EQ(log, "Weather stations read: 2\r\n");
    log.clear();
    EXPECT_FALSE(import_wind_file(db, dir.file("windne.dat"), ui, log));
    EXPECT_EQ(log, "WARNING, station lost not found in table.  Import weather before wind.\r\n"
                   "Wind stations read: 1\r\n");

    vorn_weather_station ames;
    ASSERT_TRUE(ames.load_station_by_name(db, "ames", log));
    EXPECT_EQ(ames.number, 2) << "station 1 belongs to a run and keeps its number";
    EXPECT_FLOAT_EQ(ames.latitude, 41.99f);
    EXPECT_FLOAT_EQ(ames.longitude, -93.62f);
    EXPECT_FLOAT_EQ(ames.monthly[0][0], 20.0f);
    EXPECT_FLOAT_EQ(ames.monthly[average_velocity][0], 4.0f);
    vorn_weather_station mead;
    ASSERT_TRUE(mead.load_station_by_name(db, "mead", log));
    EXPECT_EQ(mead.number, 3);

    log.clear();
    ASSERT_TRUE(import_weather_file(db, dir.file("weatne.dat"), ui, log));
    EXPECT_EQ(db.count_rows(weather_table(), log), 3) << "a second import updates the same stations";
}

TEST_F(ImportArea, MissingListFilesAreNamed)
{
    std::string log;
    EXPECT_FALSE(import_weather_file(db, dir.file("none.dat"), ui, log));
    EXPECT_EQ(log, "Unable to open weather station list file " + dir.file("none.dat") + "\r\n");
    log.clear();
    EXPECT_FALSE(import_wind_file(db, dir.file("none.dat"), ui, log));
    EXPECT_EQ(log, "Unable to open wind file " + dir.file("none.dat") + "\r\n");
}

TEST_F(ImportArea, ShortWeatherFileIsReportedAndNotStored)
{
    write_file(dir.file("bad.wp1"), monthly_file("  20.0", 12));
    write_file(dir.file("weatne.dat"), "    1 bad.wp1\n");
    std::string log;
    EXPECT_FALSE(import_weather_file(db, dir.file("weatne.dat"), ui, log));
    EXPECT_EQ(log, "Read error in vorn_weather::import_weather\r\nFile " + dir.file("bad.wp1")
                       + ", line 14.\r\nWeather stations read: 0\r\n");
    EXPECT_EQ(db.count_rows(weather_table(), log), 0);
}

} // namespace
} // namespace ivorn
