// Import VORNFILE.DAT through the document: the made-up data set imported, stored and loaded again
// with its values; one transaction, so a failure anywhere leaves the database as it was; an ID in
// use is refused; the model file list and run file readers.
#include "shell/import_dataset.h"

#include <gtest/gtest.h>

#include "core/text_utils.h"
#include "shell/all_tables.h"
#include "shell/doc_i_vorn.h"
#include "shell/project_database.h"
#include "support/fake_user_interface.h"
#include "support/made_up_dataset.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

class ImportDataset : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string log;
        ASSERT_TRUE(create_project_database(scratch.file("i_VORN.mdb"), log)) << log;
        vornfile = testing::write_made_up_dataset(scratch.path() / "set");
        ASSERT_TRUE(doc.open_database(scratch.file("i_VORN.mdb")));
    }

    // Every table's row count, in creation order.
    std::string table_counts()
    {
        std::string counts;
        std::string log;
        for (const table_description* table : all_tables())
            counts += format_printf("%s=%lld ", table->name.c_str(), doc.db()->count_rows(*table, log));
        return counts;
    }

    std::string set_file(const std::string& name) const { return (scratch.path() / "set" / name).string(); }

    testing::temp_dir scratch;
    std::string vornfile;
    app_settings settings;
    testing::fake_user_interface ui;
    doc_i_vorn doc{settings, ui};
    std::int32_t id = 0;
};

TEST_F(ImportDataset, MadeUpDataSetIsStoredAndLoadedAgainWithItsValues)
{
    ASSERT_TRUE(doc.import_dataset(vornfile, id)) << (ui.error_lists.empty() ? "" : ui.error_lists.back().text);
    EXPECT_EQ(id, 1);
    ASSERT_EQ(ui.proposed_records.size(), 1u);
    EXPECT_EQ(ui.proposed_records[0].station_name, "Weather Station 1");
    EXPECT_EQ(ui.wait_cursors, 0);
    EXPECT_EQ(doc.current_position(), 1);

    // The current record was loaded back from the tables: a value from each file of the set. The
    // subarea, soil and schedule files' own fields are the subarea import's to check, and the
    // stored-again round trip below compares every subarea column.
    const control_record& r = *doc.current_record();
    EXPECT_FALSE(r.modified);
    EXPECT_EQ(r.id, 1);
    EXPECT_EQ(r.description, "DEMO RUN");
    EXPECT_EQ(r.weather_station_id, 1);
    EXPECT_EQ(r.simulation_length, 10);
    EXPECT_EQ(r.beginning_year, 1995);
    EXPECT_EQ(r.lagoon_pump_trigger, 30);
    EXPECT_FLOAT_EQ(r.co2_concentration, 350.0f);
    EXPECT_FLOAT_EQ(r.musi_parameter[3], 0.12f);
    EXPECT_FLOAT_EQ(r.parameters.s_curve[29][0], 39.0f);
    EXPECT_FLOAT_EQ(r.parameters.parm[94], 23.75f);
    EXPECT_EQ(r.number_subareas, 2);

    // The site, its herds, and weather station 3 of the lists under the record's own station.
    EXPECT_FLOAT_EQ(r.basin_channel_length, 1.5f);
    EXPECT_EQ(r.weather[0], 3);
    EXPECT_EQ(r.herds.slots[2].herd_id, 3);
    EXPECT_EQ(r.herds.slots[2].number_of_animals, 20);
    EXPECT_FLOAT_EQ(r.herds.slots[0].urine_volume, 3.5f);
    EXPECT_EQ(r.weather_station.name, "Weather Station 1");
    EXPECT_FLOAT_EQ(r.weather_station.latitude, 40.5f);
    EXPECT_FLOAT_EQ(r.weather_station.two_year_24_hour_rainfall, 50.5f);
    EXPECT_FLOAT_EQ(r.weather_station.monthly[12][11], 15.75f);
    EXPECT_FLOAT_EQ(r.weather_station.monthly[29][3], 16.25f);

    ASSERT_EQ(r.subareas.count(), 2u);
    const vorn_subarea& first = *r.subareas.first();
    EXPECT_EQ(r.subareas.at(1)->soil.layer_count, 3);
    std::string ops;
    for (const vorn_field_operation* op : first.operations)
        ops += format_printf("%d/%d#%d:%d:%g ", op->month, op->day, op->operation_number, op->int_variable,
                             static_cast<double>(op->parameters[0]));
    EXPECT_EQ(ops, "4/15#20:3:100 4/20#40:1:0.9 4/20#10:0:1500 10/1#30:0:0 ");

    ASSERT_NE(doc.operations(), nullptr);
    EXPECT_EQ(doc.operations()->count(), 5u);
    EXPECT_EQ(doc.operations()->find_by_number(40)->code, 7);
    EXPECT_EQ(doc.crops()->count(), 2u);
    EXPECT_EQ(doc.pesticides()->count(), 2u);
    EXPECT_EQ(doc.fertilizers()->count(), 3u);

    std::string counts = table_counts();
    for (const char* expected : {"Control Records=1 ", "Subareas=2 ", "Management=2 ", "Field Operations=6 ",
                                 "Parameters=1 ", "Soils=2 ", "Soil Layers=6 ", "Fertilizer=3 ", "Operations=5 ",
                                 "Pesticide=2 ", "Crops=2 ", "Livestock=10 "})
        EXPECT_NE(counts.find(expected), std::string::npos) << expected << " in " << counts;
}

TEST_F(ImportDataset, StoredAgainAndReloadedNothingChanges)
{
    ASSERT_TRUE(doc.import_dataset(vornfile, id));
    control_record& r = *doc.current_record();
    r.modified = true;
    for (vorn_subarea* subarea : r.subareas) {
        subarea->modified = true;
        subarea->soil_changed = true;
    }
    std::string log;
    ASSERT_TRUE(doc.store_current_record(log)) << log;
    const std::string counts = table_counts();

    control_record again(settings);
    recordset set;
    ASSERT_TRUE(set.open(*doc.db(), "Control Records", {}, log));
    ASSERT_TRUE(again.load(*doc.db(), set, id, log)) << log;
    EXPECT_EQ(table_counts(), counts);
    ASSERT_EQ(again.subareas.count(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        auto want = r.subareas.at(i)->subarea_bindings();
        auto got = again.subareas.at(i)->subarea_bindings();
        for (size_t b = 0; b < want.size(); ++b)
            std::visit([&](auto* w) { EXPECT_EQ(*std::get<decltype(w)>(got[b].member), *w) << want[b].column; },
                       want[b].member);
        EXPECT_EQ(again.subareas.at(i)->soil.layers, r.subareas.at(i)->soil.layers);
        EXPECT_EQ(again.subareas.at(i)->operations.count(), r.subareas.at(i)->operations.count());
    }
}

TEST_F(ImportDataset, AnIdInUseIsRefusedAndChangesNothing)
{
    ASSERT_TRUE(doc.import_dataset(vornfile, id));
    const std::string counts = table_counts();
    const new_record_answer taken{1, 5, "Elsewhere"};
    ui.new_record_override = &taken;
    EXPECT_FALSE(doc.import_dataset(vornfile, id));
    EXPECT_EQ(table_counts(), counts);
    ASSERT_FALSE(ui.error_lists.empty());
    EXPECT_EQ(ui.error_lists.back().caption, "Read errors");
    EXPECT_NE(ui.error_lists.back().text.find("Record ID 1 is already in use.\r\n"), std::string::npos);
    EXPECT_EQ(doc.current_record()->id, 1);
}

TEST_F(ImportDataset, FailureInTheSecondSubareaLeavesTheDatabaseAsItWas)
{
    const std::string counts = table_counts();
    std::filesystem::remove(set_file("0002.ops"));
    EXPECT_FALSE(doc.import_dataset(vornfile, id));
    EXPECT_EQ(table_counts(), counts);
    ASSERT_NE(doc.crops(), nullptr);
    EXPECT_TRUE(doc.crops()->empty()) << "the document's lists stay as they were";
    EXPECT_EQ(doc.current_entry(), nullptr);
    ASSERT_EQ(ui.error_lists.size(), 1u);
    EXPECT_EQ(ui.error_lists[0].text,
              "Crop records read: 2\r\n"
              "Cannot open operations file\r\n"
              "Schedule 2 of subarea 2, operation schedule list " + set_file("ivOpList.dat") + ".\r\n"
              "The data set " + vornfile + " was not imported; the database is unchanged.\r\n");
}

TEST_F(ImportDataset, SoilFileCutShortFailsTheImport)
{
    testing::write_file(set_file("soils/soil2.sol"), "DEMO CLAY\n    0.15\n");
    const std::string counts = table_counts();
    EXPECT_FALSE(doc.import_dataset(vornfile, id));
    EXPECT_EQ(table_counts(), counts);
    EXPECT_NE(ui.error_lists.back().text.find("Soil file " + set_file("soils/soil2.sol") + " ends before line 3.\r\n"
                                              "Soil 2 of subarea 2, soil list " + set_file("soils/ivSlList.dat")),
              std::string::npos)
        << ui.error_lists.back().text;
}

TEST_F(ImportDataset, FailureAfterTheRecordWasStoredIsRolledBack)
{
    const std::string counts = table_counts();
    std::string log;
    ASSERT_TRUE(doc.db()->execute("CREATE TRIGGER refuse BEFORE INSERT ON \"Pesticide\" "
                                  "BEGIN SELECT RAISE(ABORT, 'refused'); END",
                                  log))
        << log;
    EXPECT_FALSE(doc.import_dataset(vornfile, id));
    EXPECT_EQ(table_counts(), counts);
    EXPECT_EQ(doc.record_list().count(), 0u);
}

TEST_F(ImportDataset, AStoredStationNumberIsRefused)
{
    ASSERT_TRUE(doc.import_dataset(vornfile, id));
    const std::string counts = table_counts();
    const new_record_answer shared{2, 1, "Shared"};
    ui.new_record_override = &shared;
    EXPECT_FALSE(doc.import_dataset(vornfile, id));
    EXPECT_EQ(table_counts(), counts);
    EXPECT_NE(ui.error_lists.back().text.find("Weather station 1 is already stored; the data set's weather needs a "
                                              "station number of its own.\r\n"),
              std::string::npos);
}

TEST_F(ImportDataset, CancelledDialogChangesNothing)
{
    ui.new_record_accept = false;
    const std::string counts = table_counts();
    EXPECT_FALSE(doc.import_dataset(vornfile, id));
    EXPECT_EQ(table_counts(), counts);
    EXPECT_TRUE(ui.error_lists.empty());
}

TEST_F(ImportDataset, MissingParameterFileIsAFailure)
{
    std::filesystem::remove(set_file("parm.dat"));
    EXPECT_FALSE(doc.import_dataset(vornfile, id));
    EXPECT_NE(ui.error_lists.back().text.find("Unable to read parameter file " + set_file("parm.dat") + "\r\n"),
              std::string::npos);
}

TEST(ModelFileList, TwelveNamesInTheListsDirectory)
{
    testing::temp_dir dir;
    testing::write_file(dir.file("vornfile.dat"), " FSITE    a.dat\r\n B b.dat\n C /abs/c.dat\n D d\n E e\n F f\n G g\n H h\n"
                                                  " I sub/i.dat\n J j\n K k\n L l.dat trailing\n");
    model_file_list files;
    std::string log;
    ASSERT_TRUE(read_model_file_list(dir.file("vornfile.dat"), files, log)) << log;
    EXPECT_EQ(files.site_list, dir.file("a.dat"));
    EXPECT_EQ(files.weather_list, "/abs/c.dat");
    EXPECT_EQ(files.soil_list, dir.file("sub/i.dat"));
    EXPECT_EQ(files.parameters, dir.file("l.dat"));
    EXPECT_EQ(files.run, dir.file("vornrun.dat"));
    EXPECT_EQ(files.control, dir.file("vorncont.dat"));
}

TEST(ModelFileList, ShortListAndMissingFilesAreNamed)
{
    testing::temp_dir dir;
    testing::write_file(dir.file("vornfile.dat"), " A a\n B b\n C\n");
    model_file_list files;
    std::string log;
    EXPECT_FALSE(read_model_file_list(dir.file("vornfile.dat"), files, log));
    EXPECT_EQ(log, "ERROR, line 3 of the VORN name file names no file.\r\nFile " + dir.file("vornfile.dat") +
                       ", line 3.\r\n");
    log.clear();
    EXPECT_FALSE(read_model_file_list(dir.file("none.dat"), files, log));
    EXPECT_EQ(log, "ERROR, unable to open VORN name file " + dir.file("none.dat") + "\r\n");

    std::string name;
    log.clear();
    testing::write_file(dir.file("vornrun.dat"), "\n");
    EXPECT_FALSE(read_run_name(dir.file("vornrun.dat"), name, log));
    EXPECT_EQ(log, "ERROR, no run file given in " + dir.file("vornrun.dat") + "\r\n");
    testing::write_file(dir.file("vornrun.dat"), "  RUN 7    1   1   1   1\n");
    ASSERT_TRUE(read_run_name(dir.file("vornrun.dat"), name, log));
    EXPECT_EQ(name, "RUN 7");
}

} // namespace
} // namespace ivorn
