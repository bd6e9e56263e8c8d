// Herds, herd schedules and point sources: the herd file, the ten rows of a first save, loading
// the slots from the record's own rows, and the limit of ten point sources.
#include "site/livestock.h"

#include <gtest/gtest.h>

#include "core/text_utils.h"
#include "shell/app_settings.h"
#include "site/control_file.h"
#include "site/livestock_tables.h"
#include "support/new_project.h"
#include "support/temp_dir.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

using testing::read_file;

class Livestock : public ::testing::Test {
protected:
    void SetUp() override { testing::open_new_project(db, dir.file("p.db")); }

    herd_slots two_herds()
    {
        herd_slots herds;
        herds.owner_number = 3;
        herds.slots[0] = {1, 50, 0.125f, 12.5f, 2.5f, 4, 3.5f};
        herds.slots[1] = {2, 0, 0.5f, 1.0f, 1.0f, 5, 1.0f};
        herds.slots[2] = {3, 20, 0.25f, 8.25f, 1.75f, 6, 2.25f};
        return herds;
    }

    testing::temp_dir dir;
    database db;
    std::string log;
};

TEST_F(Livestock, HerdFileLeavesOutAHerdWithoutAnimals)
{
    livestock_list herds;
    livestock_from_slots(two_herds(), herds);
    livestock_schedule_list schedule;
    auto sale = std::make_unique<livestock_schedule_record>();
    *sale = {};
    sale->owner_id = 3;
    sale->herd_id = 1;
    sale->year_of_buy_sell = 2;
    sale->month_of_buy_sell = 6;
    sale->day_of_buy_sell = 15;
    sale->number_of_animals = -10;
    schedule.add(std::move(sale));
    ASSERT_TRUE(write_herd_file(dir.file("ivherd.dat"), herds, schedule, line_end_style::lf, log));
    EXPECT_EQ(read_file(dir.file("ivherd.dat")),
              "   3    50.0     4.0   0.125  12.500   2.500   3.500\n"
              "   3    20.0     6.0   0.250   8.250   1.750   2.250\n"
              "\n"
              "   3   1   2   6  15 -10\n"
              "\n"
              "\n");

    livestock_list none;
    livestock_schedule_list no_moves;
    ASSERT_TRUE(write_herd_file(dir.file("empty.dat"), none, no_moves, line_end_style::crlf, log));
    EXPECT_EQ(read_file(dir.file("empty.dat")), "\r\n\r\n\r\n");
    EXPECT_FALSE(write_herd_file(dir.file("no/such/dir"), none, no_moves, line_end_style::lf, log));
    EXPECT_EQ(log, "Cannot open herdfile " + dir.file("no/such/dir") + "\n");
}

// A run writes the herds the record holds now, not the rows it was loaded with.
TEST_F(Livestock, ControlFileWritesTheHerdFileFromTheSlotsForLaterVersions)
{
    app_settings settings;
    control_record record(settings);
    record.herds = two_herds();
    const control_file_paths paths{dir.file("vorncont.dat"), dir.file("ivsite.dat"), dir.file("ivweath.dat"),
                                   dir.file("ivwind.dat"),   dir.file("ivherd.dat"), dir.file("ivpso.dat"),
                                   dir.file("ivrfdt.dat")};
    ASSERT_TRUE(write_control_file(record, 806, line_end_style::lf, paths, log)) << log;
    EXPECT_EQ(read_file(dir.file("ivherd.dat")),
              "   3    50.0     4.0   0.125  12.500   2.500   3.500\n"
              "   3    20.0     6.0   0.250   8.250   1.750   2.250\n"
              "\n\n\n");
    std::filesystem::remove(dir.file("ivherd.dat"));
    ASSERT_TRUE(write_control_file(record, 2110, line_end_style::lf, paths, log));
    EXPECT_FALSE(std::filesystem::exists(dir.file("ivherd.dat")));
}

TEST_F(Livestock, FirstSaveWritesTenRowsAndLoadGivesTheSlotsBack)
{
    ASSERT_TRUE(save_livestock(db, 8, herd_slots{}, log)) << log;
    recordset set;
    ASSERT_TRUE(set.open(db, livestock_table(), filter_by("ID", field_value(std::int64_t{8})), log));
    EXPECT_EQ(set.row_count(), 10u);
    for (set.move_first(); !set.is_eof(); set.move_next())
        EXPECT_EQ(set.get_integer("Herd Id"), 0);

    const herd_slots stored = two_herds();
    ASSERT_TRUE(save_livestock(db, 8, stored, log));
    herd_slots loaded;
    loaded.slots[9].number_of_animals = 77;
    livestock_list list;
    ASSERT_TRUE(load_livestock(db, 8, loaded, list, log));
    EXPECT_EQ(loaded.owner_number, 3);
    EXPECT_EQ(loaded.slots[2].manure_id, 6);
    EXPECT_FLOAT_EQ(loaded.slots[0].urine_volume, 3.5f);
    EXPECT_EQ(loaded.slots[9].number_of_animals, 0);
    EXPECT_EQ(list.count(), 10u);
    EXPECT_EQ(log, "");
}

// Whatever the model version, a record's slots are its own: the slots of the record shown before
// must not be stored under the next one.
TEST_F(Livestock, LoadReplacesTheSlotsOfTheRecordShownBefore)
{
    ASSERT_TRUE(save_livestock(db, 1, two_herds(), log));
    herd_slots slots = two_herds();
    slots.slots[0].number_of_animals = 999;
    livestock_list list;
    ASSERT_TRUE(load_livestock(db, 1, slots, list, log));
    EXPECT_EQ(slots.slots[0].number_of_animals, 50);

    ASSERT_TRUE(load_livestock(db, 2, slots, list, log));
    EXPECT_EQ(log, "No Livestock table record for id=2.\r\n");
    EXPECT_EQ(slots.owner_number, 0);
    EXPECT_EQ(slots.slots[0].number_of_animals, 0);
    EXPECT_TRUE(list.empty());
}

TEST_F(Livestock, RowsBeyondTheTenthAreLeftAsTheyAre)
{
    for (int row = 0; row < 12; ++row)
        ASSERT_TRUE(db.execute(format_printf("INSERT INTO \"Livestock\" (\"ID\", \"Herd Id\") VALUES (5, %d)", 100 + row), log));
    ASSERT_TRUE(save_livestock(db, 5, two_herds(), log));
    recordset set;
    ASSERT_TRUE(set.open(db, livestock_table(), filter_by("ID", field_value(std::int64_t{5})), log));
    ASSERT_EQ(set.row_count(), 12u);
    set.move_to(9);
    EXPECT_EQ(set.get_integer("Herd Id"), 0);
    set.move_to(10);
    EXPECT_EQ(set.get_integer("Herd Id"), 110);
}

TEST_F(Livestock, FewerThanTenRowsGetTheMissingSlots)
{
    ASSERT_TRUE(db.execute("INSERT INTO \"Livestock\" (\"ID\", \"Herd Id\") VALUES (5, 100)", log));
    ASSERT_TRUE(save_livestock(db, 5, two_herds(), log));
    EXPECT_EQ(db.count_rows(livestock_table(), log), 10);
}

TEST_F(Livestock, ScheduleAndListOrders)
{
    for (const auto& [owner, herd, year] : {std::tuple{2, 1, 1}, std::tuple{1, 2, 3}, std::tuple{1, 2, 1}})
        ASSERT_TRUE(db.execute(format_printf("INSERT INTO \"Livestock Schedule\" (\"Id\", \"Owner Id\", \"Herd Id\", "
                                             "\"Year of Buy Sell\") VALUES (6, %d, %d, %d)",
                                             owner, herd, year),
                               log));
    livestock_schedule_list schedule;
    ASSERT_TRUE(load_livestock_schedule(db, 6, schedule, log));
    std::string order;
    for (const auto* move : schedule)
        order += format_printf("%d.%d.%d ", move->owner_id, move->herd_id, move->year_of_buy_sell);
    EXPECT_EQ(order, "1.2.1 1.2.3 2.1.1 ");
}

TEST_F(Livestock, AtMostTenPointSourcesInTableOrder)
{
    for (int row = 0; row < 12; ++row)
        ASSERT_TRUE(db.execute(format_printf("INSERT INTO \"Point Source\" VALUES (3, %d, 'ps%02d.dat')", row, row), log));
    std::vector<std::string> names = {"old.dat"};
    ASSERT_TRUE(load_point_sources(db, 3, names, log));
    ASSERT_EQ(names.size(), 10u);
    EXPECT_EQ(names.front(), "ps00.dat");
    EXPECT_EQ(names.back(), "ps09.dat");
    ASSERT_TRUE(load_point_sources(db, 4, names, log));
    EXPECT_TRUE(names.empty());
}

} // namespace
} // namespace ivorn
