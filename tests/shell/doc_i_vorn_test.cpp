// The document headless: opening (and refusing) files, the moves with RecordList on and off, the
// store before a move, Record / New and Record / Delete, closing, and the help text beside the file.
#include "shell/doc_i_vorn.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>

#include "core/text_utils.h"
#include "shell/project_database.h"
#include "site/control_record_table.h"
#include "support/fake_user_interface.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

class Document : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = scratch.file("i_VORN.mdb");
        std::string log;
        ASSERT_TRUE(create_project_database(path, log)) << log;
    }

    void add_records(std::initializer_list<int> ids)
    {
        database db;
        std::string log;
        ASSERT_TRUE(open_project_database(db, path, log)) << log;
        // Every stored record has its parameters row and its ten herd slots.
        for (int id : ids) {
            ASSERT_TRUE(db.execute(format_printf("INSERT INTO \"Control Records\" (\"ID\", \"Description\", "
                                                 "\"Simulation Length\") VALUES (%d, 'Run %d', %d)",
                                                 id, id, id + 100),
                                   log));
            ASSERT_TRUE(db.execute(format_printf("INSERT INTO \"Parameters\" (\"ID\") VALUES (%d)", id), log));
            for (int slot = 0; slot < 10; ++slot)
                ASSERT_TRUE(db.execute(format_printf("INSERT INTO \"Livestock\" (\"ID\") VALUES (%d)", id), log));
        }
    }

    std::string stored_text(int id, const char* column)
    {
        database db;
        std::string log;
        EXPECT_TRUE(open_project_database(db, path, log));
        recordset set;
        EXPECT_TRUE(set.open(db, control_records_table(), filter_by("ID", field_value(std::int64_t{id})), log));
        return set.is_empty() ? "(no row)" : set.get_text(column);
    }

    // Position and record ID of the current entry, and the ID in the record object.
    void expect_current(long position, int id)
    {
        EXPECT_EQ(doc.current_position(), position);
        ASSERT_NE(doc.current_entry(), nullptr);
        EXPECT_EQ(doc.current_entry()->id, id);
        EXPECT_EQ(doc.current_record()->id, id);
        EXPECT_EQ(doc.current_record()->simulation_length, id + 100);
    }

    std::string error_texts() const
    {
        std::string all;
        for (const auto& shown : ui.error_lists)
            all += shown.caption + "|" + shown.text;
        return all;
    }

    testing::temp_dir scratch;
    std::string path;
    app_settings settings;
    testing::fake_user_interface ui;
    doc_i_vorn doc{settings, ui};
};

TEST_F(Document, FileThatIsNotAProjectDatabaseLeavesNoDocument)
{
    const std::string text_file = scratch.file("notes.mdb");
    std::ofstream(text_file) << "just text\n";
    EXPECT_FALSE(doc.open_database(text_file));
    EXPECT_FALSE(doc.is_open());
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].caption, "i_VORN Database");
    EXPECT_NE(ui.error_lists[0].text.find("is not an i_VORN project database"), std::string::npos);
    std::string content;
    std::ifstream(text_file) >> content;
    EXPECT_EQ(content, "just");
}

TEST_F(Document, EmptyTableHasNoCurrentRecordAndMovesFindNothing)
{
    ASSERT_TRUE(doc.open_database(path));
    EXPECT_EQ(doc.current_entry(), nullptr);
    EXPECT_NE(doc.current_record(), nullptr);
    EXPECT_FALSE(doc.current_record()->modified);
    doc.record_next();
    doc.record_last();
    doc.record_first();
    EXPECT_EQ(doc.current_entry(), nullptr);
    EXPECT_EQ(doc.record_list().count(), 0u);
    EXPECT_TRUE(ui.error_lists.empty());
}

TEST_F(Document, CompleteListMovesWithHighlightHints)
{
    add_records({1, 2, 3, 4, 5});
    ASSERT_TRUE(doc.open_database(path));
    EXPECT_TRUE(doc.record_list().loaded);
    EXPECT_EQ(doc.record_list().count(), 5u);
    expect_current(1, 1);
    doc.record_next();
    expect_current(2, 2);
    doc.record_last();
    expect_current(5, 5);
    doc.record_next();
    expect_current(5, 5);
    doc.record_previous();
    expect_current(4, 4);
    doc.go_to_position(99);
    expect_current(4, 4);
    doc.record_first();
    expect_current(1, 1);
    doc.record_previous();
    expect_current(1, 1);
    EXPECT_EQ(ui.refresh_hints, (std::vector<int>{1, 0, 1, 0, 0, 0, 0, 0}));
    // A highlight-only refresh leaves the form alone: every move, found or not, fills it itself.
    EXPECT_EQ(ui.record_shows, 8);
    EXPECT_TRUE(ui.error_lists.empty());
}

TEST_F(Document, LazyListGrowsByVisitsAndCompletesAtTheEnd)
{
    settings.record_list = 0;
    add_records({10, 20, 30});
    ASSERT_TRUE(doc.open_database(path));
    EXPECT_FALSE(doc.record_list().loaded);
    EXPECT_EQ(doc.record_list().count(), 1u);
    expect_current(1, 10);
    doc.record_next();
    doc.record_next();
    expect_current(3, 30);
    EXPECT_FALSE(doc.record_list().loaded);
    doc.record_next();
    expect_current(3, 30);
    EXPECT_TRUE(doc.record_list().loaded);
    EXPECT_EQ(doc.record_list().count(), 3u);
    EXPECT_EQ(ui.refresh_hints, (std::vector<int>{1, 1, 1, 1}));
}

TEST_F(Document, GoToBeyondTheEndOfALazyListIsReported)
{
    settings.record_list = 0;
    add_records({1, 2, 3, 4, 5});
    ASSERT_TRUE(doc.open_database(path));
    ui.integer_answers = {4, 9};
    doc.record_go_to();
    expect_current(4, 4);
    EXPECT_EQ(ui.prompts, std::vector<std::string>{"Which record number?"});
    EXPECT_EQ(doc.record_list().count(), 2u);
    doc.record_go_to();
    expect_current(4, 4);
    EXPECT_EQ(error_texts(), "i_VORN Database|Unable to reach that record.\r\n");
    doc.record_previous();
    expect_current(3, 3);
    doc.record_next();
    doc.record_next();
    expect_current(5, 5);
    EXPECT_EQ(doc.record_list().count(), 4u);
}

TEST_F(Document, LazyMovesReachTheRecordsOfTheCompleteListDespiteGapsInTheIds)
{
    add_records({500, 2, 41, 3, 77, 9, 40});
    ASSERT_TRUE(doc.open_database(path));
    std::vector<std::pair<long, int>> complete;
    for (const auto* entry : doc.record_list())
        complete.emplace_back(entry->position, entry->id);
    doc.close_database();
    ASSERT_EQ(complete.size(), 7u);
    const auto id_at = [&complete](long position) { return complete[static_cast<size_t>(position - 1)].second; };

    app_settings lazy_settings;
    lazy_settings.record_list = 0;
    testing::fake_user_interface lazy_ui;
    doc_i_vorn lazy{lazy_settings, lazy_ui};
    ASSERT_TRUE(lazy.open_database(path));
    const auto expect_at = [&](long position, const char* move) {
        EXPECT_EQ(lazy.current_position(), position) << move;
        ASSERT_NE(lazy.current_entry(), nullptr) << move;
        EXPECT_EQ(lazy.current_entry()->id, id_at(position)) << move;
        EXPECT_EQ(lazy.current_record()->id, id_at(position)) << move;
    };
    expect_at(1, "open");
    lazy_ui.integer_answers = {5, 3, 7, 2};
    lazy.record_go_to();
    expect_at(5, "Go To 5 from 1");
    lazy.record_previous();
    expect_at(4, "Previous from 5");
    lazy.record_go_to();
    expect_at(3, "Go To 3 between 1 and 4");
    lazy.record_next();
    expect_at(4, "Next from 3 onto a known entry");
    lazy.record_next();
    expect_at(5, "Next from 4");
    lazy.record_next();
    expect_at(6, "Next from 5");
    lazy.record_go_to();
    expect_at(7, "Go To 7");
    lazy.record_go_to();
    expect_at(2, "Go To 2");
    lazy.record_previous();
    expect_at(1, "Previous from 2");
    EXPECT_FALSE(lazy.record_list().loaded);
    EXPECT_EQ(lazy_ui.error_lists.size(), 0u);
    for (const auto* entry : lazy.record_list())
        EXPECT_EQ(entry->id, id_at(entry->position)) << "entry at " << entry->position;
    lazy.record_last();
    expect_at(7, "Last");
    EXPECT_TRUE(lazy.record_list().loaded);
}

TEST_F(Document, SearchFindsByIdAndCompletesALazyList)
{
    settings.record_list = 0;
    add_records({7, 8, 9});
    ASSERT_TRUE(doc.open_database(path));
    ui.integer_answers = {9, 4};
    ui.record_shows = 0;
    ui.refresh_hints.clear();
    doc.record_search();
    expect_current(3, 9);
    EXPECT_TRUE(doc.record_list().loaded);
    EXPECT_EQ(ui.record_shows, 1);
    EXPECT_TRUE(ui.refresh_hints.empty());
    doc.record_search();
    expect_current(3, 9);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Not found."});
    EXPECT_EQ(ui.prompts, (std::vector<std::string>{"Which ID?", "Which ID?"}));
}

TEST_F(Document, MoveStoresTheModifiedRecordFirst)
{
    add_records({1, 2});
    ASSERT_TRUE(doc.open_database(path));
    ui.on_store_form_values = [this] {
        doc.current_record()->description = "Edited";
        doc.current_record()->modified = true;
    };
    doc.record_next();
    ui.on_store_form_values = nullptr;
    EXPECT_EQ(stored_text(1, "Description"), "Edited");
    EXPECT_EQ(doc.record_list().find_by_id(1)->text, "    1     1 Edited");
    expect_current(2, 2);
    EXPECT_FALSE(doc.current_record()->modified);
}

TEST_F(Document, FailedStoreKeepsTheEditedRecordCurrent)
{
    add_records({1, 2});
    ASSERT_TRUE(doc.open_database(path));
    doc.current_record()->description = std::string(81, 'x');
    doc.current_record()->modified = true;
    doc.record_next();
    EXPECT_EQ(doc.current_position(), 1);
    EXPECT_EQ(doc.current_record()->description, std::string(81, 'x'));
    EXPECT_TRUE(doc.current_record()->modified);
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_NE(ui.error_lists[0].text.find("too long"), std::string::npos);
    EXPECT_EQ(stored_text(1, "Description"), "Run 1");
}

TEST_F(Document, EditedIdMovesTheEntryWithItsRow)
{
    add_records({1, 2, 3});
    ASSERT_TRUE(doc.open_database(path));
    doc.current_record()->id = 10;
    doc.current_record()->modified = true;
    doc.record_first();
    EXPECT_EQ(stored_text(1, "ID"), "(no row)");
    EXPECT_EQ(doc.record_list().find_by_id(10)->position, 3);
    EXPECT_EQ(doc.record_list().find_by_position(1)->id, 2);
    EXPECT_EQ(doc.current_entry()->id, 2);
}

TEST_F(Document, NewProposesTheFirstFreeIdAndBecomesCurrent)
{
    add_records({1, 2, 4});
    ASSERT_TRUE(doc.open_database(path));
    doc.record_new();
    ASSERT_EQ(ui.proposed_records.size(), 1u);
    EXPECT_EQ(ui.proposed_records[0].record_id, 3);
    EXPECT_EQ(ui.proposed_records[0].station_id, 3);
    EXPECT_EQ(ui.proposed_records[0].station_name, "Weather Station 3");
    EXPECT_EQ(doc.current_position(), 3);
    EXPECT_EQ(doc.current_entry()->id, 3);
    EXPECT_EQ(doc.current_record()->id, 3);
    EXPECT_EQ(doc.current_record()->weather_station_id, 3);
    EXPECT_FALSE(doc.current_record()->modified);
    EXPECT_EQ(doc.record_list().count(), 4u);
    EXPECT_EQ(stored_text(3, "Simulation Length"), "30");
    EXPECT_EQ(ui.refresh_hints.back(), 1);
    EXPECT_EQ(ui.record_shows, 2);
}

TEST_F(Document, CancelledNewLeavesTheCurrentRecordAlone)
{
    add_records({1});
    ASSERT_TRUE(doc.open_database(path));
    ui.new_record_accept = false;
    doc.record_new();
    expect_current(1, 1);
    EXPECT_FALSE(doc.current_record()->modified);
    doc.record_next();
    EXPECT_EQ(stored_text(1, "Simulation Length"), "101");
}

TEST_F(Document, NewWithAnIdInUseIsRefused)
{
    add_records({1, 2});
    ASSERT_TRUE(doc.open_database(path));
    new_record_answer taken{2, 2, "Taken"};
    ui.new_record_override = &taken;
    doc.record_new();
    expect_current(1, 1);
    EXPECT_EQ(error_texts(), "i_VORN Database|Record ID 2 is already in use.\r\n");
}

TEST_F(Document, DeleteMakesTheSuccessorOrTheLastCurrent)
{
    add_records({1, 2, 3});
    ASSERT_TRUE(doc.open_database(path));
    doc.go_to_position(2);
    ui.record_shows = 0;
    doc.record_delete();
    expect_current(2, 3);
    EXPECT_EQ(ui.record_shows, 1);
    EXPECT_EQ(doc.record_list().count(), 2u);
    EXPECT_EQ(doc.record_list().find_by_position(2)->text, "    2     3 Run 3");
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].caption, "Record Deleted");
    EXPECT_EQ(ui.error_lists[0].ok_label, "Click This");
    EXPECT_EQ(ui.error_lists[0].text,
              "Deleted parameters, ID = 2\r\nDeleted  weather stations and 0 months(s).\r\nDeleted 10 rows of Livestock.\r\n"
              "Control record 2 deleted.\r\n");
    doc.record_delete();
    expect_current(1, 1);
    doc.record_delete();
    EXPECT_EQ(doc.current_entry(), nullptr);
    EXPECT_EQ(doc.record_list().count(), 0u);
    EXPECT_FALSE(doc.current_record()->modified);
    EXPECT_EQ(stored_text(1, "ID"), "(no row)");
    EXPECT_EQ(ui.refresh_hints.back(), 1);
}

TEST_F(Document, DeleteOnALazyListReachesTheSuccessor)
{
    settings.record_list = 0;
    add_records({1, 2, 3, 4});
    ASSERT_TRUE(doc.open_database(path));
    doc.go_to_position(4);
    doc.record_first();
    doc.record_delete();
    expect_current(1, 2);
    doc.record_last();
    expect_current(3, 4);
}

TEST_F(Document, ClosingStoresTheModifiedRecord)
{
    add_records({1});
    ASSERT_TRUE(doc.open_database(path));
    doc.current_record()->simulation_length = 55;
    doc.current_record()->modified = true;
    doc.close_database();
    EXPECT_FALSE(doc.is_open());
    EXPECT_EQ(stored_text(1, "Simulation Length"), "55");
    EXPECT_TRUE(ui.error_lists.empty());
}

TEST_F(Document, HelpTextIsLoadedFromTheDatabaseDirectory)
{
    std::ofstream(scratch.file("iVornHelp.csv")) << "CN2,0,1,,\"Curve number\"\n";
    ASSERT_TRUE(doc.open_database(path));
    std::string text;
    EXPECT_TRUE(doc.field_help().find_field_help("cn2", 0, text));
    EXPECT_EQ(text, "CN2: Curve number");
}

TEST_F(Document, NewDatabaseLeavesNoDocumentOpen)
{
    add_records({1});
    ASSERT_TRUE(doc.open_database(path));
    const std::string other = scratch.file("other.mdb");
    EXPECT_TRUE(doc.new_database(other));
    EXPECT_FALSE(doc.is_open());
    EXPECT_TRUE(ui.error_lists.empty());
    EXPECT_TRUE(doc.open_database(other));
    EXPECT_EQ(doc.current_entry(), nullptr);
}

} // namespace
} // namespace ivorn
