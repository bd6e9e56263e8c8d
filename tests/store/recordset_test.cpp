// The record store: moves, edits, seeks, filters with quotes, transactions and refusing files
// that are not project databases.
#include <gtest/gtest.h>

#include "store/bound_upserter.h"
#include "store/bulk_inserter.h"
#include "store/csv_export.h"
#include "store/recordset.h"
#include "support/temp_dir.h"

#include <sstream>

namespace ivorn {
namespace {

using testing::read_file;
using testing::temp_dir;
using testing::write_file;

const table_description& things()
{
    static const table_description table =
        table_builder("Things").long_col("ID").text_col("Name", 10).single_col("Value").byte_col("Flag").primary_key({"ID"}).build();
    return table;
}

const table_description& notes()
{
    static const table_description table = table_builder("Notes").long_col("Id").text_col("Text", 20).index("Id", "Id").build();
    return table;
}

class RecordStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.file("project.db");
        std::string log;
        ASSERT_TRUE(db.create(path, {&things(), &notes()}, log)) << log;
    }
    void add_thing(std::int64_t id, const std::string& name, double value)
    {
        recordset set;
        std::string log;
        ASSERT_TRUE(set.open(db, things(), {}, log));
        set.add_new();
        set.set("ID", field_value(id));
        set.set("Name", field_value(name));
        set.set("Value", field_value(value));
        ASSERT_TRUE(set.update(log)) << log;
    }
    temp_dir dir;
    std::string path;
    database db;
};

TEST_F(RecordStore, RowsComeInKeyOrderAndMovesStopAtTheEnds)
{
    add_thing(3, "c", 3);
    add_thing(1, "a", 1);
    add_thing(2, "b", 2);
    recordset set;
    std::string log;
    ASSERT_TRUE(set.open(db, "[Things]", {}, log));
    EXPECT_EQ(set.get_integer("ID"), 1);
    set.move_next();
    EXPECT_EQ(set.get_text("name"), "b"); // names match without regard to case
    set.move_last();
    EXPECT_EQ(set.get_integer("ID"), 3);
    set.move_next();
    EXPECT_TRUE(set.is_eof());
    set.move_first();
    set.move_previous();
    EXPECT_TRUE(set.is_bof());
    EXPECT_FALSE(set.is_empty());
}

TEST_F(RecordStore, EditSeekAndDelete)
{
    add_thing(1, "a", 1);
    add_thing(2, "b", 2);
    add_thing(3, "c", 3);
    recordset set;
    std::string log;
    ASSERT_TRUE(set.open(db, things(), {}, log));
    ASSERT_TRUE(set.seek({field_value(std::int64_t{2})}));
    ASSERT_TRUE(set.edit());
    set.set("Value", field_value(0.1));
    ASSERT_TRUE(set.update(log));
    EXPECT_EQ(static_cast<float>(set.get_real("Value")), 0.1f); // a single's exact value comes back
    EXPECT_FALSE(set.seek({field_value(std::int64_t{9})}));
    EXPECT_EQ(set.get_integer("ID"), 2);
    ASSERT_TRUE(set.delete_current(log));
    set.move_next();
    EXPECT_EQ(set.get_integer("ID"), 3); // the successor of the deleted row
    EXPECT_TRUE(set.find_by_key(1));
    EXPECT_EQ(set.row_count(), 2u);
}

TEST_F(RecordStore, FiltersBindQuotesAsValues)
{
    const std::string tricky = "O'Hara \"x\"";
    add_thing(1, tricky, 1);
    add_thing(2, "plain", 2);
    recordset set;
    std::string log;
    ASSERT_TRUE(set.open(db, things(), filter_by("Name", field_value(tricky)), log));
    ASSERT_EQ(set.row_count(), 1u);
    EXPECT_EQ(set.get_integer("ID"), 1);
    set.add_new(); // a new row of a filtered set carries the filter's values
    set.set("ID", field_value(std::int64_t{5}));
    ASSERT_TRUE(set.update(log));
    EXPECT_EQ(set.get_text("Name"), tricky);
    EXPECT_FALSE(set.open(db, things(), filter_by("No Such Column", field_value(std::int64_t{1})), log));
    EXPECT_EQ(log, "Unable to open table Things\r\n");
}

TEST_F(RecordStore, ValuesThatDoNotFitAreRefusedWithAMessage)
{
    recordset set;
    std::string log;
    ASSERT_TRUE(set.open(db, things(), {}, log));
    set.add_new();
    set.set("ID", field_value(std::int64_t{1}));
    set.set("Name", field_value(std::string("eleven char")));
    EXPECT_FALSE(set.update(log));
    EXPECT_NE(log.find("too long for column [Name]"), std::string::npos);
    set.set("Name", field_value(std::string("ok")));
    set.set("Flag", field_value(std::int64_t{256}));
    log.clear();
    EXPECT_FALSE(set.update(log));
    EXPECT_EQ(log, "Value 256 does not fit column [Flag] of table Things\r\n");
}

TEST_F(RecordStore, UncommittedTransactionLeavesTheFileAsItWas)
{
    add_thing(1, "a", 1);
    {
        transaction work(db);
        add_thing(2, "b", 2);
        std::string log;
        EXPECT_EQ(delete_rows(db, things(), filter_by("ID", field_value(std::int64_t{1})), log), 1);
    }
    std::string log;
    EXPECT_EQ(db.count_rows(things(), log), 1);
    {
        transaction outer(db);
        {
            transaction inner(db);
            add_thing(3, "c", 3);
            ASSERT_TRUE(inner.commit(log));
        }
        ASSERT_TRUE(outer.commit(log));
    }
    EXPECT_EQ(db.count_rows(things(), log), 2);
}

TEST_F(RecordStore, BulkInsertAndCsvExport)
{
    bulk_inserter inserter;
    std::string log;
    ASSERT_TRUE(inserter.prepare(db, notes(), log));
    inserter.set("Id", field_value(std::int64_t{7}));
    inserter.set("Text", field_value(std::string("a, \"b\"")));
    ASSERT_TRUE(inserter.insert_row(log));
    inserter.set("Id", field_value(std::int64_t{1}));
    ASSERT_TRUE(inserter.insert_row(log));
    add_thing(1, "x", 0.1);
    std::ostringstream csv;
    ASSERT_TRUE(export_table_csv(db, notes(), csv, log));
    EXPECT_EQ(csv.str(), "Id,Text\r\n7,\"a, \"\"b\"\"\"\r\n1,\r\n"); // insertion order without a key
    std::ostringstream things_csv;
    ASSERT_TRUE(export_table_csv(db, things(), things_csv, log));
    EXPECT_EQ(things_csv.str(), "ID,Name,Value,Flag\r\n1,x,0.100000001,0\r\n");
}

TEST_F(RecordStore, NestedSetsOnOneTableKeepTheirOwnRows)
{
    add_thing(1, "one", 1.0);
    add_thing(2, "two", 2.0);
    recordset outer;
    std::string log;
    ASSERT_TRUE(outer.open(db, things(), {}, log));
    std::string seen;
    for (outer.move_first(); !outer.is_eof(); outer.move_next()) {
        recordset inner;
        ASSERT_TRUE(inner.open(db, things(), filter_by("ID", field_value(std::int64_t{3 - outer.get_integer("ID")})), log));
        seen += outer.get_text("Name") + ">" + inner.get_text("Name") + " ";
    }
    EXPECT_EQ(seen, "one>two two>one ");
    const cached_statement first = db.statement("SELECT 1");
    const cached_statement second = db.statement("SELECT 1");
    EXPECT_TRUE(first && second);
    EXPECT_NE(first.get(), second.get());
    EXPECT_FALSE(db.statement("SELECT FROM nowhere"));
}

TEST_F(RecordStore, UpsertRewritesTheRowOfTheIdOrAddsOne)
{
    add_thing(5, "five", 5.0);
    std::int32_t id = 5;
    std::string name = "FIVE";
    float value = 0.1f;
    unsigned char flag = 7;
    const binding_list whole = {{"ID", &id}, {"Name", &name}, {"Value", &value}, {"Flag", &flag}};
    bound_upserter rows(db, things());
    std::string log;
    ASSERT_TRUE(rows.upsert(5, whole, log)) << log;
    id = 6;
    name = "six";
    ASSERT_TRUE(rows.upsert(6, whole, log)) << log;
    // Without every column bound, the columns left out keep what the row holds.
    const binding_list part = {{"ID", &id}, {"Name", &name}};
    name = "SIX";
    ASSERT_TRUE(rows.upsert(6, part, log)) << log;
    name = "much too long a name";
    EXPECT_FALSE(rows.upsert(6, whole, log));
    EXPECT_EQ(log, "Text of 20 characters is too long for column [Name] (10) of table Things\r\n");
    std::ostringstream csv;
    ASSERT_TRUE(export_table_csv(db, things(), csv, log));
    EXPECT_EQ(csv.str(), "ID,Name,Value,Flag\r\n5,FIVE,0.100000001,7\r\n6,SIX,0.100000001,7\r\n");
}

TEST(RecordStoreFiles, OtherFilesAreRefusedAndLeftUnchanged)
{
    temp_dir dir;
    database db;
    std::string log;
    const std::string text_file = dir.file("notes.txt");
    write_file(text_file, "just some text, not a database at all................................................");
    EXPECT_FALSE(db.open(text_file, {&things()}, log));
    EXPECT_EQ(read_file(text_file), "just some text, not a database at all................................................");
    const std::string empty = dir.file("empty.db");
    write_file(empty, "");
    EXPECT_FALSE(db.open(empty, {&things()}, log));
    EXPECT_EQ(read_file(empty), "");
    EXPECT_FALSE(db.open(dir.file("missing.db"), {&things()}, log));
    EXPECT_FALSE(db.is_open());
    ASSERT_TRUE(db.create(dir.file("other.db"), {&notes()}, log));
    db.close();
    EXPECT_FALSE(db.open(dir.file("other.db"), {&things()}, log));
    EXPECT_NE(log.find("table Things is missing"), std::string::npos);
}

} // namespace
} // namespace ivorn
