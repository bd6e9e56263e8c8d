// The daily weather list file written from "Daily Weather Filenames".
#include "site/daily_weather_list.h"

#include <gtest/gtest.h>

#include "site/test_files.h"

namespace ivorn {
namespace {

TEST(DailyWeatherList, OneLinePerRowInTableOrder)
{
    testing::temp_dir dir;
    database db;
    testing::make_project(db, dir.file("p.db"));
    std::string log;
    ASSERT_TRUE(db.execute("INSERT INTO \"Daily Weather Filenames\" VALUES (12, 'mead.wth', -96.48, 41.15)", log));
    ASSERT_TRUE(db.execute("INSERT INTO \"Daily Weather Filenames\" VALUES (3, 'ames daily.wth', -93.625, 42.0)", log));
    ASSERT_TRUE(write_daily_weather_list(db, dir.file("ivWthList.dat"), line_end_style::crlf, log)) << log;
    EXPECT_EQ(testing::read_file(dir.file("ivWthList.dat")),
              "  12 mead.wth   -96.48    41.15\r\n"
              "   3 ames daily.wth   -93.62    42.00\r\n");
    EXPECT_EQ(log, "");
}

} // namespace
} // namespace ivorn
