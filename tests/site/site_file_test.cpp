// The site file in its three layouts, its import, and the control file's companions that carry the
// run's weather station.
#include "site/site_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "shell/app_settings.h"
#include "site/control_file.h"
#include "site/control_record.h"
#include "support/new_project.h"
#include "support/temp_dir.h"
#include "site/weather_tables.h"

namespace ivorn {
namespace {

using testing::read_file;
using testing::temp_dir;
using testing::write_file;

class SiteFile : public ::testing::Test {
protected:
    SiteFile() : record(settings)
    {
        record.peak_runoff = 1.5f;
        record.weather_station.latitude = 40.5f;
        record.weather_station.longitude = -96.3f;
        record.weather_station.elevation = 350.0f;
        record.basin_channel_length = 2.5f;
        record.basin_channel_slope = 0.015f;
        record.atmospheric_co2 = 350.0f;
        record.irrigation_water_no3 = 1.5f;
        record.n_in_rainfall = 0.8f;
        record.fraction_field_capacity = 0.25f;
        record.manure_rate_for_p_uptake = 12.5f;
        record.manure_rate_for_n_uptake = 25.75f;
        record.adjust_auto_irrigation = 0.5f;
        record.weather[0] = 3;
        record.weather[1] = 7;
        record.fraction_of_area_by_weather[0] = 60.0f;
        record.fraction_of_area_by_weather[1] = 40.0f;
        record.weather_input_code = 0;
    }

    std::string written(site_layout layout)
    {
        std::string log;
        EXPECT_TRUE(write_site_file(record, record.weather_station, layout, dir.file("site.dat"), line_end_style::lf, log));
        EXPECT_EQ(log, "");
        return read_file(dir.file("site.dat"));
    }

    app_settings settings;
    control_record record;
    temp_dir dir;
};

const char* const weather_lines =
    "   3   7   0   0   0   0   0   0   0\n"
    "    60.0    40.0     0.0     0.0     0.0     0.0     0.0     0.0     0.0\n";

TEST_F(SiteFile, Layout2110WithoutHerdsOrDailyWeather)
{
    EXPECT_EQ(written(site_layout::v2110),
              std::string("\n\n\n"
                          "   1.500    40.5   -96.3   350.0     2.5   0.015   350.0     1.5     0.8   0.250\n"
                          "  12.500  25.750\n"
                          "   0\n")
                  + weather_lines + "\n\n\n");
}

TEST_F(SiteFile, Layout2110WithHerdsDailyWeatherAndPointSources)
{
    record.herds.owner_number = 4;
    record.herds.slots[0] = {1, 120, 0.5f, 2.25f, 0.125f, 3, 1.5f};
    record.herds.slots[9].number_of_animals = 7;
    record.weather_input_code = 1;
    record.weather_input_filename = "/data/wedmor.wth";
    record.pointsource_files = {"ps1.dat", "ps2.dat"};
    EXPECT_EQ(written(site_layout::v2110),
              std::string("\n\n\n"
                          "   1.500    40.5   -96.3   350.0     2.5   0.015   350.0     1.5     0.8   0.250\n"
                          "  12.500  25.750\n"
                          "   4\n"
                          "     120       0       0       0       0       0       0       0       0       7\n"
                          "   0.500   0.000   0.000   0.000   0.000   0.000   0.000   0.000   0.000   0.000\n"
                          "   2.250   0.000   0.000   0.000   0.000   0.000   0.000   0.000   0.000   0.000\n"
                          "   0.125   0.000   0.000   0.000   0.000   0.000   0.000   0.000   0.000   0.000\n"
                          "       3       0       0       0       0       0       0       0       0       0\n"
                          "   1.500   0.000   0.000   0.000   0.000   0.000   0.000   0.000   0.000   0.000\n"
                          "\n")
                  + weather_lines + "/data/wedmor.wth\n\nps1.dat\nps2.dat\n\n\n");
}

TEST_F(SiteFile, Layout604HasEightFixedZeros)
{
    EXPECT_EQ(written(site_layout::v604),
              std::string("\n\n\n"
                          "    40.5   -96.3   350.0   1.500   350.0     1.5     0.8  12.500  25.750\n"
                          "       0       0       0       0       0       0       0       0     2.5   0.015\n"
                          "\n")
                  + weather_lines + "   1   1   1   1   1   1   1   1   1   1\n\n\n");
}

TEST_F(SiteFile, Layout806AddsAutoIrrigationAndCrlf)
{
    std::string log;
    ASSERT_TRUE(write_site_file(record, record.weather_station, site_layout_for(1307), dir.file("s"), line_end_style::crlf, log));
    EXPECT_EQ(read_file(dir.file("s")),
              "\r\n\r\n\r\n"
              "    40.5   -96.3   350.0   1.500   350.0     1.5     0.8  12.500  25.750   0.500\r\n"
              "       0       0       0       0       0       0       0       0     2.5   0.015\r\n"
              "\r\n"
              "   3   7   0   0   0   0   0   0   0\r\n"
              "    60.0    40.0     0.0     0.0     0.0     0.0     0.0     0.0     0.0\r\n"
              "   1   1   1   1   1   1   1   1   1   1\r\n\r\n\r\n");
}

TEST_F(SiteFile, UnwritableFileIsReported)
{
    std::string log;
    EXPECT_FALSE(write_site_file(record, record.weather_station, site_layout::v2110, dir.file("no/such/dir"),
                                 line_end_style::lf, log));
    EXPECT_EQ(log, "Unable to open sitefile for writing\r\n");
}

// A site file in the model's own form: herd lines always present, manure rates in columns 65-80.
const std::string model_site_file =
    "title\n\n\n"
    "   1.200    41.2   -95.5   300.0     3.0   0.020   360.0     2.0     0.9   0.300\n"
    "                                                                  11.000  22.000\n"
    "   5\n"
    "      10      20\n"
    "   0.100\n"
    "   0.200\n"
    "   0.300\n"
    "       4       5\n"
    "   0.600\n"
    "\n"
    "   8   9  10\n"
    "    50.0    30.0    20.0\n"
    "mydaily.wth   trailing words\n";

TEST_F(SiteFile, ImportReadsTheModelsSiteFile)
{
    write_file(dir.file("sites.lst"), "    1 other.sit\n    2 farm.sit\n");
    write_file(dir.file("farm.sit"), model_site_file);
    record.weather_input_code = 1;
    std::string log;
    ASSERT_TRUE(import_site_file(record, record.weather_station, 2, dir.file("sites.lst"), log)) << log;
    EXPECT_EQ(log, "");
    EXPECT_FLOAT_EQ(record.peak_runoff, 1.2f);
    EXPECT_FLOAT_EQ(record.weather_station.latitude, 41.2f);
    EXPECT_FLOAT_EQ(record.weather_station.longitude, -95.5f);
    EXPECT_FLOAT_EQ(record.fraction_field_capacity, 0.3f);
    EXPECT_FLOAT_EQ(record.manure_rate_for_p_uptake, 11.0f);
    EXPECT_FLOAT_EQ(record.manure_rate_for_n_uptake, 22.0f);
    EXPECT_EQ(record.herds.owner_number, 5);
    EXPECT_EQ(record.herds.slots[1].number_of_animals, 20);
    EXPECT_FLOAT_EQ(record.herds.slots[0].daily_manure_dump, 0.3f);
    EXPECT_EQ(record.herds.slots[1].manure_id, 5);
    EXPECT_FLOAT_EQ(record.herds.slots[0].urine_volume, 0.6f);
    EXPECT_EQ(record.weather[2], 10);
    EXPECT_FLOAT_EQ(record.fraction_of_area_by_weather[2], 20.0f);
    EXPECT_EQ(record.weather_input_filename, "mydaily.wth");
    for (int k = 0; k < herd_slot_count; ++k)
        EXPECT_EQ(record.herds.slots[k].herd_id, k + 1);
}

TEST_F(SiteFile, ImportMessagesNumberTheDataLines)
{
    write_file(dir.file("sites.lst"), "    2 farm.sit\n");
    const struct {
        int lines;
        const char* message;
    } cases[] = {
        {0, "Unable to read line 1 of site file.\r\n"},  {3, "Unable to read line 1 of site file.\r\n"},
        {5, "Unable to read line 3 of site file.\r\n"},  {8, "Unable to read line 6 of site file.\r\n"},
        {12, "Unable to read line 10 of site file.\r\n"}, {13, "Unable to read line 10 of site file.\r\n"},
        {14, "Unable to read line 11 of site file.\r\n"}, {15, "Unable to read line 11 of site file.\r\n"},
    };
    record.weather_input_code = 2;
    for (const auto& c : cases) {
        std::string text;
        size_t position = 0;
        for (int n = 0; n < c.lines; ++n) {
            const size_t end = model_site_file.find('\n', position) + 1;
            text += model_site_file.substr(position, end - position);
            position = end;
        }
        write_file(dir.file("farm.sit"), text);
        std::string log;
        EXPECT_FALSE(import_site_file(record, record.weather_station, 2, dir.file("sites.lst"), log)) << c.lines;
        EXPECT_EQ(log, c.message + ("File " + dir.file("farm.sit") + " ends before line " + std::to_string(c.lines + 1)
                                    + ".\r\n"))
            << c.lines;
    }
    EXPECT_EQ(record.herds.slots[3].herd_id, 0) << "herd ids are numbered only after a whole read";
}

TEST_F(SiteFile, ImportListFailures)
{
    std::string log;
    EXPECT_FALSE(import_site_file(record, record.weather_station, 1, dir.file("none.lst"), log));
    EXPECT_EQ(log, "Cannot open sitelist file " + dir.file("none.lst") + ".\r\n");
    write_file(dir.file("sites.lst"), "garbage\n\n    2 farm.sit\n");
    log.clear();
    EXPECT_FALSE(import_site_file(record, record.weather_station, 1, dir.file("sites.lst"), log));
    EXPECT_EQ(log, "Cannot read site file name from sitelist.\r\n");
    log.clear();
    EXPECT_FALSE(import_site_file(record, record.weather_station, 2, dir.file("sites.lst"), log));
    EXPECT_EQ(log, "Cannot open site file " + dir.file("farm.sit") + ".\r\n");
}

TEST_F(SiteFile, HostileSiteFilesNeverCrash)
{
    write_file(dir.file("sites.lst"), "    2 farm.sit\n");
    const std::string cases[] = {std::string("\0\0", 2), std::string(300000, 'z'),
                                 std::string(20, '\n') + std::string(5000, '9') + "\n",
                                 "\n\n\n1e999   nan     inf\n\n99999999999\n\n\n\n\n\n\n\n\n\n\n"};
    record.weather_input_code = 1;
    for (const std::string& bytes : cases) {
        write_file(dir.file("farm.sit"), bytes);
        std::string log;
        import_site_file(record, record.weather_station, 2, dir.file("sites.lst"), log);
        EXPECT_TRUE(std::isfinite(record.peak_runoff));
    }
}

TEST_F(SiteFile, NewRecordTakesAStoredStationAsItIsAndNamesANewOne)
{
    database db;
    testing::open_new_project(db, dir.file("p.db"));
    vorn_weather_station mead;
    mead.number = 6;
    mead.name = "Mead";
    mead.monthly[0][0] = 30.0f;
    std::string log;
    ASSERT_TRUE(mead.save_station(db, "Weather", "Weather by Month", log));

    record.id = 1;
    record.weather_station_id = 6;
    record.weather_station_name = "Weather Station 1";
    ASSERT_TRUE(record.insert(db, log)) << log;
    EXPECT_EQ(record.weather_station.name, "Mead");
    vorn_weather_station stored;
    ASSERT_TRUE(stored.load_station(db, 6, log));
    EXPECT_EQ(stored.name, "Mead");
    EXPECT_FLOAT_EQ(stored.monthly[0][0], 30.0f);

    control_record second(settings);
    second.id = 2;
    second.weather_station_id = 7;
    second.weather_station_name = "Weather Station 7";
    ASSERT_TRUE(second.insert(db, log)) << log;
    ASSERT_TRUE(stored.load_station(db, 7, log));
    EXPECT_EQ(stored.name, "Weather Station 7");
}

} // namespace
} // namespace ivorn
