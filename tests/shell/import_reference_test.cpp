// The reference-file import commands: what they show, what they store, and that an import that
// fails while reading or while writing leaves the table as it was.
#include "shell/import_reference.h"

#include <gtest/gtest.h>

#include "reference/parameter_set.h"
#include "reference/parameters_table.h"
#include "reference/reference_tables.h"
#include "support/new_project.h"
#include "support/temp_dir.h"
#include "reference/vorn_crop.h"
#include "reference/vorn_fertilizer.h"
#include "site/control_record_table.h"
#include "store/recordset.h"
#include "support/fake_user_interface.h"

namespace ivorn {
namespace {

using testing::write_file;

const std::string pesticide_line = "ATRAZINE           33.00   60.00    5.00    0.45    100.00  4.50\n";

class ImportReference : public ::testing::Test {
protected:
    void SetUp() override { testing::open_new_project(db, dir.file("p.db")); }

    long long rows(const table_description& table) { return db.count_rows(table, log); }

    void add_control_record(std::int32_t id)
    {
        recordset set;
        ASSERT_TRUE(set.open(db, control_records_table(), {}, log));
        set.add_new();
        set.set("ID", field_value(std::int64_t{id}));
        ASSERT_TRUE(set.update(log)) << log;
    }

    // The next insert of this ID into the table fails, as a full disk or a locked file would.
    void fail_insert_of(const std::string& table, int id)
    {
        ASSERT_TRUE(db.execute("CREATE TRIGGER fail_" + table + " BEFORE INSERT ON \"" + table + "\" WHEN NEW.ID = " +
                                   std::to_string(id) + " BEGIN SELECT RAISE(ABORT, 'disk full'); END",
                               log))
            << log;
    }

    testing::temp_dir dir;
    std::string path = dir.file("input.dat");
    database db;
    testing::fake_user_interface ui;
    std::string log;
};

TEST_F(ImportReference, CropImportReplacesTheListAndUpsertsTheTable)
{
    vorn_production_supply_list crops;
    write_file(path, "h\nh\n    1 CORN\n    2 SOYB\n");
    ASSERT_TRUE(import_crop_file(db, crops, path, ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"File read ok"});

    write_file(path, "h\nh\n    2 SOY2\n    3 OATS\n");
    ASSERT_TRUE(import_crop_file(db, crops, path, ui));
    EXPECT_EQ(crops.count(), 2u);
    EXPECT_EQ(crops.first()->name, "SOY2");
    vorn_production_supply_list loaded;
    ASSERT_TRUE(load_crops(db, loaded, log));
    std::vector<std::string> names;
    for (const auto* crop : loaded)
        names.push_back(crop->name);
    EXPECT_EQ(names, (std::vector<std::string>{"CORN", "SOY2", "OATS"}));
    EXPECT_TRUE(ui.error_lists.empty());
}

TEST_F(ImportReference, FailedReadShowsTheLogAndWritesNothing)
{
    vorn_production_supply_list pesticides;
    write_file(path, pesticide_line + pesticide_line + "too short to be a pesticide\n");
    EXPECT_FALSE(import_pesticide_file(db, pesticides, path, ui));
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].caption, "Read errors");
    EXPECT_EQ(ui.error_lists[0].ok_label, "Click This");
    EXPECT_EQ(ui.error_lists[0].text, "Error in vorn_pesticide::read\r\nFile " + path + ", line 3.\r\n");
    EXPECT_TRUE(ui.messages.empty());
    // The document holds what was read; the table nothing.
    EXPECT_EQ(pesticides.count(), 2u);
    EXPECT_EQ(rows(pesticide_table()), 0);
}

TEST_F(ImportReference, FailureWhileWritingLeavesTheTableAsItWas)
{
    vorn_production_supply_list fertilizers;
    write_file(path, "    1 UREA      0.4600\n    2 AMMONIA   0.8200\n");
    ASSERT_TRUE(import_fertilizer_file(db, fertilizers, path, ui));
    fail_insert_of("Fertilizer", 3);
    write_file(path, "    1 UREA2     0.5000\n    2 AMMONIA2  0.9000\n    3 POTASH    0.0000\n");
    EXPECT_FALSE(import_fertilizer_file(db, fertilizers, path, ui));
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_NE(ui.error_lists[0].text.find("disk full"), std::string::npos) << ui.error_lists[0].text;
    vorn_production_supply_list loaded;
    ASSERT_TRUE(load_fertilizers(db, loaded, log));
    ASSERT_EQ(loaded.count(), 2u);
    EXPECT_EQ(loaded.first()->name, "UREA");
    EXPECT_EQ(loaded.last()->name, "AMMONIA");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"File read ok"});
}

TEST_F(ImportReference, OperationsByVersionAndMissingFile)
{
    operation_list_class operations;
    auto op = std::make_unique<vorn_operation>();
    op->number = 4;
    op->name = "PLOW";
    op->stir = 2.5f;
    operations.add(std::move(op));
    ASSERT_TRUE(operations.write_tillage_file(path, 1307, line_end_style::lf));
    operation_list_class imported;
    ASSERT_TRUE(import_operations_file(db, imported, path, 1307, ui));
    operation_list_class loaded;
    ASSERT_TRUE(loaded.load_operations(db, log));
    ASSERT_EQ(loaded.count(), 1u);
    EXPECT_EQ(loaded.first()->stir, 2.5f);

    EXPECT_FALSE(import_operations_file(db, imported, dir.file("gone.dat"), 1307, ui));
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].text, "Unable to read operations file " + dir.file("gone.dat") + "\r\n");
    EXPECT_TRUE(imported.empty());
    EXPECT_EQ(rows(operations_table()), 1);
}

std::string parameter_file(int lines, const char* value)
{
    std::string text;
    for (int i = 1; i <= lines; ++i)
        text += i <= 30 ? std::string(value) + value + "\n" : std::string(value) + value + value + value + value + "\n";
    return text;
}

TEST_F(ImportReference, ParametersGoToEveryControlRecord)
{
    add_control_record(3);
    add_control_record(1);
    // Record 1's own costs stay its own: a 40-line file carries none.
    parameter_set own;
    own.cost[0] = 8.5f;
    ASSERT_TRUE(own.save_parameters(db, 1, log));
    write_file(path, parameter_file(40, "   2.500"));
    ASSERT_TRUE(import_parameter_file(db, path, 2110, ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"File read ok"});
    for (const std::int32_t id : {1, 3}) {
        parameter_set loaded;
        std::string messages;
        ASSERT_TRUE(loaded.load_parameters(db, id, messages));
        EXPECT_TRUE(messages.empty()) << id;
        EXPECT_EQ(loaded.s_curve[0][1], 2.5f) << id;
        EXPECT_EQ(loaded.parm[94], 2.5f) << id;
        EXPECT_EQ(loaded.parm[95], 0.0f) << id;
        EXPECT_EQ(loaded.cost[0], id == 1 ? 8.5f : 0.0f) << id;
    }
    EXPECT_EQ(rows(parameters_table()), 2);
}

TEST_F(ImportReference, ParametersWithoutControlRecordsChangeNothing)
{
    write_file(path, parameter_file(41, "   1.000"));
    EXPECT_FALSE(import_parameter_file(db, path, 1307, ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"There are no control records to receive the parameters."});
    EXPECT_TRUE(ui.error_lists.empty());
    EXPECT_EQ(rows(parameters_table()), 0);
}

TEST_F(ImportReference, ParameterFileThatDoesNotOpenOrIsEmptyIsAnError)
{
    add_control_record(1);
    EXPECT_FALSE(import_parameter_file(db, dir.file("parm2110.dat"), 2110, ui));
    write_file(path, "");
    EXPECT_FALSE(import_parameter_file(db, path, 2110, ui));
    ASSERT_EQ(ui.error_lists.size(), 2u);
    EXPECT_EQ(ui.error_lists[0].text, "Unable to read parameter file " + dir.file("parm2110.dat") + "\r\n");
    EXPECT_EQ(ui.error_lists[1].text, "Unable to read vorn parameter file line 1\r\n");
    EXPECT_EQ(ui.error_lists[1].caption, "Read errors");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(rows(parameters_table()), 0);
}

TEST_F(ImportReference, ParameterImportFailingHalfwayStoresNoRecord)
{
    add_control_record(1);
    add_control_record(2);
    fail_insert_of("Parameters", 2);
    write_file(path, parameter_file(40, "   1.000"));
    EXPECT_FALSE(import_parameter_file(db, path, 2110, ui));
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(rows(parameters_table()), 0);
}

} // namespace
} // namespace ivorn
