// The model's soil file: the bytes written, what reading takes back, and files of any shape.
#include "site/vorn_soil.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::read_file;
using testing::temp_dir;
using testing::write_file;

const std::string zeros_3 = "   0.000   0.000   0.000   0.000   0.000   0.000   0.000   0.000   0.000   0.000\n";
const std::string zeros_2 = "    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00\n";

std::string repeat(const std::string& line, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}

vorn_soil crete()
{
    vorn_soil soil;
    soil.name = "Crete";
    soil.map_unit_symbol = "CrA";
    soil.soils5_id = "NE0042";
    soil.hydrologic_group = 3;
    soil.albedo = 0.13f;
    soil.maximum_layers = 10.0f;
    soil.weathering_code = 2;
    soil.layer_count = 2;
    soil.layers[layer_depth][0] = 0.2f;
    soil.layers[layer_depth][1] = 1.25f;
    soil.layers[sand_content][0] = 12.5f;
    soil.layers[15][1] = 0.125f;      // crop residue, three decimals
    soil.layers[41][9] = 3.5f;        // N in passive humus, layer 10
    return soil;
}

TEST(SoilFile, WritesFortyFiveLinesByteForByte)
{
    temp_dir dir;
    std::string log;
    ASSERT_TRUE(crete().write_soil_file(dir.file("0001.sol"), "", false, line_end_style::lf, log)) << log;
    const std::string expected =
        "Crete CrA NE0042\n"
        "    0.13    3.00    0.00    0.00    0.00    0.00    5.00  100.00    0.00    0.00\n"
        "   10.00    2.00  100.00    0.00    0.00    0.00    0.00    0.00    0.00\n"
        "   0.200   1.250   0.000   0.000   0.000   0.000   0.000   0.000   0.000   0.000\n"
        + repeat(zeros_3, 3)
        + "   12.50    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00\n"
        + repeat(zeros_2, 10)
        + "   0.000   0.125   0.000   0.000   0.000   0.000   0.000   0.000   0.000   0.000\n"
        + repeat(zeros_2, 9) + repeat(zeros_3, 2) + repeat(zeros_2, 14)
        + "    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00    3.50\n";
    EXPECT_EQ(read_file(dir.file("0001.sol")), expected);
}

TEST(SoilFile, CrlfLineEndsAndAnEmptyNameStillGiveOneFirstLine)
{
    temp_dir dir;
    vorn_soil soil;
    std::string log;
    ASSERT_TRUE(soil.write_soil_file(dir.file("a.sol"), "", false, line_end_style::crlf, log));
    const std::string bytes = read_file(dir.file("a.sol"));
    EXPECT_EQ(bytes.substr(0, 3), " \r\n");
    EXPECT_EQ(bytes.substr(3, 82), "    0.10    0.00    0.00    0.00    0.00    0.00    5.00  100.00    0.00    0.00\r\n");
}

TEST(SoilFile, WrittenReadAndWrittenAgainGivesTheSameBytes)
{
    temp_dir dir;
    vorn_soil written = crete();
    for (int column = 0; column < soil_layer_columns_read; ++column)
        for (int i = 0; i < soil_max_layers; ++i)
            written.layers[column][i] = static_cast<float>(column) + 0.25f * static_cast<float>(i);
    written.layer_count = 10;
    written.initial_water_content = 0.25f;
    written.fraction_of_humus_in_passive = 0.5f;
    std::string log;
    ASSERT_TRUE(written.write_soil_file(dir.file("s.sol"), "", false, line_end_style::crlf, log));
    vorn_soil read;
    ASSERT_TRUE(read.read_soil_file(dir.file("s.sol"), log)) << log;
    EXPECT_EQ(log, "");
    // The first line reads as the name, line 3's first value as the layer count, and the carbon and
    // nitrogen pools are not read.
    EXPECT_EQ(read.name, "Crete CrA NE0042");
    EXPECT_EQ(read.layer_count, 10);
    EXPECT_EQ(read.layers[41][9], 0.0f);
    read.name = "Crete";
    read.map_unit_symbol = "CrA";
    read.soils5_id = "NE0042";
    read.maximum_layers = 10.0f;
    read.layers[41][9] = 3.5f;
    ASSERT_TRUE(read.write_soil_file(dir.file("t.sol"), "", false, line_end_style::crlf, log));
    EXPECT_EQ(read_file(dir.file("t.sol")), read_file(dir.file("s.sol")));
}

std::string soil_file_with_layer_lines(const std::string& line_3, const std::string& first_layer_line, int lines)
{
    std::string text = "Silt loam\n    0.13\n" + line_3 + first_layer_line;
    for (int i = 1; i < lines; ++i)
        text += "     1.0\n";
    return text;
}

TEST(SoilFile, ZeroLayerCountReadsAsTen)
{
    temp_dir dir;
    write_file(dir.file("s.sol"), soil_file_with_layer_lines("    0.00    1.00\n", "     1.0\n", 27));
    vorn_soil soil;
    std::string log;
    ASSERT_TRUE(soil.read_soil_file(dir.file("s.sol"), log)) << log;
    EXPECT_EQ(soil.layer_count, 10);
    EXPECT_EQ(soil.weathering_code, 1);
}

TEST(SoilFile, FortyCharacterLayerLineGivesFiveLayers)
{
    temp_dir dir;
    const std::string layer = "     0.1     0.2     0.3     0.4     0.5\r\n";
    write_file(dir.file("s.sol"), soil_file_with_layer_lines("    3.00\n", layer, 27));
    vorn_soil soil;
    std::string log;
    ASSERT_TRUE(soil.read_soil_file(dir.file("s.sol"), log)) << log;
    EXPECT_EQ(soil.layer_count, 3);
    const float expected[10] = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0, 0, 0, 0, 0};
    for (int i = 0; i < 10; ++i)
        EXPECT_FLOAT_EQ(soil.layers[layer_depth][i], expected[i]) << i;
}

TEST(SoilFile, MissingLineThirtyFailsAndKeepsWhatWasRead)
{
    temp_dir dir;
    write_file(dir.file("s.sol"), soil_file_with_layer_lines("    3.00\n", "     2.5\n", 26));
    vorn_soil soil;
    std::string log;
    EXPECT_FALSE(soil.read_soil_file(dir.file("s.sol"), log));
    EXPECT_EQ(soil.name, "Silt loam");
    EXPECT_FLOAT_EQ(soil.layers[layer_depth][0], 2.5f);
    EXPECT_FLOAT_EQ(soil.layers[25][0], 1.0f);
    EXPECT_EQ(log, "Soil file " + dir.file("s.sol") + " ends before line 30.\r\n");
}

TEST(SoilFile, MissingFileIsNamed)
{
    vorn_soil soil;
    std::string log;
    EXPECT_FALSE(soil.read_soil_file("/nonexistent/x.sol", log));
    EXPECT_EQ(log, "ERROR, unable to open soil file /nonexistent/x.sol\r\n");
}

TEST(SoilFile, HostileInputNeverCrashes)
{
    temp_dir dir;
    const std::string long_line(100000, '9');
    const std::string cases[] = {
        "",
        std::string("\0\x01\xff garbage", 12),
        "\xff\xfe\x80\n\x01\x02\n",
        long_line + "\n" + long_line + "\n" + long_line + "\n",
        "name\nabc def ghi\n  999999\n1e999   nan     -inf    0x10    \n",
        soil_file_with_layer_lines("  -5.00\n", "1e400   -1e400  \n", 27),
    };
    for (const std::string& bytes : cases) {
        write_file(dir.file("h.sol"), bytes);
        vorn_soil soil;
        std::string log;
        soil.read_soil_file(dir.file("h.sol"), log);
        EXPECT_GE(soil.layer_count, 0);
        EXPECT_LE(soil.layer_count, 10);
        EXPECT_LE(soil.name.size(), 60u);
    }
}

TEST(SoilFile, OutOfRangeLayerCountAndValuesAreReported)
{
    temp_dir dir;
    write_file(dir.file("s.sol"), soil_file_with_layer_lines("   12.00\n", "  1e4001\n", 27));
    vorn_soil soil;
    std::string log;
    // The count is taken as a full profile; a value no single float holds stops the read.
    EXPECT_FALSE(soil.read_soil_file(dir.file("s.sol"), log));
    EXPECT_EQ(soil.layer_count, 10);
    const std::string path = dir.file("s.sol");
    EXPECT_EQ(log, "Soil file " + path + " gives 12 layers; 10 layers were read.\r\n"
                   "Number beyond a single float: " + path + " line 4 columns 1-8\r\n");
}

TEST(SoilFile, ReadSoilRenamesTheFinalSoilTableOrFails)
{
    temp_dir dir;
    write_file(dir.file("0001.sol"), "old\n");
    std::string log;
    EXPECT_FALSE(vorn_soil().write_soil_file(dir.file("0001.sol"), dir.file("none.sot"), true, line_end_style::lf, log));
    EXPECT_EQ(log, "Cannot rename " + dir.file("none.sot") + " to " + dir.file("0001.sol") + "\r\n");
    write_file(dir.file("00000001.0001.sot"), "final soil\n");
    log.clear();
    ASSERT_TRUE(vorn_soil().write_soil_file(dir.file("0001.sol"), dir.file("00000001.0001.sot"), true,
                                            line_end_style::lf, log));
    EXPECT_EQ(read_file(dir.file("0001.sol")), "final soil\n");
    EXPECT_EQ(log, "");
}

TEST(SoilFile, SoilListFindsTheSoilByNumber)
{
    temp_dir dir;
    write_file(dir.file("soils.lst"), "    1 one.sol     \n   12 crete.sol    extra\n");
    const std::string soil_text = soil_file_with_layer_lines("    2.00\n", "     0.3\n", 27);
    write_file(dir.file("crete.sol"), soil_text);
    vorn_soil soil;
    std::string log;
    ASSERT_TRUE(find_soil_file(dir.file("soils.lst"), 12, soil, log)) << log;
    EXPECT_EQ(soil.name, "Silt loam");
    EXPECT_EQ(soil.layer_count, 2);

    EXPECT_FALSE(find_soil_file(dir.file("soils.lst"), 5, soil, log));
    EXPECT_EQ(log, "Cannot find soil file in soilfile list\n");
    log.clear();
    EXPECT_TRUE(find_soil_file(dir.file("soils.lst"), 1, soil, log)) << "found even though one.sol is missing";
    log.clear();
    EXPECT_FALSE(find_soil_file(dir.file("missing.lst"), 1, soil, log));
    EXPECT_EQ(log, "Cannot open soillist file\n");
}

} // namespace
} // namespace ivorn
