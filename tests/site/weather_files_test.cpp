// The monthly weather and wind files and the choice of a station from the weather and wind lists.
#include <gtest/gtest.h>

#include <cmath>

#include "core/line_reader.h"
#include "support/temp_dir.h"
#include "site/vorn_weather_station.h"

namespace ivorn {
namespace {

using testing::read_file;
using testing::temp_dir;
using testing::write_file;

std::string month_lines(const std::string& line, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line;
    return text;
}

const std::string twelve_ones = "   1.0   1.0   1.0   1.0   1.0   1.0   1.0   1.0   1.0   1.0   1.0   1.0\n";

bool import_from(vorn_weather_station& station, const std::string& path, bool weather, std::string& log)
{
    line_reader file;
    if (file.open(path, log) != line_reader::open_result::opened)
        return false;
    return weather ? station.import_weather(file, log) : station.import_wind(file, log);
}

TEST(WeatherFile, FourteenLinesIsAReadError)
{
    temp_dir dir;
    write_file(dir.file("w.wp1"), "header\n\n" + month_lines(twelve_ones, 12));
    vorn_weather_station station;
    std::string log;
    EXPECT_FALSE(import_from(station, dir.file("w.wp1"), true, log));
    EXPECT_EQ(log, "Read error in vorn_weather::import_weather\r\nFile " + dir.file("w.wp1") + " ends before line 15.\r\n");
    EXPECT_EQ(station.monthly[11][11], 1.0f) << "what was read stays";
    EXPECT_EQ(station.monthly[12][0], 0.0f);
}

TEST(WeatherFile, ValuesBySixColumnsAndZeroBeyondTheLine)
{
    temp_dir dir;
    write_file(dir.file("w.wp1"), "\r\n\r\n  31.5-12.25   abc\r\n" + month_lines(twelve_ones, 12));
    vorn_weather_station station;
    std::string log;
    ASSERT_TRUE(import_from(station, dir.file("w.wp1"), true, log)) << log;
    EXPECT_FLOAT_EQ(station.monthly[0][0], 31.5f);
    EXPECT_FLOAT_EQ(station.monthly[0][1], -12.25f);
    EXPECT_FLOAT_EQ(station.monthly[0][2], 0.0f);
    EXPECT_FLOAT_EQ(station.monthly[0][11], 0.0f);
    EXPECT_FLOAT_EQ(station.monthly[12][11], 1.0f);
}

TEST(WeatherFile, WritesFifteenLinesFor2110AndSixteenFor806)
{
    temp_dir dir;
    vorn_weather_station station;
    for (int m = 0; m < 12; ++m) {
        station.monthly[0][m] = 20.0f + static_cast<float>(m);
        station.monthly[7][m] = 0.125f;
        station.monthly[average_velocity][m] = 4.5f;
    }
    std::string log;
    ASSERT_TRUE(station.write_weather_file(dir.file("w2110"), 2110, line_end_style::lf, log));
    ASSERT_TRUE(station.write_weather_file(dir.file("w806"), 806, line_end_style::lf, log));
    const std::string expected =
        "\n\n"
        " 20.00 21.00 22.00 23.00 24.00 25.00 26.00 27.00 28.00 29.00 30.00 31.00\n"
        "  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00\n"
        "  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00\n"
        "  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00\n"
        "   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0\n"
        "   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0\n"
        "  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00\n"
        " 0.125 0.125 0.125 0.125 0.125 0.125 0.125 0.125 0.125 0.125 0.125 0.125\n"
        " 0.000 0.000 0.000 0.000 0.000 0.000 0.000 0.000 0.000 0.000 0.000 0.000\n"
        "  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00\n"
        "   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0\n"
        "   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0\n"
        "  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00\n";
    EXPECT_EQ(read_file(dir.file("w2110")), expected);
    EXPECT_EQ(read_file(dir.file("w806")),
              expected + "  4.50  4.50  4.50  4.50  4.50  4.50  4.50  4.50  4.50  4.50  4.50  4.50\n");
}

TEST(WindFile, WritesNineteenLinesAndReadsThemBack)
{
    temp_dir dir;
    vorn_weather_station station;
    for (int m = 0; m < 12; ++m) {
        station.monthly[average_velocity][m] = 3.25f;
        station.monthly[first_wind_direction + 15][m] = 7.5f;
    }
    std::string log;
    ASSERT_TRUE(station.write_wind_file(dir.file("w.wnd"), line_end_style::crlf, log));
    const std::string zeros = "   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0   0.0\r\n";
    EXPECT_EQ(read_file(dir.file("w.wnd")),
              "\r\n\r\n  3.25  3.25  3.25  3.25  3.25  3.25  3.25  3.25  3.25  3.25  3.25  3.25\r\n"
                  + month_lines(zeros, 15)
                  + "   7.5   7.5   7.5   7.5   7.5   7.5   7.5   7.5   7.5   7.5   7.5   7.5\r\n");
    vorn_weather_station read;
    ASSERT_TRUE(import_from(read, dir.file("w.wnd"), false, log)) << log;
    EXPECT_EQ(read.monthly, station.monthly);
}

TEST(WindFile, ShortFileIsAReadError)
{
    temp_dir dir;
    write_file(dir.file("w.wnd"), "\n\n" + month_lines(twelve_ones, 16));
    vorn_weather_station station;
    std::string log;
    EXPECT_FALSE(import_from(station, dir.file("w.wnd"), false, log));
    EXPECT_EQ(log, "Read error in vorn_weather_station::import_wind\r\nFile " + dir.file("w.wnd") + " ends before line 19.\r\n");
}

TEST(WeatherFile, HostileInputNeverCrashes)
{
    temp_dir dir;
    const std::string cases[] = {"", std::string("\0\0\0", 3), std::string(200000, 'x'),
                                 "\n\n" + month_lines("1e999 nan   -inf  0x1p4 " + std::string(5000, '7') + "\n", 30)};
    for (const std::string& bytes : cases) {
        write_file(dir.file("h"), bytes);
        vorn_weather_station station;
        std::string log;
        import_from(station, dir.file("h"), true, log);
        import_from(station, dir.file("h"), false, log);
        for (const auto& column : station.monthly)
            for (float value : column)
                EXPECT_TRUE(std::isfinite(value));
    }
}

class StationChoice : public ::testing::Test {
protected:
    void SetUp() override
    {
        write_file(dir.file("month.wp1"), "\n\n" + month_lines(twelve_ones, 13));
        write_file(dir.file("near.wp1"), "\n\n" + month_lines(" 222.0\n", 13));
        write_file(dir.file("wind.wnd"), "\n\n" + month_lines("   5.0\n", 17));
        station.number = 31;
        station.name = "Keep me";
        station.latitude = 40.0f;
        station.longitude = -93.0f;
        held = {25.0f, 0.75f, 1.5f, 3.25f};
    }

    bool run(int weather_number, int wind_number, std::string& log)
    {
        return import_weather_and_wind(station, held, weather_number, wind_number, dir.file("weather.lst"),
                                       dir.file("wind.lst"), log);
    }

    temp_dir dir;
    vorn_weather_station station;
    station_control_values held;
};

TEST_F(StationChoice, NearestStationOfTheWorkedExample)
{
    // Columns 20-26 latitude, 28-34 longitude.
    write_file(dir.file("weather.lst"),
                "    1 month.wp1      40.50  -93.00\n"
                "    2 near.wp1       39.90  -92.90\n"
                "    3 month.wp1      39.90  -92.90\n");
    write_file(dir.file("wind.lst"), "    7 wind.wnd       39.90  -92.90\n");
    std::string log;
    ASSERT_TRUE(run(0, 0, log)) << log;
    EXPECT_EQ(log, "");
    EXPECT_FLOAT_EQ(station.monthly[0][0], 222.0f) << "the second line is nearer; the third only ties it";
    EXPECT_FLOAT_EQ(station.monthly[average_velocity][0], 5.0f);
    EXPECT_EQ(station.number, 31);
    EXPECT_EQ(station.name, "Keep me");
    EXPECT_FLOAT_EQ(station.years_max_month_records, 25.0f);
    EXPECT_FLOAT_EQ(station.wet_dry_probability_coefficient, 0.75f);
    EXPECT_FLOAT_EQ(station.rain_distribution, 1.5f);
    EXPECT_FLOAT_EQ(station.two_year_24_hour_rainfall, 3.25f);
}

TEST_F(StationChoice, ShortLinesTakeNoPartInTheNearestChoice)
{
    write_file(dir.file("weather.lst"),
                "    2 near.wp1       40.00  -93.0\n"   // 33 characters: no position
                "    1 month.wp1      45.00  -80.00\n");
    write_file(dir.file("wind.lst"), "    7 wind.wnd       39.90  -92.90\n");
    std::string log;
    ASSERT_TRUE(run(0, 0, log)) << log;
    EXPECT_FLOAT_EQ(station.monthly[0][0], 1.0f);
}

TEST_F(StationChoice, ByNumberAndTheMessagesOfEachFailure)
{
    write_file(dir.file("weather.lst"), "    1 month.wp1\n    2 near.wp1\n    4 gone.wp1\n");
    write_file(dir.file("wind.lst"), "    7 wind.wnd\n");
    std::string log;
    ASSERT_TRUE(run(2, 7, log)) << log;
    EXPECT_FLOAT_EQ(station.monthly[0][0], 222.0f);

    EXPECT_FALSE(run(2, 8, log));
    EXPECT_EQ(log, "Cannot find wind station");
    log.clear();
    EXPECT_FALSE(run(3, 7, log));
    EXPECT_EQ(log, "Cannot find weather station\n");
    log.clear();
    EXPECT_FALSE(run(4, 7, log));
    EXPECT_EQ(log, "Cannot open weather file\n");
    log.clear();
    EXPECT_FALSE(import_weather_and_wind(station, held, 1, 7, dir.file("none.lst"), dir.file("wind.lst"), log));
    EXPECT_EQ(log, "Cannot open weatherlist file\n");
    log.clear();
    EXPECT_FALSE(import_weather_and_wind(station, held, 1, 7, dir.file("weather.lst"), dir.file("none.lst"), log));
    EXPECT_EQ(log, "Cannot open windlist file\n");
}

} // namespace
} // namespace ivorn
