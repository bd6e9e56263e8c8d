// The description list: filling in scan order, the smallest free ID, lookups, reaching unvisited
// positions from the nearest known entry, and reloading.
#include "site/control_record_descriptions.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "core/text_utils.h"
#include "site/control_record_table.h"
#include "support/new_project.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

class recording_observer : public description_list_observer {
public:
    void scan_progress(long, const std::string& text) override { progress.push_back(text); }
    void message_box(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> progress;
    std::vector<std::string> messages;
};

class Descriptions : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::open_new_project(db, scratch.file("i_VORN.mdb"));
        list.set_observer(&observer);
    }

    void add_records(std::initializer_list<int> ids)
    {
        std::string log;
        for (int id : ids)
            ASSERT_TRUE(db.execute(format_printf("INSERT INTO \"Control Records\" (\"ID\", \"Description\") "
                                                 "VALUES (%d, 'Run %d')",
                                                 id, id),
                                   log))
                << log;
    }

    testing::temp_dir scratch;
    database db;
    control_record_keys keys{db};
    std::string log;
    list_control_record_descriptions list;
    recording_observer observer;
};

TEST_F(Descriptions, FillMakesOneEntryPerRowInKeyOrder)
{
    add_records({20, 3, 100000});
    ASSERT_TRUE(list.fill_descriptions(keys, log)) << log;
    EXPECT_TRUE(list.loaded);
    ASSERT_EQ(list.count(), 3u);
    EXPECT_EQ(list.at(0)->text, "    1     3 Run 3");
    EXPECT_EQ(list.at(1)->text, "    2    20 Run 20");
    EXPECT_EQ(list.at(2)->text, "    3 100000 Run 100000");
    EXPECT_EQ(list.find_by_id(20)->position, 2);
    EXPECT_EQ(list.find_by_position(3)->id, 100000);
    EXPECT_EQ(list.find_by_position(4), nullptr);
    EXPECT_EQ(list.find_by_id(4), nullptr);
}

TEST_F(Descriptions, TextIsPositionAndIdInFiveColumnsThenTheDescription)
{
    add_records({-5, 123456});
    ASSERT_TRUE(list.fill_descriptions(keys, log)) << log;
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.at(0)->text, "    1    -5 Run -5");
    EXPECT_EQ(list.at(1)->text, "    2 123456 Run 123456");
}

TEST_F(Descriptions, FillReportsProgressEvery500Rows)
{
    ASSERT_TRUE(db.execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1200) "
                           "INSERT INTO \"Control Records\" (\"ID\") SELECT i FROM n",
                           log))
        << log;
    ASSERT_TRUE(list.fill_descriptions(keys, log)) << log;
    EXPECT_EQ(observer.progress, (std::vector<std::string>{"Scanning Records 500", "Scanning Records 1000"}));
    EXPECT_EQ(list.number_of_records(nullptr, log), 1200);
}

TEST_F(Descriptions, NextFreeIdIsTheSmallestUnusedPositiveId)
{
    struct id_case {
        std::initializer_list<int> ids;
        std::int32_t expected;
    };
    const id_case cases[] = {{{}, 1}, {{1, 2, 4}, 3}, {{2, 3}, 1}, {{1, 2, 3}, 4}, {{-5, 0, 1}, 2}};
    for (const auto& c : cases) {
        ASSERT_TRUE(db.execute("DELETE FROM \"Control Records\"", log));
        add_records(c.ids);
            list_control_record_descriptions fresh;
        EXPECT_EQ(fresh.next_free_id(keys, log), c.expected);
        EXPECT_TRUE(fresh.loaded);
        // The table alone gives the same answer, without a list.
        EXPECT_EQ(keys.next_free_id(log), c.expected);
    }
}

TEST_F(Descriptions, SizeWithoutASetReportsAnErrorForAnUnfilledList)
{
    EXPECT_EQ(list.number_of_records(nullptr, log), 0);
    EXPECT_EQ(observer.messages, std::vector<std::string>{"Error in list_control_record_descriptions.number_of_records"});
    add_records({1, 2});
    EXPECT_EQ(list.number_of_records(&keys, log), 2);
}

TEST_F(Descriptions, LocateReachesPositionsFromKnownEntries)
{
    add_records({10, 20, 30, 40, 50});
    ASSERT_NE(list.locate(keys, 1), nullptr);
    auto* fifth = list.locate(keys, 5);
    ASSERT_NE(fifth, nullptr);
    EXPECT_EQ(fifth->id, 50);
    auto* fourth = list.locate(keys, 4);
    ASSERT_NE(fourth, nullptr);
    EXPECT_EQ(fourth->id, 40);
    auto* second = list.locate(keys, 2);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->id, 20);
    ASSERT_EQ(list.count(), 4u);
    EXPECT_EQ(list.at(0)->position, 1);
    EXPECT_EQ(list.at(1)->position, 2);
    EXPECT_EQ(list.at(2)->position, 4);
    EXPECT_EQ(list.at(3)->position, 5);
    EXPECT_FALSE(list.loaded);
    // Past the table's end nothing is added.
    EXPECT_EQ(list.locate(keys, 7), nullptr);
    EXPECT_EQ(list.count(), 4u);
}

TEST_F(Descriptions, ReloadRefillsOnlyACompleteList)
{
    add_records({1});
    ASSERT_TRUE(list.reload(db, log));
    EXPECT_EQ(list.count(), 0u);
    ASSERT_TRUE(list.fill_descriptions(keys, log)) << log;
    add_records({2});
    ASSERT_TRUE(list.reload(db, log));
    EXPECT_EQ(list.count(), 2u);
}

} // namespace
} // namespace ivorn
