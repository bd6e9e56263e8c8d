// The crop file line byte for byte, the crop file reader's stop rules, and the "Crops" table.
#include "reference/vorn_crop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "reference/reference_store.h"
#include "reference/reference_tables.h"
#include "support/new_project.h"
#include "support/temp_dir.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

using testing::read_file;
using testing::write_file;

// The 55 parameters in crop-file order, field 39 (the category) left out.
const std::array<float vorn_crop::*, 55> file_order = {
    &vorn_crop::wa,    &vorn_crop::hi,    &vorn_crop::top,   &vorn_crop::tbs,   &vorn_crop::dmla,
    &vorn_crop::dlai,  &vorn_crop::dlap1, &vorn_crop::dlap2, &vorn_crop::rlad,  &vorn_crop::rbmd,
    &vorn_crop::alt,   &vorn_crop::gsi,   &vorn_crop::caf,   &vorn_crop::sdw,   &vorn_crop::hmx,
    &vorn_crop::rdmx,  &vorn_crop::wac2,  &vorn_crop::cny,   &vorn_crop::cpy,   &vorn_crop::cky,
    &vorn_crop::wsyf,  &vorn_crop::pst,   &vorn_crop::cosd,  &vorn_crop::pryg,  &vorn_crop::pryf,
    &vorn_crop::wcy,   &vorn_crop::bn1,   &vorn_crop::bn2,   &vorn_crop::bn3,   &vorn_crop::bp1,
    &vorn_crop::bp2,   &vorn_crop::bp3,   &vorn_crop::bk1,   &vorn_crop::bk2,   &vorn_crop::bk3,
    &vorn_crop::bw1,   &vorn_crop::bw2,   &vorn_crop::bw3,   &vorn_crop::frst1, &vorn_crop::frst2,
    &vorn_crop::wavp,  &vorn_crop::vpth,  &vorn_crop::vpd2,  &vorn_crop::rwpc1, &vorn_crop::rwpc2,
    &vorn_crop::gmhu,  &vorn_crop::pplp1, &vorn_crop::pplp2, &vorn_crop::stx1,  &vorn_crop::stx2,
    &vorn_crop::blg1,  &vorn_crop::blg2,  &vorn_crop::wub,   &vorn_crop::fto,   &vorn_crop::flt};

// Field n of the file holds n + 0.25, the category is 4.
std::unique_ptr<vorn_crop> numbered_crop()
{
    auto crop = std::make_unique<vorn_crop>();
    crop->number = 12;
    crop->name = "CO";
    crop->category = 4;
    for (size_t i = 0; i < file_order.size(); ++i) {
        const int field = static_cast<int>(i) + (i < 38 ? 1 : 2);
        (*crop).*file_order[i] = static_cast<float>(field) + 0.25f;
    }
    return crop;
}

const std::string numbered_crop_line =
    "   12 CO  "
    "   1.250   2.250   3.250   4.250   5.250   6.250   7.250   8.250"
    "   9.250  10.250  11.250 12.2500  13.250  14.250  15.250  16.250"
    "  17.250 18.2500 19.2500 20.2500  21.250  22.250   23.25   24.25"
    "  25.250  26.250 27.2500 28.2500 29.2500 30.2500 31.2500 32.2500"
    " 33.2500 34.2500 35.2500  36.250  37.250  38.250      4.  40.250"
    "  41.250  42.250  43.250  44.250  45.250  46.250   47.25   48.25"
    "   49.25  50.250  51.250  52.250  53.250  54.250  55.250  56.250"
    "\n";

const std::string header =
    "   CROP        1       2       3       4       5       6       7       8       9      10      11      12      13      14      15      16      17      18      19      20      21      22      23      24      25      26      27      28      29      30      31      32      33      34      35      36      37      38      39      40      41      42      43      44      45      46      47      48      49      50      51      52      53      54      55      56\n"
    "   #  NAME    WA      HI     TOP     TBS    DMLA    DLAI   DLAP1   DLAP2    RLAD    RBMD     ALT     GSI     CAF     SDW     HMX    RDMX    WAC2     CNY     CPY     CKY    WSYF     PST    COSD    PRYG    PRYF     WCY     BN1     BN2     BN3     BP1     BP2     BP3     BK1     BK2     BK3     BW1     BW2     BW3     IDC   FRST1   FRST2    WAVP    VPTH    VPD2   RWPC1   RWPC2    GMHU   PPLP1   PPLP2    STX1    STX2    BLG1    BLG2     WUB     FTO     FLT\n";

class CropFile : public ::testing::Test {
protected:
    testing::temp_dir dir;
    std::string path = dir.file("crop.dat");
    vorn_production_supply_list crops;
    std::string log;
};

TEST_F(CropFile, WritesHeaderAndTheLineOfFiftySixFields)
{
    crops.add(numbered_crop());
    ASSERT_TRUE(write_crop_file(crops, path, 2110, line_end_style::lf));
    EXPECT_EQ(read_file(path), header + numbered_crop_line);
    EXPECT_EQ(numbered_crop_line.size(), 459u);
    EXPECT_EQ(numbered_crop_line.substr(314, 8), "      4.");
}

TEST_F(CropFile, WithoutHeaderAndWithWindowsLineEnds)
{
    auto crop = std::make_unique<vorn_crop>();
    crop->number = 1;
    crop->name = "CORNFIELD";
    crops.add(std::move(crop));
    ASSERT_TRUE(write_crop_file(crops, path, 2110, line_end_style::crlf, false));
    const std::string bytes = read_file(path);
    EXPECT_EQ(bytes.substr(0, 18), "    1 CORN   0.000");
    EXPECT_EQ(bytes.size(), 460u);
    EXPECT_EQ(bytes.substr(458), "\r\n");
}

TEST_F(CropFile, ReadBackWritesTheSameBytes)
{
    crops.add(numbered_crop());
    ASSERT_TRUE(write_crop_file(crops, path, 2110, line_end_style::crlf));
    const std::string first = read_file(path);
    vorn_production_supply_list read_back;
    ASSERT_TRUE(read_crop_file(read_back, path, log));
    EXPECT_EQ(log, "Crop records read: 1\r\n");
    ASSERT_TRUE(write_crop_file(read_back, path, 2110, line_end_style::crlf));
    EXPECT_EQ(read_file(path), first);
}

TEST_F(CropFile, StopRulesAndTruncatedCategory)
{
    struct read_case {
        const char* name;
        std::string bytes;
        std::vector<int> numbers;
    };
    const std::string idc_4_9 = std::string(314, ' ').replace(0, 10, "    7 WHEA") + "   4.900\n";
    const std::vector<read_case> cases = {
        {"empty file", "", {}},
        {"header only", "a\nb\n", {}},
        {"first line is lost to the header", "    1 CORN\n", {}},
        {"short line ends the import", "h\nh\n    1 CORN\n\n    2 SOYB\n", {1}},
        {"two characters end it too", "h\nh\n    1 CORN\n2\r\n    3 OATS\n", {1}},
        {"duplicate numbers are two crops", "h\nh\n    5 A\n    5 B\n", {5, 5}},
        {"last line without line end", "h\nh\n    8 RICE", {8}},
        {"category truncated", "h\nh\n" + idc_4_9, {7}},
        {"non-numeric fields", "h\nh\nabcdefghijklmnopqrstuvwxyz\n", {0}},
        {"very long line", "h\nh\n    9 LONG" + std::string(20000, '7') + "\n", {9}},
    };
    for (const auto& c : cases) {
        write_file(path, c.bytes);
        vorn_production_supply_list list;
        std::string messages;
        ASSERT_TRUE(read_crop_file(list, path, messages)) << c.name;
        std::vector<int> numbers;
        for (const auto* crop : list)
            numbers.push_back(crop->number);
        EXPECT_EQ(numbers, c.numbers) << c.name;
        EXPECT_EQ(messages, "Crop records read: " + std::to_string(c.numbers.size()) + "\r\n") << c.name;
    }
    write_file(path, "h\nh\n" + idc_4_9);
    ASSERT_TRUE(read_crop_file(crops, path, log));
    EXPECT_EQ(static_cast<const vorn_crop*>(crops.first())->category, 4);
    EXPECT_EQ(crops.first()->name, "WHEA");
}

TEST_F(CropFile, MissingAndBinaryFilesFail)
{
    EXPECT_FALSE(read_crop_file(crops, dir.file("none.dat"), log));
    EXPECT_EQ(log, "Unable to read crop file " + dir.file("none.dat") + "\r\n");
    write_file(path, std::string("h\0\xff\xfe\n", 5));
    log.clear();
    EXPECT_FALSE(read_crop_file(crops, path, log));
    EXPECT_FALSE(log.empty());
    EXPECT_TRUE(crops.empty());
}

TEST_F(CropFile, NamesAreCutOrPaddedToFourColumns)
{
    for (const auto& [name, expected] : std::vector<std::pair<std::string, std::string>>{
             {"CORNFIELD", "    3 CORN"}, {"RY", "    3 RY  "}, {"", "    3     "}}) {
        vorn_production_supply_list list;
        auto crop = std::make_unique<vorn_crop>();
        crop->number = 3;
        crop->name = name;
        list.add(std::move(crop));
        ASSERT_TRUE(write_crop_file(list, path, 2110, line_end_style::lf, false));
        EXPECT_EQ(read_file(path).substr(0, 10), expected) << name;
    }
}

class CropTable : public ::testing::Test {
protected:
    void SetUp() override { testing::open_new_project(db, dir.file("p.db")); }
    std::unique_ptr<vorn_crop> crop(int number, const char* name, float wa)
    {
        auto c = std::make_unique<vorn_crop>();
        c->number = number;
        c->name = name;
        c->wa = wa;
        return c;
    }
    testing::temp_dir dir;
    database db;
    std::string log;
};

TEST_F(CropTable, EveryFieldGoesToItsNamedColumn)
{
    vorn_production_supply_list list;
    list.add(numbered_crop());
    ASSERT_TRUE(save_crops(db, list, log)) << log;
    recordset set;
    ASSERT_TRUE(set.open(db, crops_table(), {}, log));
    EXPECT_EQ(set.get_integer("Category"), 4);
    EXPECT_EQ(set.get_real("Maximum Stomatal Conductance"), 12.25);
    EXPECT_EQ(set.get_real("Price for Yield Forage"), 25.25);
    EXPECT_EQ(set.get_real("Water in Yield"), 26.25);
    EXPECT_EQ(set.get_real("Frost Damage First Point"), 40.25);
    EXPECT_EQ(set.get_real("Flt"), 56.25);
    EXPECT_EQ(set.get_text("Name"), "CO");

    vorn_production_supply_list loaded;
    ASSERT_TRUE(load_crops(db, loaded, log));
    const auto* back = static_cast<const vorn_crop*>(loaded.first());
    const auto original = numbered_crop();
    for (size_t i = 0; i < file_order.size(); ++i)
        EXPECT_EQ((*back).*file_order[i], (*original).*file_order[i]) << "parameter " << i;
}

TEST_F(CropTable, SaveReplacesTheRowOfItsNumberAndAppendsNewNumbers)
{
    vorn_production_supply_list first;
    first.add(crop(1, "CORN", 1));
    first.add(crop(2, "SOYB", 2));
    ASSERT_TRUE(save_crops(db, first, log)) << log;
    vorn_production_supply_list imported;
    imported.add(crop(2, "WHEA", 5));
    imported.add(crop(3, "OATS", 6));
    ASSERT_TRUE(save_crops(db, imported, log)) << log;
    vorn_production_supply_list loaded;
    ASSERT_TRUE(load_crops(db, loaded, log));
    std::vector<std::string> rows;
    for (const auto* c : loaded)
        rows.push_back(std::to_string(c->number) + " " + c->name + " " +
                       std::to_string(static_cast<int>(static_cast<const vorn_crop*>(c)->wa)));
    EXPECT_EQ(rows, (std::vector<std::string>{"1 CORN 1", "2 WHEA 5", "3 OATS 6"}));
}

// A list save finds rows from one read of the table's IDs; it must pick the same rows as a save
// of one crop at a time: the first row of an ID in table order, never a row without a whole-number
// ID, and a row it added itself when the list names an ID twice.
TEST_F(CropTable, ListSaveUpdatesTheSameRowsAsOneCropAtATime)
{
    const auto rows_after = [&](bool as_list) {
        testing::temp_dir scratch;
        database project;
        testing::open_new_project(project, scratch.file("p.db"));
        // A damaged or hand-made project may lack the unique ID index.
        EXPECT_TRUE(project.execute("DROP INDEX \"Crops PrimaryKey\"", log)) << log;
        for (const char* row : {"(7, 'SEVA')", "(7, 'SEVB')", "(0.5, 'HALF')", "('x', 'TEXT')", "(8.0, 'REAL')"})
            EXPECT_TRUE(project.execute(std::string("INSERT INTO Crops (ID, Name) VALUES ") + row, log)) << log;
        vorn_production_supply_list list;
        for (const auto& [number, name] :
             std::vector<std::pair<int, const char*>>{{7, "NEW7"}, {0, "ZERO"}, {8, "NEW8"}, {9, "NINA"}, {9, "NINB"}})
            list.add(crop(number, name, 1));
        if (as_list) {
            EXPECT_TRUE(save_crops(project, list, log)) << log;
        } else {
            for (auto* member : list)
                EXPECT_TRUE(save_crop(project, *static_cast<vorn_crop*>(member), log)) << log;
        }
        std::vector<std::string> rows;
        recordset set;
        EXPECT_TRUE(set.open(project, crops_table(), {}, log, recordset::mode::read_only)) << log;
        for (set.move_first(); !set.is_eof(); set.move_next())
            rows.push_back(set.get_text("ID") + " " + set.get_text("Name"));
        return rows;
    };
    const auto one_at_a_time = rows_after(false);
    EXPECT_EQ(rows_after(true), one_at_a_time);
    EXPECT_EQ(std::count(one_at_a_time.begin(), one_at_a_time.end(), "7 NEW7"), 1);
    EXPECT_EQ(std::count(one_at_a_time.begin(), one_at_a_time.end(), "9 NINB"), 1);
    EXPECT_EQ(std::count(one_at_a_time.begin(), one_at_a_time.end(), "9 NINA"), 0);
}

TEST_F(CropTable, DeleteRemovesFromListEvenWithoutARow)
{
    vorn_production_supply_list list;
    list.add(crop(1, "CORN", 1));
    list.add(crop(2, "SOYB", 2));
    auto* saved = static_cast<vorn_crop*>(list.first());
    ASSERT_TRUE(save_crop(db, *saved, log));
    EXPECT_TRUE(delete_crop(db, list, saved, log));
    EXPECT_EQ(list.count(), 1u);
    EXPECT_FALSE(delete_crop(db, list, static_cast<vorn_crop*>(list.first()), log));
    EXPECT_EQ(log, "Unable to find record to delete [Crops]\r\n");
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(db.count_rows(crops_table(), log), 0);
}

TEST_F(CropTable, AddedCropsAreNumberedAfterTheLast)
{
    vorn_production_supply_list list;
    EXPECT_EQ(next_added_number(list), 1);
    list.add(crop(7, "A", 0));
    EXPECT_EQ(next_added_number(list), 8);
    vorn_crop* added = add_new_record<vorn_crop>(db, crops_table(), list, log);
    ASSERT_NE(added, nullptr) << log;
    EXPECT_EQ(added->number, 8);
    EXPECT_EQ(added->category, 1);
    EXPECT_EQ(list.last(), added);
    EXPECT_EQ(db.count_rows(crops_table(), log), 1);
    list.add(crop(INT32_MAX, "B", 0));
    EXPECT_EQ(next_added_number(list), -1);
    EXPECT_EQ(add_new_record<vorn_crop>(db, crops_table(), list, log), nullptr);
    EXPECT_EQ(list.count(), 3u);
}

} // namespace
} // namespace ivorn
