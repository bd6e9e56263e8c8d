// Field operations: date order, the schedule file read and written byte for byte, the illegal
// operation type, and the subarea's rows reused, shrunk and grown in list order.
#include "reference/vorn_field_operation.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <array>

#include "core/text_utils.h"
#include "reference/field_operation_table.h"
#include "support/new_project.h"
#include "support/temp_dir.h"
#include "reference/vorn_operation.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

using testing::read_file;
using testing::write_file;

std::unique_ptr<vorn_field_operation> operation(int year, int month, int day, int number, int sequence = 0)
{
    auto op = std::make_unique<vorn_field_operation>();
    op->year = year;
    op->month = month;
    op->day = day;
    op->operation_number = number;
    op->sequence = sequence;
    return op;
}

// "year/month/day#number" of each operation in list order.
std::string order_of(const field_operation_list& list)
{
    std::string text;
    for (const vorn_field_operation* op : list)
        text += format_printf("%d/%d/%d#%d.%d ", op->year, op->month, op->day, op->operation_number, op->sequence);
    return text;
}

TEST(FieldOperationOrder, SameDateHigherNumberFirstEqualOnesInArrivalOrder)
{
    struct order_case {
        const char* name;
        std::vector<std::array<int, 5>> added; // year, month, day, number, sequence
        const char* expected;
    };
    const order_case cases[] = {
        {"3 then 7", {{1, 4, 1, 3, 0}, {1, 4, 1, 7, 1}}, "1/4/1#7.1 1/4/1#3.0 "},
        {"7 then 3", {{1, 4, 1, 7, 0}, {1, 4, 1, 3, 1}}, "1/4/1#7.0 1/4/1#3.1 "},
        {"identical", {{1, 4, 1, 5, 0}, {1, 4, 1, 5, 1}, {1, 4, 1, 5, 2}}, "1/4/1#5.0 1/4/1#5.1 1/4/1#5.2 "},
        {"1 May after 30 April, before year 3",
         {{3, 1, 1, 1, 0}, {2, 5, 1, 1, 1}, {2, 4, 30, 1, 2}},
         "2/4/30#1.2 2/5/1#1.1 3/1/1#1.0 "},
    };
    for (const auto& c : cases) {
        field_operation_list list;
        for (const auto& a : c.added)
            list.add(operation(a[0], a[1], a[2], a[3], a[4]));
        EXPECT_EQ(order_of(list), c.expected) << c.name;
    }
}

class ScheduleFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto pesticide = std::make_unique<vorn_operation>();
        pesticide->number = 40;
        pesticide->code = 7;
        tillage.add(std::move(pesticide));
        auto plant = std::make_unique<vorn_operation>();
        plant->number = 10;
        plant->code = 5;
        tillage.add(std::move(plant));
    }

    std::unique_ptr<vorn_field_operation> with_parameters(int number)
    {
        auto op = operation(1, 4, 20, number);
        op->tractor = 50;
        op->crop_number = 2;
        op->int_variable = 3;
        for (int i = 0; i < vorn_field_operation::parameter_count; ++i)
            op->parameters[i] = 1.25f + static_cast<float>(i);
        return op;
    }

    testing::temp_dir dir;
    operation_list_class tillage;
    schedule_owner owner{5, 2};
    std::string log;
};

TEST_F(ScheduleFile, LinesByCodeAndLayout)
{
    struct line_case {
        int number;
        bool three_digits;
        const char* expected;
    };
    const line_case cases[] = {
        {40, false, " 1 420   40   50    2    3     1.2    2.25    3.25    4.25    5.25    6.25    7.25\n"},
        {10, false, " 1 420   10   50    2    3     1.2     2.2    3.25    4.25    5.25    6.25    7.25\n"},
        {40, true, "  1  4 20   40   50    2    3   1.250    2.25    3.25    4.25    5.25    6.25    7.25\n"},
        {10, true, "  1  4 20   10   50    2    3     1.2    2.25    3.25    4.25    5.25    6.25    7.25\n"},
    };
    for (const auto& c : cases) {
        model_file_writer out;
        ASSERT_TRUE(out.open(dir.file("line"), line_end_style::lf));
        const auto op = with_parameters(c.number);
        if (c.three_digits)
            op->write_three_digit(out, &tillage, log);
        else
            op->write_two_digit(out, &tillage, log);
        ASSERT_TRUE(out.close());
        EXPECT_EQ(read_file(dir.file("line")), c.expected) << c.number << (c.three_digits ? " three" : " two");
    }
    EXPECT_EQ(log, "");
}

TEST_F(ScheduleFile, IllegalOperationTypeIsLoggedAndTheLineStillWritten)
{
    field_operation_list list;
    list.add(with_parameters(99));
    ASSERT_TRUE(write_operation_schedule(dir.file("0002.ops"), {3, 1}, list, &tillage, 2110, line_end_style::lf, log));
    EXPECT_EQ(log, "Illegal operation type 99\n");
    EXPECT_EQ(read_file(dir.file("0002.ops")),
              "1\n"
              "   3   1\n"
              " 1 420   99   50    2    3     1.2     2.2     3.2     4.2     5.2     6.2    7.25\n"
              "\n");
}

TEST_F(ScheduleFile, VersionZeroHasNoLandUseLineAndCrlfEndsEveryLine)
{
    field_operation_list none;
    ASSERT_TRUE(write_operation_schedule(dir.file("a.ops"), {3, 1}, none, &tillage, 0, line_end_style::crlf, log));
    EXPECT_EQ(read_file(dir.file("a.ops")), "1\r\n\r\n");
}

TEST_F(ScheduleFile, WrittenTwoDigitScheduleReadsBackToTheSameValues)
{
    field_operation_list list;
    list.add(with_parameters(40));
    list.add(operation(2, 10, 31, 10));
    ASSERT_TRUE(write_operation_schedule(dir.file("s.ops"), {7, 2}, list, &tillage, 2110, line_end_style::crlf, log));
    field_operation_list read;
    schedule_header header;
    ASSERT_TRUE(read_schedule_file(dir.file("s.ops"), owner, header, read, log)) << log;
    EXPECT_EQ(header.land_use_number, 7);
    EXPECT_EQ(header.autoirrigation_number, 2);
    ASSERT_EQ(read.count(), 2u);
    const auto* first = read.first();
    EXPECT_EQ(first->record_id, 5);
    EXPECT_EQ(first->subarea_number, 2);
    EXPECT_EQ(first->tractor, 50);
    EXPECT_EQ(first->int_variable, 3);
    EXPECT_FLOAT_EQ(first->parameters[0], 1.2f); // one decimal written for a pesticide's first parameter
    EXPECT_FLOAT_EQ(first->parameters[6], 7.25f);
    EXPECT_EQ(order_of(read), "1/4/20#40.0 2/10/31#10.1 ");
}

TEST_F(ScheduleFile, BlankLinesBetweenAndAfterOperationsAreSkipped)
{
    write_file(dir.file("s.ops"), "title\n   2   0\n 1 415   10\n\n  \r\n 1 5 1   40\r\n\n");
    field_operation_list read;
    schedule_header header;
    ASSERT_TRUE(read_schedule_file(dir.file("s.ops"), owner, header, read, log));
    EXPECT_EQ(order_of(read), "1/4/15#10.0 1/5/1#40.1 ");
    EXPECT_EQ(header.land_use_number, 2);
}

TEST_F(ScheduleFile, MonthAndDayAreSixteenBitSignedAsTheirColumns)
{
    // "%u" of "-1" keeps the low 16 bits; the short columns hold them as -1.
    write_file(dir.file("s.ops"), "1\n   2   0\n 1 1 1   10\n 1-1-2   40\n");
    field_operation_list read;
    schedule_header header;
    ASSERT_TRUE(read_schedule_file(dir.file("s.ops"), owner, header, read, log));
    EXPECT_EQ(order_of(read), "1/-1/-2#40.1 1/1/1#10.0 ");
}

TEST_F(ScheduleFile, OneLineFileKeepsTheOperations)
{
    write_file(dir.file("s.ops"), "1\n");
    field_operation_list kept;
    kept.add(operation(1, 1, 1, 10));
    schedule_header header{4, 4};
    EXPECT_FALSE(read_schedule_file(dir.file("s.ops"), owner, header, kept, log));
    EXPECT_EQ(log, "Cannot read land use number in operations file");
    EXPECT_EQ(kept.count(), 1u);
    EXPECT_EQ(header.land_use_number, 4);

    std::string missing;
    EXPECT_FALSE(read_schedule_file(dir.file("none.ops"), owner, header, kept, missing));
    EXPECT_EQ(missing, "Cannot open operations file");
}

class FieldOperationRows : public ::testing::Test {
protected:
    void SetUp() override { testing::open_new_project(db, dir.file("p.db")); }

    void save(int count)
    {
        field_operation_list list;
        for (int i = 0; i < count; ++i)
            list.add(operation(1, 1, i + 1, 10 + count));
        ASSERT_TRUE(save_field_operations(db, owner, list, log)) << log;
    }

    // Row ids and days of the subarea's rows in table order.
    std::vector<std::pair<long long, int>> rows()
    {
        std::vector<std::pair<long long, int>> result;
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db.handle(), "SELECT rowid, Day FROM \"Field Operations\" ORDER BY rowid", -1, &statement,
                           nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW)
            result.push_back({sqlite3_column_int64(statement, 0), sqlite3_column_int(statement, 1)});
        sqlite3_finalize(statement);
        return result;
    }

    testing::temp_dir dir;
    database db;
    schedule_owner owner{3, 1};
    std::string log;
};

TEST_F(FieldOperationRows, ResaveReusesTheRowsThenDeletesOrAddsTheRest)
{
    const struct {
        int first;
        int second;
        const char* loaded;
    } cases[] = {
        {5, 3, "1/1/1#13.0 1/1/2#13.1 1/1/3#13.2 "},
        {3, 5, "1/1/1#15.0 1/1/2#15.1 1/1/3#15.2 1/1/4#15.3 1/1/5#15.4 "},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(db.execute("DELETE FROM \"Field Operations\"", log));
        save(c.first);
        const auto before = rows();
        save(c.second);
        const auto after = rows();
        ASSERT_EQ(after.size(), static_cast<size_t>(c.second));
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(after[i].first, before[i].first) << "row " << i << " reused";
        field_operation_list loaded;
        ASSERT_TRUE(load_field_operations(db, owner, loaded, log));
        EXPECT_EQ(order_of(loaded), c.loaded);
    }
    field_operation_list other;
    ASSERT_TRUE(load_field_operations(db, {3, 2}, other, log));
    EXPECT_TRUE(other.empty());
}

} // namespace
} // namespace ivorn
