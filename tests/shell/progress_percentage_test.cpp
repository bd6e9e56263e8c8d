// The progress window's percentage and its edge rules.
#include <gtest/gtest.h>

#include <climits>

#include "shell/user_interface.h"

namespace ivorn {
namespace {

TEST(ProgressPercentage, EdgeRules)
{
    struct {
        int lower, upper, position, expected;
    } cases[] = {
        {0, 3, 0, 0},   {0, 3, -1, 0},   {0, 3, 1, 33},  {0, 3, 2, 66},     {0, 3, 3, 100},
        {0, 3, 4, 100}, {10, 20, 15, 50}, {5, 5, 6, 100}, {0, 0, 0, 0},     {INT_MIN, INT_MAX, 0, 50},
    };
    for (const auto& c : cases)
        EXPECT_EQ(progress_percentage(c.lower, c.upper, c.position), c.expected)
            << c.lower << " " << c.upper << " " << c.position;
}

} // namespace
} // namespace ivorn
