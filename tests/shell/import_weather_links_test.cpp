// Import Weather Links: control records linked to weather stations by county, MLRA and HUC; a
// record no line matches keeps its station, and a name no station carries changes nothing.
#include <gtest/gtest.h>

#include "shell/import_area.h"
#include "site/control_record_table.h"
#include "support/new_project.h"
#include "support/temp_dir.h"
#include "store/recordset.h"
#include "support/fake_user_interface.h"

namespace ivorn {
namespace {

class WeatherLinks : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::open_new_project(db, dir.file("p.db"));
        add_record(1, 31, 109, "106", 10200203, 99);
        add_record(2, 31, 109, "106", 10200203, 99);
        add_record(3, 31, 55, "102A", 10200202, 99);
        add_record(4, 19, 169, "103", 7080105, 99);
        add_station(5, "Lincoln");
        add_station(6, "Omaha \"Eppley\"");
    }

    void add_record(int id, int state, int county, const char* mlra, int huc, int station)
    {
        std::string log;
        ASSERT_TRUE(db.execute("INSERT INTO \"Control Records\" (\"ID\", \"State FIPS\", \"County FIPS\", \"MLRA\", \"HUC\", "
                               "\"Weather Station ID\") VALUES (" + std::to_string(id) + ", " + std::to_string(state) + ", "
                                   + std::to_string(county) + ", '" + mlra + "', " + std::to_string(huc) + ", "
                                   + std::to_string(station) + ")",
                               log))
            << log;
    }

    void add_station(int id, const std::string& name)
    {
        recordset stations;
        std::string log;
        ASSERT_TRUE(stations.open(db, "Weather", {}, log));
        stations.add_new();
        stations.set("ID", field_value(std::int64_t{id}));
        stations.set("Name", field_value(name));
        ASSERT_TRUE(stations.update(log));
    }

    std::vector<std::int64_t> station_ids()
    {
        recordset records;
        std::string log;
        EXPECT_TRUE(records.open(db, control_records_table(), {}, log));
        std::vector<std::int64_t> ids;
        for (; !records.is_eof(); records.move_next())
            ids.push_back(records.get_integer("Weather Station ID"));
        return ids;
    }

    testing::temp_dir dir;
    database db;
    testing::fake_user_interface ui;
};

// Columns: 11-12 State FIPS, 13-15 County FIPS, 16-19 MLRA, 20-27 HUC, 29-46 station name.
const std::string header = "STATE COUNTY MLRA HUC STATION\n";
const std::string lincoln = "Nebraska  31109106 10200203 Lincoln\n";
const std::string omaha = "Nebraska  31 55102A10200202 Omaha \"Eppley\"    \n";

TEST_F(WeatherLinks, MatchedRecordsAreLinkedUnmatchedKeptUnknownNamesChangeNothing)
{
    const std::string ames = "Iowa      19169103 07080105 Ames\n";
    const std::string nowhere = "Kansas    20 17  7711030001 Omaha \"Eppley\"\n";
    testing::write_file(dir.file("master.wth"), header + lincoln + ames + omaha + nowhere);
    std::string log;
    EXPECT_FALSE(import_weather_links(db, dir.file("master.wth"), ui, log)) << "a matched name was not found";
    EXPECT_EQ(station_ids(), (std::vector<std::int64_t>{5, 5, 6, 99}));
    EXPECT_EQ(log, "Weather station Ames not found in table.\r\nFile " + dir.file("master.wth")
                       + ", line 3.\r\nRecords linked: 3, kept: 1; station names not found: 1\r\n");
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].caption, "Record read errors");
    EXPECT_EQ(ui.refresh_hints, std::vector<int>{1});
    EXPECT_EQ(ui.wait_cursors, 0);

    testing::write_file(dir.file("master.wth"), header + nowhere);
    log.clear();
    EXPECT_TRUE(import_weather_links(db, dir.file("master.wth"), ui, log)) << log;
    EXPECT_EQ(log, "Records linked: 0, kept: 4; station names not found: 0\r\n");
    EXPECT_EQ(station_ids(), (std::vector<std::int64_t>{5, 5, 6, 99})) << "a file that matches nothing unlinks nothing";
}

TEST_F(WeatherLinks, AnEightyCharacterLineStopsTheImportAndNothingIsLinked)
{
    const std::string long_line = "Nebraska  31 55102A10200202 Omaha \"Eppley\"" + std::string(38, ' ') + "\n";
    ASSERT_EQ(long_line.size(), 81u);
    testing::write_file(dir.file("master.wth"), header + lincoln + long_line + omaha);
    std::string log;
    EXPECT_FALSE(import_weather_links(db, dir.file("master.wth"), ui, log));
    EXPECT_EQ(station_ids(), (std::vector<std::int64_t>{99, 99, 99, 99}));
    EXPECT_EQ(log, "Weather link line longer than 79 characters; reading ended there.\r\nFile " + dir.file("master.wth")
                       + ", line 3.\r\nNo weather link was imported from " + dir.file("master.wth") + ".\r\n");
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].caption, "Record read errors");
    EXPECT_TRUE(ui.refresh_hints.empty());
}

TEST_F(WeatherLinks, MissingFileAndHostileLines)
{
    std::string log;
    EXPECT_FALSE(import_weather_links(db, dir.file("none.wth"), ui, log));
    EXPECT_EQ(log, "Unable to open weather link file " + dir.file("none.wth") + "\r\n");
    EXPECT_EQ(station_ids(), (std::vector<std::int64_t>{99, 99, 99, 99}));

    testing::write_file(dir.file("bad.wth"), header + "\n" + "xxxxxxxxxxab c\xff\xfe" + "\n" + std::string(5, '\t') + "\n");
    log.clear();
    EXPECT_TRUE(import_weather_links(db, dir.file("bad.wth"), ui, log)) << log;
    EXPECT_EQ(station_ids(), (std::vector<std::int64_t>{99, 99, 99, 99}));
}

} // namespace
} // namespace ivorn
