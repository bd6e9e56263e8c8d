// The subarea file: the written blocks byte for byte by model version, the model's own layout read
// with its end-of-list rule and messages, and the order of the subarea list.
#include "site/vorn_subarea.h"

#include <gtest/gtest.h>

#include "core/line_reader.h"
#include "support/made_up_dataset.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::read_file;
using testing::write_file;

// Subarea 7 with a value in most lines, schedule number 3 (the writer makes it 7).
void fill(vorn_subarea& s)
{
    s.subarea_number = 7;
    s.op_schedule_number = 3;
    s.owner_id = 2;
    s.feeding_area = 1;
    s.curve_number_type = 1;
    s.pipe_outflow_subarea_id = 3;
    s.luns = 4;
    s.auto_mow_min_interval = 5;
    s.standing_dead_crop_residue = 1.5f;
    s.subarea_x_centroid = 11.25f;
    s.subarea_y_centroid = 21.5f;
    s.orientation_of_slope = 0.125f;
    s.field_length = 100.0f;
    s.field_width = 50.0f;
    s.angle_field = 45.5f;
    s.channel[0] = 4.0f;
    s.channel[5] = 0.04f;
    s.channel[6] = 50.0f;
    s.channel[9] = 0.125f;
    s.channel[19] = 1.5f;
    s.channel[29] = 8.25f;
    s.channel[30] = 0.5f;
    s.rs_time_required_to_return_to_normal_sed_conc = 10;
    s.rs_bulk_density = 1.35f;
    s.fraction_subarea_controlled_by_ponds = 0.25f;
    s.fraction_subarea_controlled_by_buffers = 0.125f;
    s.buffer_flow_length = 12.5f;
    s.irrigation_rigidity = 0;
    s.irrigation = 1;
    s.minimum_auto_irrigation_interval = 7;
    s.minimum_auto_fertilizer_interval = 14;
    s.liming_code = 1;
    s.auto_p_code = 1;
    s.auto_commercial_n_code = 1;
    s.management[0] = 0.8f;
    s.management[2] = 500.0f;
    s.management[10] = 1.0f;
    s.management[16] = 20.0f;
    s.management[17] = 0.8f;
    s.management[18] = 5.0f;
    s.management[19] = 0.375f;
    s.herd_id = {1, 3};
    s.grazing_limit[0] = 0.25f;
}

std::string written(int model_version)
{
    testing::temp_dir dir;
    vorn_subarea subarea;
    fill(subarea);
    model_file_writer out;
    EXPECT_TRUE(out.open(dir.file("ivsub.dat"), line_end_style::lf));
    subarea.write_subarea(out, model_version);
    EXPECT_TRUE(out.close());
    EXPECT_EQ(subarea.op_schedule_number, 7);
    return read_file(dir.file("ivsub.dat"));
}

TEST(SubareaFile, Version2110Block)
{
    EXPECT_EQ(written(2110), "   7 subarea #7\n"
                             "0007    7    2    1    0    0    1    0    0\n"
                             "    0.00    1.50   11.25   21.50\n"
                             "    4.00    0.00    0.00    0.00    0.00  0.0400  50.000    0.00   0.000\n"
                             "    0.00    0.00    0.00    0.00   0.000    0.00   0.000    0.00    0.00   1.500\n"
                             "    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00    8.25\n"
                             "    0.50      10   1.350\n"
                             "  01   7  14   1   0   0   0   0   1   1   0\n"
                             "    0.80    0.00   500.0     0.0     0.0    0.00    0.00    0.00    0.00    0.00\n"
                             "    1.00    0.00    0.00    0.00    0.00    0.00   20.00    0.80\n"
                             "   1   3   0   0   0   0   0   0   0   0\n"
                             "    0.25    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00\n");
}

TEST(SubareaFile, Version806Block)
{
    const std::string expected =
        "       7               7 subarea #7\n"
        "0007    7    2    1    0    0    1    0    0    3    4    5\n"
        "    0.00    1.50   11.25   21.50   0.125  100.00   50.00  45.500\n"
        "    4.00    0.00    0.00    0.00    0.00  0.0400  50.000    0.00   0.000  0.1250\n"
        "    0.00    0.00    0.00    0.00   0.000    0.00   0.000    0.00    0.00   1.500\n"
        "    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00    8.25\n"
        "    0.50      10   1.350  0.2500  0.1250   12.50\n"
        "  01   7  14   1   0   0   0   0   1   1   0\n"
        "    0.80    0.00   500.0     0.0     0.0    0.00    0.00    0.00    0.00    0.00\n"
        "    1.00    0.00    0.00    0.00    0.00    0.00    0.80    5.00   20.00   0.375\n"
        "   1   3   0   0   0   0   0   0   0   0\n"
        "    0.25    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00\n";
    EXPECT_EQ(written(806), expected);
    EXPECT_EQ(written(1307), expected);
}

TEST(SubareaFile, Version604DiffersFrom806InLinesOneThreeAndTen)
{
    const std::string text = written(604);
    EXPECT_EQ(text.substr(0, 36), "       7               7 subarea #7\n");
    EXPECT_NE(text.find("\n    0.00    1.50   11.25   21.50\n"), std::string::npos);
    EXPECT_NE(text.find("\n    1.00    0.00    0.00    0.00    0.00    0.00    0.80    5.00   20.00\n"),
              std::string::npos);
}

class SubareaImport : public ::testing::Test {
protected:
    void SetUp() override { testing::write_made_up_dataset(dir.path()); }

    bool import(std::string& log)
    {
        return list.import_subareas(9, 1, dir.file("ivsublist.dat"), dir.file("soils/ivSlList.dat"),
                                    dir.file("ivOpList.dat"), log);
    }

    testing::temp_dir dir;
    subarea_list list;
};

TEST_F(SubareaImport, TwoBlocksAndTheClosingShortLine)
{
    std::string log;
    ASSERT_TRUE(import(log)) << log;
    ASSERT_EQ(list.count(), 2u);
    const vorn_subarea& first = *list.first();
    EXPECT_EQ(first.record_id, 9);
    EXPECT_EQ(first.management_id, 9);
    EXPECT_EQ(first.subarea_number, 1);
    EXPECT_EQ(list.at(1)->subarea_number, 2);
    EXPECT_TRUE(first.modified);
    EXPECT_TRUE(first.soil_changed);
    EXPECT_EQ(first.curve_number_type, 1);
    EXPECT_FLOAT_EQ(first.subarea_x_centroid, 11.25f);
    EXPECT_FLOAT_EQ(first.channel[8], 0.25f);
    EXPECT_FLOAT_EQ(first.channel[9], 0.0f) << "not in the model's own line 4";
    // The tenth values of lines 5 and 6 stand in columns 73 to 80.
    EXPECT_FLOAT_EQ(first.channel[19], 1.5f);
    EXPECT_FLOAT_EQ(first.channel[29], 8.25f);
    EXPECT_EQ(first.rs_time_required_to_return_to_normal_sed_conc, 10);
    EXPECT_EQ(first.irrigation_rigidity, 0);
    EXPECT_EQ(first.irrigation, 1);
    EXPECT_EQ(first.minimum_auto_fertilizer_interval, 14);
    EXPECT_EQ(first.auto_p_code, 1);
    EXPECT_FLOAT_EQ(first.management[16], 21.0f);
    EXPECT_FLOAT_EQ(first.management[18], 0.0f) << "not in the model's own line 10";
    EXPECT_EQ(first.herd_id[1], 3);
    EXPECT_FLOAT_EQ(list.at(1)->grazing_limit[0], 0.5f);
    EXPECT_EQ(first.soil.name, "DEMO LOAM");
    EXPECT_EQ(list.at(1)->soil.name, "DEMO CLAY");
    EXPECT_EQ(first.land_use_number, 2);
    EXPECT_EQ(list.at(1)->autoirrigation_number, 1);
    EXPECT_EQ(first.operations.count(), 4u);
    EXPECT_EQ(first.operations.first()->subarea_number, 1);
}

TEST_F(SubareaImport, WithoutTheClosingShortLineLineOneCannotBeRead)
{
    std::string text = read_file(dir.file("ivsub.dat"));
    text.pop_back(); // the closing empty line
    write_file(dir.file("ivsub.dat"), text);
    std::string log;
    EXPECT_FALSE(import(log));
    EXPECT_EQ(log, "Unable to read line 1 of subarea file.\r\nFile " + dir.file("ivsub.dat") + ", line 25.\r\n");
    EXPECT_EQ(list.count(), 2u) << "the blocks read before stay";
}

TEST_F(SubareaImport, MissingLinesAndFilesAreNamed)
{
    write_file(dir.file("ivsub.dat"), "   1 short block\n   1   1\n");
    std::string log;
    EXPECT_FALSE(import(log));
    EXPECT_EQ(log, "Unable to read line 3 of subarea file.\r\nFile " + dir.file("ivsub.dat") + ", line 3.\r\n");

    write_file(dir.file("ivsublist.dat"), "    2 ivsub.dat\n");
    log.clear();
    EXPECT_FALSE(import(log));
    EXPECT_EQ(log, "Cannot find subarea filename");

    log.clear();
    EXPECT_FALSE(list.import_subareas(9, 1, dir.file("none.dat"), "", "", log));
    EXPECT_EQ(log, "Cannot open file subarealist " + dir.file("none.dat") + ".\r\n");
}

TEST_F(SubareaImport, ScheduleNotInTheListStopsTheImport)
{
    write_file(dir.file("ivOpList.dat"), "    1     0001.ops 0001\n");
    std::string log;
    EXPECT_FALSE(import(log));
    EXPECT_NE(log.find("Cannot find operations file in operationsfilelist\r\nSchedule 2 of subarea 2"),
              std::string::npos)
        << log;
}

TEST(SubareaList, NumbersThreeOneTwoAreListedOneTwoThree)
{
    subarea_list list;
    for (int number : {3, 1, 2, 1}) {
        auto subarea = std::make_unique<vorn_subarea>();
        subarea->subarea_number = number;
        subarea->owner_id = static_cast<int>(list.count());
        list.add(std::move(subarea));
    }
    std::string order;
    for (const vorn_subarea* s : list)
        order += std::to_string(s->subarea_number) + "." + std::to_string(s->owner_id) + " ";
    EXPECT_EQ(order, "1.1 1.3 2.2 3.0 ");
    EXPECT_EQ(list.find_by_subarea(2)->owner_id, 2);
    EXPECT_EQ(list.find_by_subarea(4), nullptr);
}

TEST(SubareaCopy, EveryMemberOperationsAndSoil)
{
    vorn_subarea original;
    fill(original);
    original.soil.name = "LOAM";
    original.soil.number = 12;
    original.soil.layers[soil_layer_columns - 1][9] = 2.5f;
    original.modified = true;
    auto op = std::make_unique<vorn_field_operation>();
    op->operation_number = 40;
    op->sequence = 3;
    original.operations.add(std::move(op));
    vorn_subarea copy;
    copy.operations.add(std::make_unique<vorn_field_operation>());
    copy.copy_from(original);
    EXPECT_EQ(copy.angle_field, 45.5f);
    EXPECT_EQ(copy.channel, original.channel);
    EXPECT_EQ(copy.management, original.management);
    EXPECT_EQ(copy.herd_id, original.herd_id);
    ASSERT_EQ(copy.operations.count(), 1u);
    EXPECT_EQ(copy.operations.first()->operation_number, 40);
    EXPECT_EQ(copy.soil.name, "LOAM");
    EXPECT_EQ(copy.soil.number, 12);
    EXPECT_EQ(copy.soil.layers[soil_layer_columns - 1][9], 2.5f);
    EXPECT_TRUE(copy.modified);
}

} // namespace
} // namespace ivorn
