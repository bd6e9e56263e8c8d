// Weather stations in "Weather" and "Weather by Month": save, load, the list and deletion.
#include <gtest/gtest.h>

#include "support/new_project.h"
#include "support/temp_dir.h"
#include "site/vorn_weather_station.h"
#include "site/weather_tables.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

class WeatherTable : public ::testing::Test {
protected:
    void SetUp() override { testing::open_new_project(db, dir.file("p.db")); }

    vorn_weather_station station(std::int32_t number, const std::string& name)
    {
        vorn_weather_station s;
        s.number = number;
        s.name = name;
        s.latitude = 41.5f;
        s.two_year_24_hour_rainfall = 2.75f;
        for (int m = 0; m < 12; ++m) {
            s.monthly[0][m] = static_cast<float>(m + 1);
            s.monthly[29][m] = 100.0f + static_cast<float>(m);
        }
        return s;
    }

    testing::temp_dir dir;
    database db;
};

TEST_F(WeatherTable, SaveOverSixMonthsCreatesTheOtherSix)
{
    std::string log;
    for (int month = 1; month <= 6; ++month) {
        ASSERT_TRUE(db.execute("INSERT INTO \"Weather by Month\" (\"ID\", \"Month\") VALUES (5, " + std::to_string(month) + ")",
                               log));
    }
    vorn_weather_station s = station(5, "Ames");
    ASSERT_TRUE(s.save_station(db, "[Weather]", "[Weather by Month]", log)) << log;
    EXPECT_EQ(log,
              "Weather month 7 created\r\nWeather month 8 created\r\nWeather month 9 created\r\n"
              "Weather month 10 created\r\nWeather month 11 created\r\nWeather month 12 created\r\n");
    EXPECT_EQ(db.count_rows(weather_by_month_table(), log), 12);

    vorn_weather_station loaded;
    log.clear();
    ASSERT_TRUE(loaded.load_station(db, 5, log)) << log;
    EXPECT_EQ(loaded.name, "Ames");
    EXPECT_FLOAT_EQ(loaded.latitude, 41.5f);
    EXPECT_FLOAT_EQ(loaded.two_year_24_hour_rainfall, 2.75f);
    EXPECT_EQ(loaded.monthly, s.monthly);

    log.clear();
    ASSERT_TRUE(s.save_station(db, "Weather", "Weather by Month", log));
    EXPECT_EQ(log, "") << "a second save finds all twelve months";
}

TEST_F(WeatherTable, NameWithQuotesLoadsByName)
{
    std::string log;
    const std::string name = "O'Neill \"North\" [x]";
    ASSERT_TRUE(station(8, name).save_station(db, "Weather", "Weather by Month", log));
    vorn_weather_station loaded;
    ASSERT_TRUE(loaded.load_station_by_name(db, name, log)) << log;
    EXPECT_EQ(loaded.number, 8);
    EXPECT_FLOAT_EQ(loaded.monthly[29][11], 111.0f);
    EXPECT_FALSE(loaded.load_station_by_name(db, "O'Neill", log));
    EXPECT_EQ(loaded.number, 0);
}

TEST_F(WeatherTable, LoadTrimsTheNameAndAnAbsentStationStaysReset)
{
    std::string log;
    ASSERT_TRUE(db.execute("INSERT INTO \"Weather\" (\"ID\", \"Name\") VALUES (3, '  Lincoln  ')", log));
    vorn_weather_station loaded = station(9, "old");
    ASSERT_TRUE(loaded.load_station(db, 3, log));
    EXPECT_EQ(loaded.name, "Lincoln");
    EXPECT_EQ(loaded.monthly[0][0], 0.0f);
    ASSERT_TRUE(loaded.load_station(db, 4, log));
    EXPECT_EQ(loaded.number, 0);
    EXPECT_EQ(loaded.name, "");
}

// Without a "Weather" row the months are still those of the number asked for, never those of
// station 0: a record storing its station afterwards would take another station's weather.
TEST_F(WeatherTable, AbsentStationLoadsTheMonthsOfItsOwnNumber)
{
    std::string log;
    ASSERT_TRUE(station(0, "zero").save_station(db, "Weather", "Weather by Month", log)) << log;
    ASSERT_TRUE(db.execute("INSERT INTO \"Weather by Month\" (\"ID\", \"Month\", \"Air Temperature Average Max\") "
                           "VALUES (4, 2, 7.5)",
                           log));
    vorn_weather_station loaded;
    ASSERT_TRUE(loaded.load_station(db, 4, log)) << log;
    EXPECT_EQ(loaded.number, 0);
    EXPECT_EQ(loaded.monthly[0][0], 0.0f);
    EXPECT_EQ(loaded.monthly[0][1], 7.5f);
    EXPECT_EQ(loaded.monthly[29][0], 0.0f);
}

TEST_F(WeatherTable, ListSkipsOrphanMonthsAndNumbersAreAllocatedFromOne)
{
    std::string log;
    ASSERT_TRUE(station(2, "b").save_station(db, "Weather", "Weather by Month", log));
    ASSERT_TRUE(station(1, "a").save_station(db, "Weather", "Weather by Month", log));
    ASSERT_TRUE(db.execute("INSERT INTO \"Weather by Month\" (\"ID\", \"Month\") VALUES (6, 1)", log));
    ASSERT_TRUE(db.execute("INSERT INTO \"Weather by Month\" (\"ID\", \"Month\") VALUES (2, 13)", log));
    log.clear();
    weather_station_list_class list;
    ASSERT_TRUE(list.load_station_list(db, "Weather", "Weather by Month", log));
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.at(0)->name, "a");
    EXPECT_FLOAT_EQ(list.find_by_number(2)->monthly[0][11], 12.0f);
    EXPECT_EQ(log,
              "Weather monthly record has no corresponding station: 6\r\n"
              "Weather station 2 month 13 lies outside 1 to 12; the month was skipped.\r\n");
    EXPECT_EQ(list.next_free_number(), 3);
    list.at(0)->number = 7;
    EXPECT_EQ(list.next_free_number(), 1);
}

TEST_F(WeatherTable, DeleteStationCountsItsMonths)
{
    std::string log;
    ASSERT_TRUE(station(4, "Mead").save_station(db, "Weather", "Weather by Month", log));
    ASSERT_TRUE(station(5, "Other").save_station(db, "Weather", "Weather by Month", log));
    log.clear();
    ASSERT_TRUE(delete_station(db, station(4, "Mead"), log));
    EXPECT_EQ(log, "Deleted Mead weather stations and 12 months(s).\r\n");
    EXPECT_EQ(db.count_rows(weather_table(), log), 1);
    EXPECT_EQ(db.count_rows(weather_by_month_table(), log), 12);
}

TEST(WeatherStationList, NextFreeNumberWhenEveryNumberIsTaken)
{
    weather_station_list_class list;
    auto last = std::make_unique<vorn_weather_station>();
    last->number = 2147483646;
    list.add(std::move(last));
    EXPECT_EQ(list.next_free_number(), 1);
}

} // namespace
} // namespace ivorn
