// Editing a control record's ID through the document: every row the record owns moves to the new
// ID in one store, nothing stays behind for the next record given the old ID, and an ID already in
// use is refused before anything changes.
#include <gtest/gtest.h>

#include "site/record_owned_tables.h"
#include "store/recordset.h"
#include "support/run_document.h"

namespace ivorn {
namespace {

class RecordIdEdit : public testing::run_document {
protected:
    void SetUp() override
    {
        run_document::SetUp();
        import_records(2);
        // The data set has no point sources and no herd schedule: record 1 gets one of each.
        ASSERT_TRUE(execute("INSERT INTO \"Point Source\" (ID, \"Subarea Id\", \"Point Source Name\") "
                            "VALUES (1, 2, 'barn.pso')"));
        ASSERT_TRUE(execute("INSERT INTO \"Livestock Schedule\" (Id, \"Owner Id\", \"Herd Id\", \"Number of Animals\") "
                            "VALUES (1, 1, 1, 40)"));
        doc.search_id(1);
    }

    // Rows of every owned table under one ID, in the list's order.
    std::vector<long long> owned_rows(std::int32_t id)
    {
        std::vector<long long> counts;
        for (const table_description* table : record_owned_tables())
            counts.push_back(rows_of_table(*table, id));
        return counts;
    }

    long long rows_of_table(const table_description& table, std::int32_t id)
    {
        std::string log;
        recordset set;
        EXPECT_TRUE(set.open(*doc.db(), table, filter_by("ID", field_value(std::int64_t{id})), log)) << log;
        return static_cast<long long>(set.row_count());
    }

    bool store_with_id(std::int32_t id, std::string& log)
    {
        doc.current_record()->id = id;
        doc.current_record()->modified = true;
        return doc.store_current_record(log);
    }
};

TEST_F(RecordIdEdit, EveryOwnedRowMovesToTheNewId)
{
    const std::vector<long long> before = owned_rows(1);
    ASSERT_EQ(before.size(), 7u);
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_GT(before[i], 0) << record_owned_tables()[i]->name;

    std::string log;
    ASSERT_TRUE(store_with_id(9, log)) << log;
    EXPECT_EQ(owned_rows(9), before);
    EXPECT_EQ(owned_rows(1), std::vector<long long>(7, 0));
    EXPECT_EQ(doc.current_record()->id, 9);
    EXPECT_EQ(doc.current_position(), 2) << "the row moved behind record 2 in key order";

    // The next new record takes the free ID 1 and inherits nothing.
    doc.record_new();
    ASSERT_EQ(doc.current_record()->id, 1);
    EXPECT_EQ(owned_rows(1), (std::vector<long long>{1, 0, 0, 0, 10, 0, 0}));
    EXPECT_EQ(owned_rows(9), before);
}

TEST_F(RecordIdEdit, AnIdInUseIsRefusedBeforeAnythingChanges)
{
    const std::vector<long long> first = owned_rows(1);
    const std::vector<long long> second = owned_rows(2);
    std::string log;
    EXPECT_FALSE(store_with_id(2, log));
    EXPECT_EQ(log, "Record ID 2 is already in use.\r\n");
    EXPECT_EQ(owned_rows(1), first);
    EXPECT_EQ(owned_rows(2), second);

    // Rows that no record owns any more still hold an ID.
    ASSERT_TRUE(execute("INSERT INTO \"Point Source\" (ID, \"Subarea Id\", \"Point Source Name\") "
                        "VALUES (6, 1, 'stray.pso')"));
    log.clear();
    EXPECT_FALSE(store_with_id(6, log));
    EXPECT_EQ(log, "Record ID 6 is already in use in Point Source.\r\n");
    log.clear();
    EXPECT_FALSE(store_with_id(0, log));
    EXPECT_EQ(log, "Record ID 0 is not valid: record IDs start at 1.\r\n");
    EXPECT_EQ(owned_rows(1), first);
    EXPECT_EQ(rows_of("Control Records", 1), 1);
}

} // namespace
} // namespace ivorn
