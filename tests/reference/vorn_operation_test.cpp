// The tillage file by model version: header and line byte for byte, whole-number fields, the
// version tails, the reader's every-line rule, and the "Operations" table.
#include "reference/vorn_operation.h"

#include <gtest/gtest.h>

#include "reference/reference_tables.h"
#include "support/new_project.h"
#include "support/temp_dir.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

using testing::read_file;
using testing::write_file;

// Fields 6 to 22 hold n + 0.5; 24 to 27 likewise; 28 and 29 likewise.
std::unique_ptr<vorn_operation> disk_harrow()
{
    auto op = std::make_unique<vorn_operation>();
    op->number = 3;
    op->name = "DISKHARROW";
    op->pcd = "TRACTOR";
    op->pric = 12.75f;
    op->plst = 1.9f;
    op->hry = 2;
    op->hrl = 3;
    op->pwr = 4;
    float* const middle[] = {&op->wdt, &op->spd, &op->rc1, &op->rc2, &op->xlb, &op->fcm, &op->vr1, &op->vr2, &op->efm,
                             &op->rti, &op->emx, &op->rr,  &op->tld, &op->rht, &op->rin, &op->dkh, &op->dki};
    for (int i = 0; i < 17; ++i)
        *middle[i] = static_cast<float>(i + 6) + 0.5f;
    op->code = 7;
    op->he = 24.5f;
    op->orhi = 25.5f;
    op->frcp = 26.5f;
    op->fpop = 27.5f;
    op->tcem = 28.5f;
    op->stir = 29.5f;
    op->cost = 30.5f;
    return op;
}

const std::string shared_part =
    "    3 DISKHARR TRAC"
    "     12.      1.      2.      3.      4.     6.5    7.50   8.500"
    "   9.500  10.500  11.500  12.500  13.500  14.500  15.500  16.500"
    "  17.500  18.500  19.500  20.500  21.500  22.500   7.000  24.500"
    "  25.500  26.500  27.500";

const std::string header_first =
    "  |-----TILL------|     1       2       3       4       5       6       7       8       9      10      11      12      13      14      15      16      17      18      19      20      21      22      23      24      25      26      27      28      29\n";
const std::string header_second =
    "   #  NAME     PCD    PRIC    PLST    HRY     HRL     PWR     WDT     SPD     RC1     RC2     XLB     FCM     VR1     VR2     EFM     RTI     EMX     RR      TLD     RHT     RIN     DKH     DKI     IHC     HE      ORHI    FRCP    FPOP    ";

class TillageFile : public ::testing::Test {
protected:
    testing::temp_dir dir;
    std::string path = dir.file("till.dat");
    operation_list_class operations;
    std::string log;
};

TEST_F(TillageFile, LinesAndHeadersPerVersion)
{
    operations.add(disk_harrow());
    struct version_case {
        int version;
        std::string header_end;
        std::string tail;
    };
    const version_case cases[] = {
        {2110, "COTL    EQP\n", "  30.500\n"},
        {604, "COTL    EQP\n", "  30.500\n"},
        {0, "COTL    EQP\n", "  30.500\n"},
        {806, "TCEM    STIR    EQP\n", "  28.500  29.500\n"},
        {1307, "TCEM    STIR    EQP\n", "  28.500  29.500\n"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(operations.write_tillage_file(path, c.version, line_end_style::lf)) << c.version;
        EXPECT_EQ(read_file(path), header_first + header_second + c.header_end + shared_part + c.tail) << c.version;
    }
    EXPECT_EQ((shared_part + "  30.500").size(), 243u);
    EXPECT_EQ((shared_part + "  28.500  29.500").size(), 251u);
}

TEST_F(TillageFile, ReadBackWritesTheSameBytesButDropsFractionsOfTheWholeFields)
{
    operations.add(disk_harrow());
    ASSERT_TRUE(operations.write_tillage_file(path, 1307, line_end_style::crlf));
    const std::string first = read_file(path);
    operation_list_class back;
    ASSERT_TRUE(back.read_tillage_file(path, 1307, log));
    ASSERT_EQ(back.count(), 1u);
    EXPECT_EQ(back.first()->pric, 12.0f);
    EXPECT_EQ(back.first()->cost, 0.0f);
    ASSERT_TRUE(back.write_tillage_file(path, 1307, line_end_style::crlf));
    EXPECT_EQ(read_file(path), first);
}

TEST_F(TillageFile, OlderFileReadAsNewerPutsCostIntoTcem)
{
    operations.add(disk_harrow());
    ASSERT_TRUE(operations.write_tillage_file(path, 2110, line_end_style::lf));
    operation_list_class back;
    ASSERT_TRUE(back.read_tillage_file(path, 1307, log));
    EXPECT_EQ(back.first()->tcem, 30.5f);
    EXPECT_EQ(back.first()->stir, 0.0f);
    operation_list_class as_written;
    ASSERT_TRUE(as_written.read_tillage_file(path, 2110, log));
    EXPECT_EQ(as_written.first()->cost, 30.5f);
    EXPECT_EQ(as_written.first()->tcem, 0.0f);
}

TEST_F(TillageFile, EveryReadableLineIsAnOperation)
{
    write_file(path, "h1\nh2\n\n   12 PLOW     POWE\nnot a number at all\n" + std::string(5000, '9') + "\n");
    ASSERT_TRUE(operations.read_tillage_file(path, 2110, log));
    ASSERT_EQ(operations.count(), 4u);
    const vorn_operation& empty = *operations.at(0);
    EXPECT_EQ(empty.number, 0);
    EXPECT_EQ(empty.name, "");
    EXPECT_EQ(empty.code, 0);
    EXPECT_EQ(operations.at(1)->number, 12);
    EXPECT_EQ(operations.at(1)->pcd, "POWE");
    EXPECT_EQ(operations.at(2)->number, 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(TillageFile, BadInput)
{
    EXPECT_FALSE(operations.read_tillage_file(dir.file("none.dat"), 2110, log));
    EXPECT_EQ(log, "Unable to read operations file " + dir.file("none.dat") + "\r\n");
    write_file(path, std::string("h\n\0\n", 4));
    EXPECT_FALSE(operations.read_tillage_file(path, 2110, log));
    write_file(path, "");
    EXPECT_TRUE(operations.read_tillage_file(path, 806, log));
    EXPECT_TRUE(operations.empty());
}

TEST_F(TillageFile, NewOperationHasCodeSevenAndHugeWholesStayInRange)
{
    auto op = std::make_unique<vorn_operation>();
    EXPECT_EQ(op->code, 7);
    EXPECT_EQ(op->number, -1);
    op->number = 1;
    op->pric = 3.0e30f;
    op->plst = -3.0e30f;
    operations.add(std::move(op));
    ASSERT_TRUE(operations.write_tillage_file(path, 2110, line_end_style::lf));
    const std::string line = read_file(path).substr(header_first.size() + header_second.size() + 12);
    EXPECT_EQ(line.substr(19, 23), "2147483647.-2147483648.");
}

TEST_F(TillageFile, TableUpsertKeepsEveryColumn)
{
    database db;
    testing::open_new_project(db, dir.file("p.db"));
    operations.add(disk_harrow());
    ASSERT_TRUE(operations.save_operations(db, log)) << log;
    operations.first()->code = 5;
    ASSERT_TRUE(operation_list_class::save_operation(db, *operations.first(), log)) << log;
    recordset set;
    ASSERT_TRUE(set.open(db, operations_table(), {}, log));
    EXPECT_EQ(set.row_count(), 1u);
    EXPECT_EQ(set.get_integer("Code"), 5);
    EXPECT_EQ(set.get_real("Cost"), 30.5);
    EXPECT_EQ(set.get_real("Mixing Efficiency"), 16.5);
    EXPECT_EQ(set.get_text("Pcd"), "TRACTOR");
    set.close();
    operation_list_class loaded;
    ASSERT_TRUE(loaded.load_operations(db, log));
    const vorn_operation& op = *loaded.first();
    EXPECT_EQ(op.name, "DISKHARROW");
    EXPECT_EQ(op.pric, 12.75f);
    EXPECT_EQ(op.tcem, 28.5f);
    EXPECT_EQ(op.stir, 29.5f);
    EXPECT_EQ(op.rr, 17.5f);
}

} // namespace
} // namespace ivorn
