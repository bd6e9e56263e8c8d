// Record / Duplicate: the form's unsaved edits are stored, the copy holds everything the record
// owns under the next free ID, and the copy becomes the current record.
#include <gtest/gtest.h>

#include "shell/record_duplicate.h"
#include "support/run_document.h"

namespace ivorn {
namespace {

using RecordDuplicate = testing::run_document;

TEST_F(RecordDuplicate, CopiesTheEditedRecordAndMakesTheCopyCurrent)
{
    import_records(1);
    doc.current_record()->description = "edited, not stored";
    doc.current_record()->simulation_length = 12;
    doc.current_record()->modified = true;

    std::int32_t id = 0;
    ASSERT_TRUE(duplicate_current_record(doc, id)) << last_error_list_text();
    EXPECT_EQ(id, 2);
    EXPECT_EQ(doc.current_record()->id, 2);
    EXPECT_EQ(doc.current_position(), 2);
    EXPECT_EQ(doc.current_record()->description, "edited, not stored");
    EXPECT_EQ(doc.current_record()->simulation_length, 12);
    EXPECT_EQ(doc.current_record()->subareas.count(), 2u);
    EXPECT_EQ(doc.record_list().count(), 2u);
    for (const char* table : {"Subareas", "Management", "Field Operations", "Parameters", "Livestock"})
        EXPECT_EQ(rows_of(table, 2), rows_of(table, 1)) << table;
    EXPECT_GT(rows_of("Field Operations", 2), 0);
    EXPECT_TRUE(ui.error_lists.empty()) << last_error_list_text();

    doc.record_first();
    EXPECT_EQ(doc.current_record()->description, "edited, not stored");
}

TEST_F(RecordDuplicate, DoesNothingWithoutACurrentRecord)
{
    std::int32_t id = 7;
    EXPECT_FALSE(duplicate_current_record(doc, id));
    EXPECT_EQ(id, 0);
    EXPECT_EQ(doc.record_list().count(), 0u);
}

} // namespace
} // namespace ivorn
