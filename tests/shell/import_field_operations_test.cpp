// The plain-text field-operation import: which lines are taken, how [ID] and [Subarea Id] are
// filled from the current record, and the subareas' lists brought up to date.
#include "shell/import_field_operations.h"

#include <gtest/gtest.h>

#include "core/text_utils.h"
#include "shell/doc_i_vorn.h"
#include "shell/project_database.h"
#include "store/recordset.h"
#include "support/fake_user_interface.h"
#include "support/made_up_dataset.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

TEST(PlainFieldOperations, LinesTakenOnlyWhenTheirFirstFiveNumbersRead)
{
    testing::temp_dir dir;
    testing::write_file(dir.file("ops.txt"), "2 1 5 3 10 100.5 20\n"
                                             "x 1 1 1 1\n"
                                             "1 1 1\n"
                                             "\n"
                                             "7 2 6 1 30 1.5 abc 9\n"
                                             "3 1 1 1 1 1 2 3 4\r\n");
    std::vector<plain_field_operation> lines;
    std::string log;
    ASSERT_TRUE(read_plain_field_operations(dir.file("ops.txt"), lines, log));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].leading_number, 2);
    EXPECT_EQ(lines[0].operation.month, 5);
    EXPECT_EQ(lines[0].operation.operation_number, 10);
    EXPECT_FLOAT_EQ(lines[0].operation.parameters[0], 100.5f);
    EXPECT_FLOAT_EQ(lines[0].operation.parameters[1], 20.0f);
    EXPECT_FLOAT_EQ(lines[0].operation.parameters[2], 0.0f);
    EXPECT_EQ(lines[0].operation.tractor, 0) << "a new operation's default";
    EXPECT_FLOAT_EQ(lines[1].operation.parameters[0], 1.5f);
    EXPECT_FLOAT_EQ(lines[1].operation.parameters[1], 0.0f) << "from the first unreadable one on";
    EXPECT_FLOAT_EQ(lines[1].operation.parameters[2], 0.0f);
    EXPECT_FLOAT_EQ(lines[2].operation.parameters[2], 3.0f);
    EXPECT_FLOAT_EQ(lines[2].operation.parameters[3], 0.0f) << "three parameters at most";

    EXPECT_FALSE(read_plain_field_operations(dir.file("none.txt"), lines, log));
    EXPECT_EQ(log, "**Operation file not found, " + dir.file("none.txt") + "\r\n");
}

class FieldOperationImport : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string log;
        ASSERT_TRUE(create_project_database(scratch.file("i_VORN.mdb"), log)) << log;
        ASSERT_TRUE(doc.open_database(scratch.file("i_VORN.mdb")));
    }

    std::string rows()
    {
        std::string text;
        std::string log;
        recordset set;
        EXPECT_TRUE(set.open(*doc.db(), "Field Operations", {}, log));
        for (set.move_first(); !set.is_eof(); set.move_next())
            text += format_printf("%lld/%lld:%lld ", static_cast<long long>(set.get_integer("ID")),
                                  static_cast<long long>(set.get_integer("Subarea Id")),
                                  static_cast<long long>(set.get_integer("Type")));
        return text;
    }

    testing::temp_dir scratch;
    app_settings settings;
    testing::fake_user_interface ui;
    doc_i_vorn doc{settings, ui};
};

TEST_F(FieldOperationImport, LeadingNumberNamesTheSubareaOrTheFirstSubareaTakesIt)
{
    std::int32_t id = 0;
    ASSERT_TRUE(doc.import_dataset(testing::write_made_up_dataset(scratch.path() / "set"), id));
    const std::string before = rows();
    testing::write_file(scratch.file("ops.txt"), "2 1 5 3 11\n7 1 6 1 12\n1 3 1 1 13\n");
    ASSERT_TRUE(doc.import_field_operations(scratch.file("ops.txt")));
    EXPECT_EQ(rows(), before + "1/2:11 1/1:12 1/1:13 ");
    ASSERT_FALSE(ui.error_lists.empty());
    EXPECT_EQ(ui.error_lists.back().caption, "Import Operations File");
    EXPECT_EQ(ui.error_lists.back().text,
              "Field operations added to record 1: 3.\r\n"
              "2 filed under the subarea number leading their line.\r\n"
              "1 to the first subarea, 1: their leading number names no subarea of the record.\r\n");
    // The lists hold the new rows, so the next store of the record keeps them.
    const control_record& record = *doc.current_record();
    EXPECT_EQ(record.subareas.first()->operations.count(), 6u);
    EXPECT_EQ(record.subareas.at(1)->operations.count(), 3u);
    doc.current_record()->modified = true;
    doc.current_record()->subareas.first()->modified = true;
    std::string log;
    ASSERT_TRUE(doc.store_current_record(log)) << log;
    EXPECT_EQ(rows().size(), (before + "1/2:11 1/1:12 1/1:13 ").size());
}

TEST_F(FieldOperationImport, WithoutACurrentRecordNothingIsAdded)
{
    testing::write_file(scratch.file("ops.txt"), "2 1 5 3 11\n");
    EXPECT_FALSE(doc.import_field_operations(scratch.file("ops.txt")));
    EXPECT_EQ(ui.error_lists.back().text, "There is no current control record to receive the field operations.\r\n");
    EXPECT_EQ(rows(), "");
}

} // namespace
} // namespace ivorn
