// A run starts only on the record's own values: a record whose weather station or parameters have
// no row fails the precheck, holds a new record's values in their place (never the previous
// record's), and no store, not even one after a forced run, invents the missing rows.
#include <gtest/gtest.h>

#include "store/recordset.h"
#include "support/run_document.h"

namespace ivorn {
namespace {

class RunOwnValues : public testing::run_document {
protected:
    void SetUp() override
    {
        run_document::SetUp();
        import_records(2);
    }

    long long rows(const char* table, std::int32_t id)
    {
        std::string log;
        const table_description* description = doc.db()->table(table);
        recordset set;
        EXPECT_TRUE(set.open(*doc.db(), *description, filter_by("ID", field_value(std::int64_t{id})), log)) << log;
        return static_cast<long long>(set.row_count());
    }

    // Forces a run of record 2 past its failed precheck, then closes and opens the database again.
    void run_anyhow_and_reopen()
    {
        ui.error_list_answer = true;
        doc.run_this_record();
        doc.close_database();
        ASSERT_TRUE(doc.open_database(scratch.file("i_VORN.mdb")));
    }
};

TEST_F(RunOwnValues, RecordWithoutItsStationFailsThePrecheckAndNoStationIsCreated)
{
    ASSERT_TRUE(execute("DELETE FROM \"Weather\" WHERE ID = 2"));
    ASSERT_TRUE(execute("DELETE FROM \"Weather by Month\" WHERE ID = 2"));
    doc.search_id(2);
    ASSERT_EQ(doc.current_record()->id, 2);
    EXPECT_FALSE(doc.precheck_this_record());
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].text, "No weather station 2 for record 2\r\nPrecheck failed for record ID 2.\r\n");

    run_anyhow_and_reopen();
    EXPECT_EQ(rows("Weather", 2), 0);
    EXPECT_EQ(rows("Weather by Month", 2), 0);
    EXPECT_EQ(rows("Weather", 1), 1);
}

TEST_F(RunOwnValues, RecordWithoutParametersHoldsANewRecordsParametersAndFailsThePrecheck)
{
    ASSERT_TRUE(execute("DELETE FROM \"Parameters\" WHERE ID = 2"));
    doc.search_id(1);
    ASSERT_NE(doc.current_record()->parameters.parm[0], 0.0f) << "record 1 has the data set's parameters";
    doc.search_id(2);
    ASSERT_EQ(doc.current_record()->id, 2);
    const parameter_set fresh;
    const parameter_set& loaded = doc.current_record()->parameters;
    EXPECT_EQ(loaded.s_curve[0][0], fresh.s_curve[0][0]);
    EXPECT_EQ(loaded.parm[0], fresh.parm[0]);
    EXPECT_EQ(loaded.parm[94], fresh.parm[94]);
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].text, "No parameter table record for id=2.\r\n");
    ui.error_lists.clear();
    EXPECT_FALSE(doc.precheck_this_record());
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].text, "No parameters for record 2 (see \"File | Import | Import Paramater file\").\r\n"
                                      "Precheck failed for record ID 2.\r\n");

    run_anyhow_and_reopen();
    EXPECT_EQ(rows("Parameters", 2), 0);
    EXPECT_EQ(rows("Parameters", 1), 1);
}

} // namespace
} // namespace ivorn
