// Import Soil, Import Weather File and Import Wind File over a project database: stations keep
// their list numbers, and a list that stops at a line stores nothing.
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

TEST_F(ImportArea, StationsKeepTheirListNumbersAndWindMeetsItsWeatherStation)
{
    write_file(dir.file("ames.wp1"), monthly_file("  20.0", 13));
    write_file(dir.file("mead.wp1"), monthly_file("  25.0", 13));
    write_file(dir.file("ames.wnd"), monthly_file("   4.0", 17));
    write_file(dir.file("mead.wnd"), monthly_file("   6.0", 17));
    write_file(dir.file("weatne.dat"),
                "    4 ames.wp1       41.99  -93.62\n"
                "\n"
                "    7 mead.wp1       41.15  -96.48\n");
    write_file(dir.file("windne.dat"), "    4 ames.wnd\n    7 mead.wnd\n");
    std::string log;
    ASSERT_TRUE(db.execute("INSERT INTO \"Weather\" (\"ID\", \"Name\") VALUES (7, 'Mead farm')", log));

    ASSERT_TRUE(import_weather_file(db, dir.file("weatne.dat"), ui, log)) << log;
    EXPECT_EQ(log, "Weather station 7 (Mead farm) was already stored; it is updated.\r\nWeather stations read: 2\r\n");
    log.clear();
    ASSERT_TRUE(import_wind_file(db, dir.file("windne.dat"), ui, log)) << log;
    EXPECT_EQ(log, "Wind stations read: 2\r\n");

    vorn_weather_station ames;
    ASSERT_TRUE(ames.load_station(db, 4, log));
    EXPECT_EQ(ames.name, "Weather Station 4");
    EXPECT_FLOAT_EQ(ames.latitude, 41.99f);
    EXPECT_FLOAT_EQ(ames.longitude, -93.62f);
    EXPECT_FLOAT_EQ(ames.monthly[0][0], 20.0f);
    EXPECT_FLOAT_EQ(ames.monthly[average_velocity][0], 4.0f);
    vorn_weather_station mead;
    ASSERT_TRUE(mead.load_station(db, 7, log));
    EXPECT_EQ(mead.name, "Mead farm");
    EXPECT_FLOAT_EQ(mead.monthly[0][0], 25.0f);
    EXPECT_FLOAT_EQ(mead.monthly[average_velocity][0], 6.0f);
    EXPECT_EQ(db.count_rows(weather_table(), log), 2);

    // A file name that runs into the position columns leaves the station where it was.
    write_file(dir.file("weatne.dat"), "    4 ./././ames.wp1   North  West\n");
    log.clear();
    ASSERT_TRUE(import_weather_file(db, dir.file("weatne.dat"), ui, log)) << log;
    EXPECT_NE(log.find("Weather station 4 keeps its latitude and longitude: columns 20-34 of its line hold no "
                       "numbers.\r\n"),
              std::string::npos)
        << log;
    ASSERT_TRUE(ames.load_station(db, 4, log));
    EXPECT_FLOAT_EQ(ames.latitude, 41.99f);
}

TEST_F(ImportArea, AStationListThatStopsAtALineStoresNothing)
{
    write_file(dir.file("ames.wp1"), monthly_file("  20.0", 13));
    write_file(dir.file("ames.wnd"), monthly_file("   4.0", 17));
    write_file(dir.file("bad.wp1"), monthly_file("  20.0", 12));
    struct list_case {
        const char* name;
        bool weather;
        std::string list;
        std::string message;
    };
    const list_case cases[] = {
        {"short weather file", true, "    4 ames.wp1\n    5 bad.wp1\n",
         "Read error in vorn_weather::import_weather\r\nFile " + dir.file("bad.wp1") + " ends before line 15.\r\n"
             + "File " + dir.file("list.dat") + ", line 2.\r\n"},
        {"no file name", true, "    4 ames.wp1\n    5\n",
         "The line gives no station number and file name.\r\nFile " + dir.file("list.dat") + ", line 2.\r\n"},
        {"station 0", true, "    4 ames.wp1\n    0 ames.wp1\n",
         "Weather station number 0 is not valid: station numbers start at 1.\r\nFile " + dir.file("list.dat")
             + ", line 2.\r\n"},
        {"wind without weather", false, "    4 ames.wnd\n",
         "WARNING, station 4 not found in table.  Import weather before wind.\r\nFile " + dir.file("list.dat")
             + ", line 1.\r\n"},
    };
    for (const list_case& c : cases) {
        write_file(dir.file("list.dat"), c.list);
        std::string log;
        EXPECT_FALSE(c.weather ? import_weather_file(db, dir.file("list.dat"), ui, log)
                               : import_wind_file(db, dir.file("list.dat"), ui, log))
            << c.name;
        EXPECT_EQ(log, c.message + "Nothing was imported from " + dir.file("list.dat") + ".\r\n") << c.name;
        EXPECT_EQ(db.count_rows(weather_table(), log), 0) << c.name;
        EXPECT_EQ(db.count_rows(weather_by_month_table(), log), 0) << c.name;
    }
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

} // namespace
} // namespace ivorn
