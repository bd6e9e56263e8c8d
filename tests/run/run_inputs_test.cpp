// The input file set of one run: the precheck's messages, the list files by version, and the
// model inputs (both lists' line ends, the subarea file, the area total, repeated subarea IDs, the
// numbered subarea files of version 0, the previous run's final soil table with ReadSoil, or the
// stored soil on a record's first run).
#include "run/run_inputs.h"

#include <gtest/gtest.h>

#include "support/run_document.h"
#include "support/stand_in_inputs.h"

namespace ivorn {
namespace {

class RunInputs : public testing::run_document {
protected:
    void SetUp() override
    {
        run_document::SetUp();
        import_records(1);
    }
    std::string model_bytes(const std::string& name) const { return testing::read_file(model_file(name)); }
};

TEST_F(RunInputs, PrecheckReportsEveryMissingListInOrder)
{
    run_context context = doc.make_run_context();
    std::string log;
    EXPECT_TRUE(precheck_record(context, log));
    EXPECT_EQ(log, "");

    const operation_list_class no_operations;
    context.record->weather_station.number = 0;
    context.operations = &no_operations; // an empty list counts as absent
    context.pesticides = nullptr;
    context.fertilizers = nullptr;
    context.crops = nullptr;
    EXPECT_FALSE(precheck_record(context, log));
    EXPECT_EQ(log, "No current weather to run\r\n"
                   "No operation list (see \"File | Import | Import VORN Operations File\").\r\n"
                   "No pesticide list (see \"File | Import | Import VORN Pesticide File\").\r\n"
                   "No fertilizer list (see \"File | Import | Import VORN Fertilizer File\").\r\n"
                   "No crop list (see \"File | Import | Import VORN Crop File\").\r\n"
                   "Precheck failed for record ID 1.\r\n");
}

TEST_F(RunInputs, ListFilesByVersionAndFailingOnlyOnTheModelFileList)
{
    settings.model_line_ends = line_end_style::crlf;
    run_context context = doc.make_run_context();
    std::string log;
    ASSERT_TRUE(write_list_files(context, log)) << log;
    EXPECT_EQ(log, "");
    EXPECT_EQ(model_bytes("vornrun.dat"), "vorn   1   1   1   1\r\n");
    EXPECT_FALSE(model_file_exists("ivwdaily.dat"));
    for (const char* name : {"ivTill.dat", "ivCrop.dat", "ivFert.dat", "ivpest.dat", "ivPrnt.dat", "ivsublist.dat"})
        EXPECT_TRUE(model_file_exists(name)) << name;

    context.settings.vorn_version = 806;
    ASSERT_TRUE(write_list_files(context, log)) << log;
    EXPECT_EQ(model_bytes("vornrun.dat"), "vorn   1   1   1   1   0   0\r\n\r\n");
    EXPECT_EQ(model_bytes("ivwdaily.dat"), ""); // the table is empty

    // A missing reference list writes no file for it.
    std::filesystem::remove(model_file("ivCrop.dat"));
    context.crops = nullptr;
    ASSERT_TRUE(write_list_files(context, log));
    EXPECT_FALSE(model_file_exists("ivCrop.dat"));

    // A reference file that cannot be written fails the step rather than leave an older one.
    std::filesystem::remove(model_file("ivTill.dat"));
    std::filesystem::create_directory(model_file("ivTill.dat"));
    log.clear();
    EXPECT_FALSE(write_list_files(context, log));
    EXPECT_EQ(log, "ERROR, unable to open VORN file:" + model_file("ivTill.dat") + "\r\n");
    std::filesystem::remove(model_file("ivTill.dat"));
    std::filesystem::remove(model_file("ivPrnt.dat"));
    std::filesystem::create_directory(model_file("ivPrnt.dat"));
    log.clear();
    EXPECT_FALSE(write_list_files(context, log));
    EXPECT_NE(log.find(model_file("ivPrnt.dat")), std::string::npos) << log;
    std::filesystem::remove(model_file("ivPrnt.dat"));

    context.settings.working_directory = scratch.file("absent") + "/";
    const std::string absent = context.settings.working_directory;
    log.clear();
    EXPECT_FALSE(write_list_files(context, log));
    EXPECT_EQ(log.substr(0, log.find("ERROR, unable to open VORN file:")),
              "ERROR, unable to open VORN name file " + absent + "vornfile.dat\r\n"
              "ERROR, unable to open VORN run file " + absent + "vornrun.dat\r\n"
              "ERROR, unable to open VORN run file " + absent + "ivsublist.dat\r\n"
              "ERROR, unable to open VORN run file " + absent + "ivsitels.dat\r\n"
              "ERROR, unable to open VORN run file " + absent + "ivwthlst.dat\r\n"
              "ERROR, unable to open VORN run file " + absent + "ivwindls.dat\r\n");
    EXPECT_NE(log.find("ERROR, unable to open VORN file:" + absent + "ivwdaily.dat\r\n"), std::string::npos) << log;
}

TEST_F(RunInputs, SoilListLinesEndInCrCrLfOperationListLinesInCrLf)
{
    settings.model_line_ends = line_end_style::crlf;
    run_context context = doc.make_run_context();
    context.record->subareas.at(1)->channel[0] = -2.25f; // a negative area counts by its size
    const float first_area = context.record->subareas.at(0)->channel[0];
    std::string log;
    ASSERT_TRUE(write_model_inputs(context, log)) << log;
    EXPECT_EQ(model_bytes("ivSlList.dat"), "    1     0001.sol 0001\r\r\n    2     0002.sol 0002\r\r\n");
    EXPECT_EQ(model_bytes("ivOpList.dat"), "    1     0001.ops 0001\r\n    2     0002.ops 0002\r\n");
    EXPECT_EQ(context.subarea_counter, 2);
    EXPECT_DOUBLE_EQ(context.total_subarea_area, std::abs(double{first_area}) + 2.25);
    const std::string subareas = model_bytes("ivsub.dat");
    EXPECT_EQ(subareas.substr(subareas.size() - 22), "\r\n" + testing::repeat("\r\n", 10));
    for (const char* name : {"ivParm.dat", "0001.ops", "0002.ops", "0001.sol", "0002.sol", "vorncont.dat", "ivsite.dat",
                             "ivweath.dat", "ivwind.dat"})
        EXPECT_TRUE(model_file_exists(name)) << name;
}

TEST_F(RunInputs, NoSubareasWriteTenNewlinesAndEmptyLists)
{
    run_context context = doc.make_run_context();
    context.record->subareas.delete_all();
    std::string log;
    ASSERT_TRUE(write_model_inputs(context, log)) << log;
    EXPECT_EQ(model_bytes("ivsub.dat"), "\n\n\n\n\n\n\n\n\n\n");
    EXPECT_EQ(model_bytes("ivSlList.dat"), "");
    EXPECT_EQ(model_bytes("ivOpList.dat"), "");
    EXPECT_EQ(context.subarea_counter, 0);
    EXPECT_EQ(context.total_subarea_area, 0.0);
}

TEST_F(RunInputs, TwoSubareasWithOneIdNameTheSameFilesTwice)
{
    run_context context = doc.make_run_context();
    context.record->subareas.at(1)->subarea_number = 1;
    std::string log;
    ASSERT_TRUE(write_model_inputs(context, log)) << log;
    EXPECT_EQ(model_bytes("ivOpList.dat"), "    1     0001.ops 0001\n    2     0001.ops 0001\n");
    EXPECT_EQ(model_bytes("ivSlList.dat"), "    1     0001.sol 0001\r\n    2     0001.sol 0001\r\n");
    EXPECT_FALSE(model_file_exists("0002.ops"));
    EXPECT_FALSE(model_file_exists("0002.sol"));
}

TEST_F(RunInputs, VersionZeroWritesOneNumberedFilePerSubarea)
{
    settings.vorn_version = 0;
    run_context context = doc.make_run_context();
    std::string log;
    ASSERT_TRUE(write_model_inputs(context, log)) << log;
    EXPECT_FALSE(model_file_exists("ivsub.dat"));
    for (const char* name : {"ivsub.dat1", "ivsub.dat2"}) {
        const std::string bytes = model_bytes(name);
        ASSERT_GT(bytes.size(), 11u) << name;
        EXPECT_EQ(bytes.substr(bytes.size() - 11), "\n\n\n\n\n\n\n\n\n\n\n") << name;
    }
    EXPECT_EQ(model_bytes("ivsub.dat2").substr(0, 16), "   2 subarea #2\n");
}

TEST_F(RunInputs, ReadSoilStartsFromThePreviousRunsFinalSoilTable)
{
    // The rename after a run leaves upper-case names; the run asks for ".sot".
    testing::write_file(model_file("00000001.0001.SOT"), "final soil of subarea 1\n");
    testing::write_file(model_file("00000001.0002.SOT"), "final soil of subarea 2\n");
    settings.read_soil = 1;
    run_context context = doc.make_run_context();
    std::string log;
    ASSERT_TRUE(write_model_inputs(context, log)) << log;
    EXPECT_EQ(model_bytes("0001.sol"), "final soil of subarea 1\n");
    EXPECT_EQ(model_bytes("0002.sol"), "final soil of subarea 2\n");
    EXPECT_FALSE(model_file_exists("00000001.0001.SOT"));

    // 806 and 1307 name them with eight digits of the subarea ID.
    testing::write_file(model_file("00000001.00000002.sot"), "wide final soil\n");
    testing::write_file(model_file("00000001.00000001.sot"), "wide final soil 1\n");
    context.settings.vorn_version = 1307;
    ASSERT_TRUE(write_model_inputs(context, log)) << log;
    EXPECT_EQ(model_bytes("0002.sol"), "wide final soil\n");
}

TEST_F(RunInputs, ReadSoilFirstRunWritesTheStoredSoilAndSaysSo)
{
    testing::write_file(model_file("0001.sol"), "another record's soil\n");
    settings.read_soil = 1;
    run_context context = doc.make_run_context();
    std::string log;
    ASSERT_TRUE(write_model_inputs(context, log)) << log;
    EXPECT_EQ(log, "No final soil table " + model_file("00000001.0001.sot")
                       + " yet: the soil of subarea 1 is written from the database.\r\n"
                         "No final soil table " + model_file("00000001.0002.sot")
                       + " yet: the soil of subarea 2 is written from the database.\r\n");
    EXPECT_EQ(model_bytes("0001.sol").substr(0, 10), "DEMO LOAM ");
    EXPECT_EQ(model_bytes("0002.sol").substr(0, 10), "DEMO CLAY ");
}

TEST_F(RunInputs, AnInvalidSoilStopsTheInputsWithItsMessages)
{
    run_context context = doc.make_run_context();
    context.record->subareas.at(1)->soil.layer_count = 0;
    std::string log;
    EXPECT_FALSE(write_model_inputs(context, log));
    EXPECT_EQ(log, "No current soil to run\r\n");
    EXPECT_FALSE(model_file_exists("0002.sol"));
    EXPECT_FALSE(model_file_exists("vorncont.dat"));
}

TEST_F(RunInputs, ScheduleThatCannotBeWrittenStopsTheInputs)
{
    // An earlier run's schedule must not pass for this run's.
    std::filesystem::create_directory(model_dir() / "0002.ops");
    run_context context = doc.make_run_context();
    std::string log;
    EXPECT_FALSE(write_model_inputs(context, log));
    EXPECT_EQ(log, "Unable to open operations file " + model_file("0002.ops") + "\r\n");
    EXPECT_FALSE(model_file_exists("vorncont.dat"));
}

} // namespace
} // namespace ivorn
