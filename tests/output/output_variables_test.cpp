// The selected-output-variables list: its file, the selection rules and the print file.
#include "output/output_variables.h"

#include <gtest/gtest.h>

#include "output/print_file.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::read_file;
using testing::temp_dir;
using testing::write_file;

const char* const sample_file =
    "  12\n"
    "1 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 \n"
    "1,4,PRCP,,in,Precipitation, all of it\n"
    "2,1,TMX,x,Degrees F,Maximum temperature\n"
    "0,30,YN,y,lb/ac,N in sediment\n"
    "0,3\n"
    "\n"
    "1,99,LOST,a,b,c\n";

list_output_variable_descriptions load(const std::string& text, message_box_texts& shown)
{
    temp_dir dir;
    write_file(dir.file("output variables.csv"), text);
    list_output_variable_descriptions list;
    EXPECT_TRUE(list.load_output_variables(dir.file("output variables.csv"), shown));
    return list;
}

TEST(OutputVariables, LoadKeepsNumberOrderEmptyFieldsAndStopsAtBlankLine)
{
    message_box_texts shown;
    const auto list = load(sample_file, shown);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(list.selection_counter, 12);
    EXPECT_EQ(list.selected_count, 1);
    ASSERT_EQ(list.count(), 4u);
    EXPECT_EQ(list.at(0)->number, 1);
    EXPECT_EQ(list.at(0)->name, "TMX");
    EXPECT_EQ(list.at(1)->number, 3);
    EXPECT_EQ(list.at(1)->name, "");
    EXPECT_EQ(list.at(2)->name, "PRCP");
    EXPECT_EQ(list.at(2)->second_text, "");
    EXPECT_EQ(list.at(2)->english_unit_label, "in");
    EXPECT_EQ(list.at(2)->description, "Precipitation, all of it");
    EXPECT_EQ(list.at(3)->number, 30);
}

TEST(OutputVariables, SwitchLineTurnsOnEvenPositionsAndShortLineLeavesRestOff)
{
    message_box_texts shown;
    auto list = load(sample_file, shown);
    for (int k = 0; k < output_file_switch_count; ++k)
        EXPECT_EQ(list.switch_on(k), k == 0 || k == 2) << k;
    list = load("5\n1 1 1\n", shown);
    EXPECT_TRUE(list.switch_on(2));
    EXPECT_FALSE(list.switch_on(3));
    EXPECT_FALSE(list.switch_on(29));
}

TEST(OutputVariables, BadCounterWarnsAndKeepsValue)
{
    message_box_texts shown;
    const auto list = load("150\n", shown);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Bad select counter");
    EXPECT_EQ(list.selection_counter, 150);

    // A counter beyond 32 bits is kept as read, not wrapped, when the list is saved again.
    auto wide = load("99999999999\n1\n", shown);
    EXPECT_EQ(shown.back(), "Bad select counter");
    temp_dir dir;
    ASSERT_TRUE(wide.save_output_variables(dir.file("out.csv"), 0, shown));
    EXPECT_EQ(read_file(dir.file("out.csv")).substr(0, 12), "99999999999\n");
}

TEST(OutputVariables, MissingAndEmptyFilesFail)
{
    temp_dir dir;
    list_output_variable_descriptions list;
    message_box_texts shown;
    EXPECT_FALSE(list.load_output_variables(dir.file("none.csv"), shown));
    write_file(dir.file("empty.csv"), "");
    EXPECT_FALSE(list.load_output_variables(dir.file("empty.csv"), shown));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "Unable to open file " + dir.file("none.csv"));
    EXPECT_EQ(shown[1], "Unable to read file " + dir.file("empty.csv"));
}

TEST(OutputVariables, SaveWritesFileByteForByteAndAdvancesCounter)
{
    message_box_texts shown;
    auto list = load("99\n1 0 1\n1,4,PRCP,,in,Precipitation\n2,1,TMX,x,Degrees F,Max, temp\n", shown);
    temp_dir dir;
    ASSERT_TRUE(list.save_output_variables(dir.file("out.csv"), 1, shown));
    EXPECT_EQ(read_file(dir.file("out.csv")),
              "   1\n"
              "1 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 \n"
              "2,1,TMX,x,Degrees F,Max, temp\n"
              "1,4,PRCP,,in,Precipitation\n");
    ASSERT_TRUE(list.save_output_variables(dir.file("out.csv"), 0, shown));
    EXPECT_EQ(list.selection_counter, 1);
    EXPECT_FALSE(list.save_output_variables(dir.file("missing/out.csv"), 0, shown));
    EXPECT_EQ(shown.back(), "Cannot open file " + dir.file("missing/out.csv"));
}

TEST(OutputVariables, SelectAndRemoveFollowTheirRules)
{
    message_box_texts shown;
    auto list = load(sample_file, shown);
    int changed = 0;
    auto all = list.all_variables();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_FALSE(list.select_variable(all[2], changed, shown)); // PRCP is printed already
    EXPECT_EQ(changed, 0);
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(list.select_variable(nullptr, changed, shown));
    EXPECT_EQ(shown.back(), "Must select an output variable");
    EXPECT_TRUE(list.select_variable(all[3], changed, shown));
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(list.selected_count, 2);
    EXPECT_EQ(list_output_variable_descriptions::list_entry(*all[3], true), "30 YN N in sediment");

    changed = 0;
    const std::string entry = list_output_variable_descriptions::list_entry(*all[0], false);
    EXPECT_EQ(entry, " 1 TMX ");
    EXPECT_TRUE(list.remove_variable(&entry, changed, shown));
    EXPECT_EQ(all[0]->state, 0);
    EXPECT_EQ(list.selected_count, 1);
    EXPECT_EQ(changed, 1);

    // A name of any length read from the file can be removed again.
    auto long_named = load("1\n\n2,5," + std::string(600, 'L') + ",,,\n", shown);
    const std::string long_entry = list_output_variable_descriptions::list_entry(*long_named.first(), false);
    EXPECT_TRUE(long_named.remove_variable(&long_entry, changed, shown));
    EXPECT_EQ(long_named.first()->state, 0);
}

TEST(OutputVariables, EleventhSelectionIsRefused)
{
    std::string text = "1\n\n";
    for (int i = 1; i <= 11; ++i)
        text += std::to_string(i <= 10 ? 2 : 0) + "," + std::to_string(i) + ",V" + std::to_string(i) + ",,,\n";
    message_box_texts shown;
    auto list = load(text, shown);
    int changed = 0;
    EXPECT_FALSE(list.select_variable(list.last(), changed, shown));
    EXPECT_EQ(shown.back(), "Maximum of 10 variables has been selected");
    EXPECT_EQ(list.last()->state, 0);
    EXPECT_EQ(changed, 0);
}

std::string print_file(const std::string& list_text, int version)
{
    message_box_texts shown;
    const auto list = load(list_text, shown);
    temp_dir dir;
    std::string log;
    EXPECT_TRUE(write_print_file(&list, version, dir.file("ivPrnt.dat"), line_end_style::lf, log));
    return read_file(dir.file("ivPrnt.dat"));
}

const std::string fixed_lines =
    "  37  41  42  43  44  45  46  47  48  50  51  52  53  54  55  56  57  58  61  62\n"
    "  75  11  13  14  15  16  17   4  77  25  29  78  18  49  64  65  66  67  68  69\n"
    "  70 141 150\n";
const std::string seventeen(17, '\n');

TEST(PrintFile, TwentyFivePrintedVariablesFillTwoLinesAndOneEmpty)
{
    std::string text = "1\n1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1\n";
    for (int i = 1; i <= 26; ++i)
        text += std::to_string(i == 26 ? 0 : 1) + "," + std::to_string(i) + ",V,,,\n";
    const std::string expected =
        "   1   2   3   4   5   6   7   8   9  10  11  12  13  14  15  16  17  18  19  20\n"
        "  21  22  23  24  25\n"
        "\n"
        "\n"
        "   1   2   3   4   5   6   7   8   9  10  11  12  13  14  15\n"
        "   4  13  14  15  27  37  38  39  48  49  72  80  82  83  84      37  41  42  43\n"
        + fixed_lines +
        "   1   0   0   0   0   0   0   0   0   0   0   0   0   0   0   0   0   0   0   0\n"
        "   0   0   0   0   0   0   0   0   0   1\n"
        + seventeen;
    EXPECT_EQ(print_file(text, 2110), expected);
}

TEST(PrintFile, NumberBlockColumnLineAndSoilTableLinePerVersion)
{
    const std::string text = "1\n0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1\n2,7,X,,,\n";
    const std::string columns = "   1   2   3   4   5   6   7   8   9  10  11  12  13  14  15";
    const struct {
        int version;
        std::string numbers;
        std::string column_end;
        std::string soil_table;
    } cases[] = {
        {604, "   7\n\n\n", "\n", ""},
        {0, "   7\n\n\n", "\n", ""},
        {806, "   7\n\n\n\n\n", "\n", "                                       1"},
        {1307, "   7\n\n\n\n\n", "  18\n", "                                       1"},
    };
    for (const auto& c : cases) {
        const std::string expected =
            c.numbers + "\n" + columns + c.column_end +
            "   4  13  14  15  27  37  38  39  48  49  72  80  82  83  84      37  41  42  43\n" + fixed_lines +
            "   0   0   0   0   0   0   0   0   0   0   0   0   0   0   0   0   0   0   0   0\n"
            "   0   0   0   0   0   0   0   0   0   1\n" +
            c.soil_table + seventeen;
        EXPECT_EQ(print_file(text, c.version), expected) << c.version;
    }
}

TEST(PrintFile, AbsentListGivesEmptyFileWithCrLfLineEndsOtherwise)
{
    temp_dir dir;
    std::string log;
    ASSERT_TRUE(write_print_file(nullptr, 2110, dir.file("ivPrnt.dat"), line_end_style::crlf, log));
    EXPECT_EQ(read_file(dir.file("ivPrnt.dat")), "");
}

} // namespace
} // namespace ivorn
