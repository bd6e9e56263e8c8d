// The control record's reset, its column bindings, storing and loading every bound column, the
// modified mark, and the rows deleted with it.
#include "site/control_record.h"

#include <gtest/gtest.h>

#include <set>

#include "shell/app_settings.h"
#include "shell/project_database.h"
#include "site/control_record_table.h"
#include "site/subarea_tables.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

class ControlRecord : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string log;
        ASSERT_TRUE(create_project_database(scratch.file("i_VORN.mdb"), log)) << log;
        ASSERT_TRUE(open_project_database(db, scratch.file("i_VORN.mdb"), log)) << log;
    }

    // A value for every bound column that its type keeps exactly and that differs per column.
    static void fill_distinct(control_record& record)
    {
        int k = 0;
        for (const auto& binding : record.bindings()) {
            ++k;
            const column_type type = control_records_table().column(binding.column)->type;
            std::visit(
                [&](auto* member) {
                    using member_type = std::remove_pointer_t<decltype(member)>;
                    if constexpr (std::is_same_v<member_type, std::string>)
                        *member = "t" + std::to_string(k);
                    else if constexpr (std::is_same_v<member_type, float>)
                        *member = type == column_type::single_float ? static_cast<float>(k) + 0.25f : static_cast<float>(k);
                    else if (type == column_type::byte_int)
                        *member = static_cast<member_type>(k % 250 + 1);
                    else if (type == column_type::short_int)
                        *member = static_cast<member_type>(-k * 3);
                    else
                        *member = static_cast<member_type>(k * 100003);
                },
                binding.member);
        }
    }

    std::int64_t stored_integer(std::int32_t id, const char* column)
    {
        recordset set;
        std::string log;
        EXPECT_TRUE(set.open(db, control_records_table(), filter_by("ID", field_value(std::int64_t{id})), log));
        return set.get_integer(column);
    }

    testing::temp_dir scratch;
    database db;
    app_settings settings;
};

TEST_F(ControlRecord, ResetClearsWhatAnEarlierRecordLeft)
{
    control_record record(settings);
    fill_distinct(record);
    record.pointsource_files = {"a.dat"};
    record.held_station_values.rain_distribution = 4.0f;
    record.modified = false;
    record.reset_to_defaults(settings);
    EXPECT_TRUE(record.modified);
    EXPECT_EQ(record.id, 0);
    EXPECT_EQ(record.mlra, "");
    EXPECT_FLOAT_EQ(record.vertical_crack, 0.0f);
    EXPECT_EQ(record.simulation_length, 30);
    EXPECT_TRUE(record.pointsource_files.empty());
    EXPECT_FLOAT_EQ(record.held_station_values.rain_distribution, 0.0f);
}

TEST_F(ControlRecord, BindsEveryColumnButChannelCapFlowRateOnce)
{
    control_record record(settings);
    std::set<std::string> bound;
    for (const auto& binding : record.bindings()) {
        EXPECT_NE(control_records_table().column(binding.column), nullptr) << binding.column;
        EXPECT_TRUE(bound.insert(std::string(binding.column)).second) << binding.column;
    }
    for (const auto& column : control_records_table().columns)
        EXPECT_EQ(bound.count(column.name), column.name == "Channel Cap Flow Rate" ? 0u : 1u) << column.name;
}

TEST_F(ControlRecord, SavedAndLoadedAgainGivesBackEveryBoundColumn)
{
    control_record original(settings);
    fill_distinct(original);
    std::string log;
    ASSERT_TRUE(original.insert(db, log)) << log;
    EXPECT_FALSE(original.modified);

    control_record loaded(settings);
    recordset set;
    ASSERT_TRUE(set.open(db, control_records_table(), {}, log));
    ASSERT_TRUE(loaded.load(db, set, original.id, log)) << log;
    EXPECT_FALSE(loaded.modified);
    const auto expected = original.bindings();
    const auto actual = loaded.bindings();
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        std::visit(
            [&](auto* want) {
                using member_type = std::remove_pointer_t<decltype(want)>;
                EXPECT_EQ(*want, *std::get<member_type*>(actual[i].member)) << expected[i].column;
            },
            expected[i].member);
    }
}

TEST_F(ControlRecord, ErosionEquationIsStoredTruncatedTowardZero)
{
    control_record record(settings);
    record.id = 1;
    record.erosion_equation = 3.9f;
    std::string log;
    ASSERT_TRUE(record.insert(db, log)) << log;
    EXPECT_EQ(stored_integer(1, "Erosion Equation"), 3);
    record.erosion_equation = -2.7f;
    record.modified = true;
    ASSERT_TRUE(record.store(db, 1, log)) << log;
    EXPECT_EQ(stored_integer(1, "Erosion Equation"), -2);
}

TEST_F(ControlRecord, StoreWritesOnlyAModifiedRecordIntoItsLoadedRow)
{
    control_record record(settings);
    record.id = 5;
    std::string log;
    ASSERT_TRUE(record.insert(db, log)) << log;
    record.simulation_length = 12;
    ASSERT_TRUE(record.store(db, 5, log));
    EXPECT_EQ(stored_integer(5, "Simulation Length"), 30);

    record.modified = true;
    record.id = 9;
    ASSERT_TRUE(record.store(db, 5, log)) << log;
    EXPECT_EQ(stored_integer(9, "Simulation Length"), 12);
    EXPECT_EQ(db.count_rows(control_records_table(), log), 1);
}

TEST_F(ControlRecord, StoreIntoARowThatIsGoneFails)
{
    control_record record(settings);
    record.modified = true;
    std::string log;
    EXPECT_FALSE(record.store(db, 77, log));
    EXPECT_EQ(log, "Unable to find control record 77\r\n");
}

TEST_F(ControlRecord, DeletingRelatedRowsLeavesOtherRecordsRows)
{
    std::string log;
    ASSERT_TRUE(db.execute("INSERT INTO \"Subareas\" (\"ID\", \"Subarea Id\") VALUES (5, 1), (5, 2), (6, 1)", log));
    control_record record(settings);
    record.id = 5;
    record.weather_station_id = 5;
    ASSERT_TRUE(record.delete_related(db, log)) << log;
    EXPECT_EQ(log, "Deleted parameters, ID = 5\r\nDeleted  weather stations and 0 months(s).\r\n"
                   "Deleted 2 rows of Subareas.\r\n");
    EXPECT_EQ(db.count_rows(subareas_table(), log), 1);
}

TEST_F(ControlRecord, StationOfAnotherRecordIsKept)
{
    control_record other(settings);
    other.id = 2;
    other.weather_station_id = 7;
    std::string log;
    ASSERT_TRUE(other.insert(db, log));
    control_record record(settings);
    record.id = 1;
    record.weather_station_id = 7;
    ASSERT_TRUE(record.insert(db, log));
    ASSERT_TRUE(record.delete_related(db, log));
    EXPECT_EQ(log, "Deleted parameters, ID = 1\r\nWeather station 7 is kept: another control record uses it.\r\n"
                   "Deleted 10 rows of Livestock.\r\n");
}

} // namespace
} // namespace ivorn
