// Subareas in "Subareas" and "Management": every bound column back as stored, rows paired by
// [Subarea Id], only modified subareas written, the soil only when it changed.
#include "site/vorn_subarea.h"

#include <gtest/gtest.h>

#include "core/text_utils.h"
#include "site/soil_tables.h"
#include "site/subarea_tables.h"
#include "support/new_project.h"
#include "support/temp_dir.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

class SubareaRows : public ::testing::Test {
protected:
    void SetUp() override { testing::open_new_project(db, dir.file("p.db")); }

    // Every bound member a value of its own, from `seed` on.
    static void number_members(vorn_subarea& subarea, float seed)
    {
        float value = seed;
        for (auto bindings : {subarea.subarea_bindings(), subarea.management_bindings()}) {
            for (auto& binding : bindings) {
                if (auto* real = std::get_if<float*>(&binding.member))
                    **real = value + 0.25f;
                else if (auto* whole = std::get_if<int*>(&binding.member))
                    **whole = static_cast<int>(value);
                value += 1.0f;
            }
        }
    }

    std::unique_ptr<vorn_subarea> subarea(int number, float seed)
    {
        auto s = std::make_unique<vorn_subarea>();
        number_members(*s, seed);
        s->record_id = 4;
        s->management_id = 4;
        s->subarea_number = number;
        s->soil_id = 30 + number;
        s->modified = true;
        return s;
    }

    long long rows(const table_description& table)
    {
        std::string log;
        return db.count_rows(table, log);
    }

    testing::temp_dir dir;
    database db;
    std::string log;
};

TEST_F(SubareaRows, EveryColumnBackAsStoredAngleFieldIncluded)
{
    subarea_list list;
    list.add(subarea(2, 100.0f));
    list.add(subarea(1, 500.0f));
    list.first()->angle_field = 33.75f;
    ASSERT_TRUE(list.save_subareas(db, 4, log)) << log;
    subarea_list loaded;
    ASSERT_TRUE(loaded.load_subareas(db, 4, log)) << log;
    ASSERT_EQ(loaded.count(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        vorn_subarea& stored = *list.at(i);
        vorn_subarea& back = *loaded.at(i);
        EXPECT_EQ(back.subarea_number, stored.subarea_number);
        EXPECT_FALSE(back.modified);
        auto expected = stored.subarea_bindings();
        auto actual = back.subarea_bindings();
        auto expected_management = stored.management_bindings();
        auto actual_management = back.management_bindings();
        expected.insert(expected.end(), expected_management.begin(), expected_management.end());
        actual.insert(actual.end(), actual_management.begin(), actual_management.end());
        for (size_t b = 0; b < expected.size(); ++b) {
            std::visit([&](auto* want) { EXPECT_EQ(*std::get<decltype(want)>(actual[b].member), *want) << expected[b].column; },
                       expected[b].member);
        }
    }
    EXPECT_FLOAT_EQ(loaded.first()->angle_field, 33.75f);
}

TEST_F(SubareaRows, ManagementRowsArePairedBySubareaIdNotPosition)
{
    subarea_list list;
    list.add(subarea(1, 100.0f));
    list.add(subarea(2, 500.0f));
    ASSERT_TRUE(list.save_subareas(db, 4, log));
    // Another program rewrote the management rows in the other order.
    ASSERT_TRUE(db.execute("CREATE TEMP TABLE m AS SELECT * FROM \"Management\" ORDER BY rowid DESC", log));
    ASSERT_TRUE(db.execute("DELETE FROM \"Management\"", log));
    ASSERT_TRUE(db.execute("INSERT INTO \"Management\" SELECT * FROM m", log)) << log;
    subarea_list loaded;
    ASSERT_TRUE(loaded.load_subareas(db, 4, log));
    ASSERT_EQ(loaded.count(), 2u);
    EXPECT_EQ(loaded.at(0)->drainage_code, list.at(0)->drainage_code);
    EXPECT_EQ(loaded.at(1)->grazing_limit, list.at(1)->grazing_limit);
}

TEST_F(SubareaRows, SubareaWithoutManagementRowIsLoadedAndReported)
{
    subarea_list list;
    list.add(subarea(1, 100.0f));
    ASSERT_TRUE(list.save_subareas(db, 4, log));
    ASSERT_TRUE(db.execute("DELETE FROM \"Management\"", log));
    subarea_list loaded;
    ASSERT_TRUE(loaded.load_subareas(db, 4, log));
    ASSERT_EQ(loaded.count(), 1u);
    EXPECT_EQ(log, "No Management row for subarea 1 of record 4.\r\n");
    EXPECT_EQ(loaded.first()->irrigation, 0);
}

TEST_F(SubareaRows, OnlyModifiedSubareasAreWrittenAndTheSoilOnlyWhenChanged)
{
    subarea_list list;
    list.add(subarea(1, 100.0f));
    list.first()->soil.name = "LOAM";
    list.first()->soil_changed = true;
    ASSERT_TRUE(list.save_subareas(db, 4, log)) << log;
    list.mark_stored();
    EXPECT_FALSE(list.first()->modified);
    EXPECT_FALSE(list.first()->soil_changed);
    EXPECT_EQ(rows(soils_table()), 1);

    // An edit without the flag is not stored; neither is a loaded, unedited subarea.
    list.first()->owner_id = 999;
    list.first()->soil.name = "CLAY";
    ASSERT_TRUE(list.save_subareas(db, 4, log));
    subarea_list loaded;
    ASSERT_TRUE(loaded.load_subareas(db, 4, log));
    EXPECT_NE(loaded.first()->owner_id, 999);
    EXPECT_EQ(loaded.first()->soil.name, "LOAM");
    EXPECT_EQ(loaded.first()->soil.number, 31);
    loaded.first()->owner_id = 998;
    ASSERT_TRUE(loaded.save_subareas(db, 4, log));
    subarea_list again;
    ASSERT_TRUE(again.load_subareas(db, 4, log));
    EXPECT_NE(again.first()->owner_id, 998);
    EXPECT_EQ(rows(subareas_table()), 1);
    EXPECT_EQ(rows(management_table()), 1);
}

TEST_F(SubareaRows, FieldOperationsTravelWithTheirSubarea)
{
    subarea_list list;
    list.add(subarea(1, 100.0f));
    for (int day : {5, 3}) {
        auto op = std::make_unique<vorn_field_operation>();
        op->day = day;
        op->operation_number = 10;
        list.first()->operations.add(std::move(op));
    }
    ASSERT_TRUE(list.save_subareas(db, 4, log));
    subarea_list loaded;
    ASSERT_TRUE(loaded.load_subareas(db, 4, log));
    ASSERT_EQ(loaded.first()->operations.count(), 2u);
    EXPECT_EQ(loaded.first()->operations.first()->day, 3);
    EXPECT_EQ(loaded.first()->operations.first()->record_id, 4);
}

} // namespace
} // namespace ivorn
