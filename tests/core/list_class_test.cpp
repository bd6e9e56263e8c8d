// Ordering, ownership and return values of the owning list.
#include <gtest/gtest.h>

#include "core/list_class.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ivorn {
namespace {

int destroyed = 0;

struct numbered : list_member {
    explicit numbered(int n) : number(n) {}
    ~numbered() override { ++destroyed; }
    int number;
};

// Orders by key; equal keys keep their order of arrival.
struct keyed : list_member {
    keyed(int k, int t) : key(k), tag(t) {}
    bool comes_before(const list_member& other) const override { return key <= static_cast<const keyed&>(other).key; }
    bool is_ordered() const override { return true; }
    int key;
    int tag;
};

TEST(ListClass, AddAppendsAndReturnsThePreviousTail)
{
    typed_list<numbered> list;
    EXPECT_EQ(list.add(std::make_unique<numbered>(1)), nullptr);
    list.add(std::make_unique<numbered>(2));
    list.add(std::make_unique<numbered>(3));
    numbered* third = list.at(2);
    EXPECT_EQ(list.add(std::make_unique<numbered>(4)), third);
    ASSERT_EQ(list.count(), 4u);
    int expected = 1;
    for (numbered* member : list)
        EXPECT_EQ(member->number, expected++);
    EXPECT_EQ(list.first()->next(), list.at(1));
    EXPECT_EQ(list.last()->next(), nullptr);
    EXPECT_EQ(list.at(list.count()), nullptr);
    EXPECT_EQ(typed_list<numbered>().first(), nullptr);
    EXPECT_EQ(list.find_by_number(3), third);
    EXPECT_EQ(list.find_by_number(9), nullptr);
}

TEST(ListClass, InsertAfterNullIsAdd)
{
    typed_list<numbered> list;
    list.add(std::make_unique<numbered>(1));
    auto* two = new numbered(2);
    EXPECT_EQ(list.insert_after(std::unique_ptr<list_member>(two), nullptr), two);
    EXPECT_EQ(list.last(), two);
    auto* middle = new numbered(9);
    list.insert_after(std::unique_ptr<list_member>(middle), list.first());
    EXPECT_EQ(list.at(1), middle);
    EXPECT_EQ(list.first()->next(), middle);
    EXPECT_EQ(middle->next(), two);
}

TEST(ListClass, UnlinkAndRemoveOnlyTouchTheirOwnMembers)
{
    typed_list<numbered> list;
    list.add(std::make_unique<numbered>(1));
    list.add(std::make_unique<numbered>(2));
    numbered stranger(7);
    destroyed = 0;
    EXPECT_EQ(list.unlink(&stranger), nullptr);
    EXPECT_FALSE(list.remove(&stranger));
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(list.count(), 2u);

    auto handed_back = list.unlink(list.first());
    ASSERT_NE(handed_back, nullptr);
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(list.count(), 1u);
    EXPECT_TRUE(list.remove(list.first()));
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(list.empty());
}

TEST(ListClass, OrderedMembersKeepArrivalOrderAmongEquals)
{
    typed_list<keyed> list;
    EXPECT_EQ(list.add(std::make_unique<keyed>(5, 1)), nullptr);
    list.add(std::make_unique<keyed>(3, 2));
    list.add(std::make_unique<keyed>(5, 3));
    list.add(std::make_unique<keyed>(3, 4));
    const int expected_tags[] = {2, 4, 1, 3};
    int i = 0;
    for (keyed* member : list)
        EXPECT_EQ(member->tag, expected_tags[i++]);
}

TEST(ListClass, DestroyingTheListDestroysEveryMember)
{
    destroyed = 0;
    {
        typed_list<numbered> list;
        for (int i = 0; i < 5; ++i)
            list.add(std::make_unique<numbered>(i));
    }
    EXPECT_EQ(destroyed, 5);
}

// The list's order as a walk from the head sees it, checked against positional access.
std::vector<std::pair<int, int>> walked(const typed_list<keyed>& list)
{
    std::vector<std::pair<int, int>> order;
    size_t index = 0;
    for (const list_member* member = list.first(); member; member = member->next(), ++index) {
        EXPECT_EQ(member, list.at(index));
        const auto& k = static_cast<const keyed&>(*member);
        order.emplace_back(k.key, k.tag);
    }
    EXPECT_EQ(index, list.count());
    return order;
}

TEST(ListClass, OrderedAddOfManyKeepsKeyOrderAndArrivalOrderOfEqualKeys)
{
    typed_list<keyed> list;
    std::vector<std::pair<int, int>> expected;
    for (int tag = 0; tag < 3000; ++tag) {
        const int key = (tag * 7919) % 13;
        list.add(std::make_unique<keyed>(key, tag));
        expected.emplace_back(key, tag);
    }
    std::stable_sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    EXPECT_EQ(walked(list), expected);
}

TEST(ListClass, LinksFollowInsertsAndUnlinksInTheMiddle)
{
    typed_list<keyed> list;
    for (int i = 0; i < 6; ++i)
        list.add(std::make_unique<keyed>(i * 2, i));
    list.insert_after(std::make_unique<keyed>(3, 10), list.at(1));
    list.add(std::make_unique<keyed>(5, 11));
    list.unlink(list.at(0));
    EXPECT_EQ(walked(list), (std::vector<std::pair<int, int>>{{2, 1}, {3, 10}, {4, 2}, {5, 11}, {6, 3}, {8, 4}, {10, 5}}));
}

} // namespace
} // namespace ivorn
