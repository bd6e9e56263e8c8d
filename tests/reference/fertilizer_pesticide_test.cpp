// The fertilizer and pesticide files: written lines byte for byte, numbering by position, the
// short-line rules, the pesticide's read layout and error stop, and their tables.
#include <gtest/gtest.h>

#include "reference/reference_tables.h"
#include "support/new_project.h"
#include "support/temp_dir.h"
#include "reference/vorn_fertilizer.h"
#include "reference/vorn_pesticide.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

using testing::read_file;
using testing::write_file;

class SupplyFiles : public ::testing::Test {
protected:
    testing::temp_dir dir;
    std::string path = dir.file("supply.dat");
    vorn_production_supply_list list;
    std::string log;
};

std::unique_ptr<vorn_fertilizer> urea()
{
    auto f = std::make_unique<vorn_fertilizer>();
    f->number = 3;
    f->name = "UREA";
    f->mineral_nitrogen = 0.4375f;
    f->mineral_phosphorus = 0.0625f;
    f->organic_nitrogen = 1.5f;
    f->organic_phosphorus = 2.25f;
    f->organic_carbon = 12.5f;
    f->salt_fraction = 0.125f;
    f->fertilizer_cost = 310.75f;
    return f;
}

const std::string urea_line = "    3 UREA      0.4375  0.0625  0.0000  1.5000  2.2500  0.0000 12.5000  0.1250310.7500\n";

TEST_F(SupplyFiles, FertilizerRoundTripRenumbersByPosition)
{
    auto second = urea();
    second->number = 40;
    list.add(urea());
    list.add(std::make_unique<vorn_fertilizer>());
    list.add(std::move(second));
    ASSERT_TRUE(list.write_file(path, 2110, line_end_style::lf));
    vorn_production_supply_list back;
    ASSERT_TRUE(read_fertilizer_file(back, path, log));
    // Numbered by position, the empty record kept as an empty line.
    ASSERT_TRUE(back.write_file(path, 2110, line_end_style::lf));
    EXPECT_EQ(read_file(path),
              "    1 UREA      0.4375  0.0625  0.0000  1.5000  2.2500  0.0000 12.5000  0.1250310.7500\n"
              "\n"
              "    3 UREA      0.4375  0.0625  0.0000  1.5000  2.2500  0.0000 12.5000  0.1250310.7500\n");
}

TEST_F(SupplyFiles, FertilizerShortLines)
{
    const std::string sixty = std::string("   12 AMMONIA ") + "  0.1250" + "  0.2500" + "  0.5000" + "  1.0000" +
                              "  2.0000" + "  3.00";
    ASSERT_EQ(sixty.size(), 60u);
    write_file(path, "   12 UREA\n" "   40\n" + sixty + "\n" "\n" "   41 ABCDEFGHIJ\n" "x");
    ASSERT_TRUE(read_fertilizer_file(list, path, log));
    ASSERT_EQ(list.count(), 6u);
    std::vector<std::string> names;
    for (const auto* f : list)
        names.push_back(f->name);
    // 11 characters with the line end: the number only; 6: defaults.
    EXPECT_EQ(names, (std::vector<std::string>{"", "", "AMMONIA", "", "ABCDEFGH", ""}));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(list.at(static_cast<size_t>(i))->number, i + 1);
    const auto* sixty_line = static_cast<const vorn_fertilizer*>(list.at(2));
    EXPECT_EQ(sixty_line->mineral_nitrogen, 0.125f);
    EXPECT_EQ(sixty_line->organic_phosphorus, 2.0f);
    EXPECT_EQ(sixty_line->ammonia_nitrogen, 0.0f);
    EXPECT_EQ(sixty_line->fertilizer_cost, 0.0f);
    EXPECT_TRUE(log.empty());
}

std::unique_ptr<vorn_pesticide> atrazine()
{
    auto p = std::make_unique<vorn_pesticide>();
    p->number = 2;
    p->name = "ATRAZINE";
    p->solubility = 33;
    p->half_life_soil = 60;
    p->half_life_foliage = 5;
    p->wash_off_fraction = 0.45f;
    p->organic_carbon_absorption = 100;
    p->cost = 4.5f;
    return p;
}

TEST_F(SupplyFiles, PesticideWrittenLayout)
{
    list.add(atrazine());
    ASSERT_TRUE(list.write_file(path, 1307, line_end_style::lf));
    const std::string expected =
        "    2 ATRAZINE            3.300000E+01    6.000000E+01    5.000000E+00    4.500000E-01    1.000000E+02"
        "    4.500000E+00\n";
    EXPECT_EQ(read_file(path), expected);
    EXPECT_EQ(expected.size(), 119u);
}

const std::string atrazine_read_line = "ATRAZINE           33.00   60.00    5.00    0.45    100.00  4.50";

TEST_F(SupplyFiles, PesticideReadLayoutAndEmptyLastLine)
{
    ASSERT_EQ(atrazine_read_line.size(), 64u);
    write_file(path, atrazine_read_line + "\n" + "2,4-D            " + atrazine_read_line.substr(17) + "\r\n\n" +
                          atrazine_read_line + "\n");
    ASSERT_TRUE(read_pesticide_file(list, path, log));
    ASSERT_EQ(list.count(), 2u);
    const auto* first = static_cast<const vorn_pesticide*>(list.at(0));
    EXPECT_EQ(first->number, 1);
    EXPECT_EQ(first->name, "ATRAZINE");
    EXPECT_EQ(first->solubility, 33.0f);
    EXPECT_EQ(first->organic_carbon_absorption, 100.0f);
    EXPECT_EQ(first->cost, 4.5f);
    EXPECT_EQ(list.at(1)->number, 2);
    EXPECT_EQ(list.at(1)->name, "2,4-D");
    EXPECT_TRUE(log.empty());
}

TEST_F(SupplyFiles, PesticideShortLineIsAnErrorAfterTheRecordsBefore)
{
    write_file(path, atrazine_read_line + "\n" + std::string(50, 'x') + "\n" + atrazine_read_line + "\n");
    EXPECT_FALSE(read_pesticide_file(list, path, log));
    EXPECT_EQ(log, "Error in vorn_pesticide::read\r\nFile " + path + ", line 2.\r\n");
    EXPECT_EQ(list.count(), 1u);
}

// Hostile bytes read without a crash; the pesticide reader stops at short lines, so its cases are long.
TEST_F(SupplyFiles, MissingBinaryAndHostileFiles)
{
    const struct {
        bool (*read)(vorn_production_supply_list&, const std::string&, std::string&);
        std::string kind;
        std::vector<std::string> readable;
    } readers[] = {
        {read_fertilizer_file, "fertilizer", {"", "\xff\xfe\x80 garbage \x01\x02\n", std::string(100000, 'x'),
                                              " 1 NAME    abc     1e999   -nan\n"}},
        {read_pesticide_file, "pesticide", {"", std::string(70000, '\xee') + "\n", std::string(80, '-') + "\n"}},
    };
    for (const auto& r : readers) {
        EXPECT_FALSE(r.read(list, dir.file("none.dat"), log));
        EXPECT_EQ(log, "Unable to read " + r.kind + " file " + dir.file("none.dat") + "\r\n");
        write_file(path, std::string("ATRAZINE\0", 9));
        EXPECT_FALSE(r.read(list, path, log)) << r.kind;
        for (const std::string& bytes : r.readable) {
            vorn_production_supply_list read_list;
            std::string messages;
            write_file(path, bytes);
            EXPECT_TRUE(r.read(read_list, path, messages)) << r.kind;
        }
        log.clear();
    }
}

TEST_F(SupplyFiles, TablesRoundTripAndUpsert)
{
    database db;
    testing::open_new_project(db, dir.file("p.db"));
    vorn_production_supply_list fertilizers;
    fertilizers.add(urea());
    ASSERT_TRUE(save_fertilizers(db, fertilizers, log)) << log;
    static_cast<vorn_fertilizer*>(fertilizers.first())->organic_carbon = 7.5f;
    ASSERT_TRUE(save_fertilizer(db, *static_cast<vorn_fertilizer*>(fertilizers.first()), log)) << log;
    vorn_production_supply_list loaded;
    ASSERT_TRUE(load_fertilizers(db, loaded, log));
    ASSERT_EQ(loaded.count(), 1u);
    EXPECT_EQ(static_cast<const vorn_fertilizer*>(loaded.first())->organic_carbon, 7.5f);
    EXPECT_EQ(static_cast<const vorn_fertilizer*>(loaded.first())->fertilizer_cost, 310.75f);

    vorn_production_supply_list pesticides;
    pesticides.add(atrazine());
    ASSERT_TRUE(save_pesticides(db, pesticides, log)) << log;
    recordset set;
    ASSERT_TRUE(set.open(db, pesticide_table(), {}, log));
    EXPECT_EQ(set.get_integer("ID"), 2);
    EXPECT_EQ(set.get_real("Half Life Foliage"), 5.0);
    EXPECT_EQ(set.get_real("Cost"), 4.5);
    vorn_production_supply_list back;
    ASSERT_TRUE(load_pesticides(db, back, log));
    EXPECT_EQ(static_cast<const vorn_pesticide*>(back.first())->wash_off_fraction, 0.45f);

    // A list holding another kind is refused as a whole.
    EXPECT_FALSE(save_pesticides(db, fertilizers, log));
    EXPECT_EQ(db.count_rows(pesticide_table(), log), 1);
}

} // namespace
} // namespace ivorn
