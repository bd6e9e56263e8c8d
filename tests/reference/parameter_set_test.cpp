// The parameter file by model version (40 or 41 lines, decimals per coefficient, the silent stop
// at the first missing line) and the one "Parameters" row per control record.
#include "reference/parameter_set.h"

#include <gtest/gtest.h>

#include "reference/parameters_table.h"
#include "support/new_project.h"
#include "support/temp_dir.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

using testing::read_file;
using testing::write_file;

// S-curve i holds i + 0.25 and i + 0.75, Parm n holds n + 0.125 (Parm65 0.015625, to fit its six
// decimals into eight columns), Cost n holds n + 0.5.
parameter_set numbered_set()
{
    parameter_set set;
    for (int i = 0; i < 30; ++i) {
        set.s_curve[i][0] = static_cast<float>(i + 1) + 0.25f;
        set.s_curve[i][1] = static_cast<float>(i + 1) + 0.75f;
    }
    for (int n = 1; n <= 97; ++n)
        set.parm[n - 1] = static_cast<float>(n) + 0.125f;
    set.parm[64] = 0.015625f;
    for (int n = 1; n <= 5; ++n)
        set.cost[n - 1] = static_cast<float>(n) + 0.5f;
    return set;
}

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

class ParameterFile : public ::testing::Test {
protected:
    testing::temp_dir dir;
    std::string path = dir.file("parm.dat");
    std::string log;
};

TEST_F(ParameterFile, WrittenLinesPerVersion)
{
    const parameter_set set = numbered_set();
    ASSERT_TRUE(set.write_parameter_file(path, 1307, line_end_style::lf, log));
    const auto newer = lines_of(read_file(path));
    ASSERT_EQ(newer.size(), 41u);
    EXPECT_EQ(newer[0], "   1.250   1.750");
    EXPECT_EQ(newer[29], "  30.250  30.750");
    EXPECT_EQ(newer[30], "   1.125   2.125   3.125   4.125   5.125   6.125   7.125   8.125   9.125  10.125");
    EXPECT_EQ(newer[32], "  21.125  22.125 23.1250  24.125  25.125  26.125  27.125  28.125  29.125  30.125");
    EXPECT_EQ(newer[35], "  51.125  52.125 53.1250  54.125  55.125  56.125  57.125 58.1250  59.125  60.125");
    EXPECT_EQ(newer[36], "  61.125  62.125  63.125  64.1250.015625  66.125  67.125  68.125  69.125  70.125");
    EXPECT_EQ(newer[38], "  81.125  82.125  83.125 84.1250 85.1250  86.125  87.125  88.125  89.125  90.125");
    EXPECT_EQ(newer[39], "  91.125  92.125  93.125  94.125  95.125  96.125  97.125");
    EXPECT_EQ(newer[40], "   1.500   2.500   3.500   4.500   5.500");

    ASSERT_TRUE(set.write_parameter_file(path, 2110, line_end_style::crlf, log));
    const std::string older = read_file(path);
    EXPECT_EQ(older.substr(0, 18), "   1.250   1.750\r\n");
    const auto older_lines = lines_of(older);
    ASSERT_EQ(older_lines.size(), 40u);
    EXPECT_EQ(older_lines[39], "  91.125  92.125  93.125  94.125  95.125\r");
    EXPECT_TRUE(log.empty());
}

TEST_F(ParameterFile, RoundTripPerVersion)
{
    for (const int version : {2110, 604, 806, 1307}) {
        ASSERT_TRUE(numbered_set().write_parameter_file(path, version, line_end_style::crlf, log));
        const std::string first = read_file(path);
        parameter_set read;
        int lines = 0;
        ASSERT_TRUE(read.read_parameter_file(path, version, log, &lines));
        EXPECT_EQ(lines, version == 806 || version == 1307 ? 41 : 40) << version;
        ASSERT_TRUE(read.write_parameter_file(path, version, line_end_style::crlf, log));
        EXPECT_EQ(read_file(path), first) << version;
    }
}

TEST_F(ParameterFile, FortyLinesReadAsNewerLeaveTheCosts)
{
    ASSERT_TRUE(numbered_set().write_parameter_file(path, 2110, line_end_style::lf, log));
    parameter_set set;
    set.parm[95] = 9;
    set.parm[96] = 9;
    set.cost[0] = 7;
    ASSERT_TRUE(set.read_parameter_file(path, 1307, log));
    EXPECT_EQ(set.parm[94], 95.125f);
    EXPECT_EQ(set.parm[95], 0.0f);
    EXPECT_EQ(set.parm[96], 0.0f);
    EXPECT_EQ(set.cost[0], 7.0f);
    EXPECT_TRUE(log.empty());
}

TEST_F(ParameterFile, FortyOneLinesReadAsOlderIgnoreTheLast)
{
    ASSERT_TRUE(numbered_set().write_parameter_file(path, 806, line_end_style::lf, log));
    parameter_set set;
    set.parm[95] = 9;
    int lines = 0;
    ASSERT_TRUE(set.read_parameter_file(path, 2110, log, &lines));
    EXPECT_EQ(lines, 40);
    EXPECT_EQ(set.parm[94], 95.125f);
    EXPECT_EQ(set.parm[95], 9.0f);
    EXPECT_EQ(set.cost[0], 0.0f);
}

TEST_F(ParameterFile, StopsSilentlyAtTheFirstMissingLine)
{
    std::string twelve;
    for (int i = 1; i <= 12; ++i)
        twelve += "   0.500   0.250\n";
    write_file(path, twelve);
    parameter_set set = numbered_set();
    int lines = 0;
    ASSERT_TRUE(set.read_parameter_file(path, 2110, log, &lines));
    EXPECT_EQ(lines, 12);
    EXPECT_EQ(set.s_curve[11][1], 0.25f);
    EXPECT_EQ(set.s_curve[12][0], 13.25f);
    EXPECT_EQ(set.parm[0], 1.125f);
    EXPECT_TRUE(log.empty());
}

TEST_F(ParameterFile, EmptyMissingAndBinaryFiles)
{
    parameter_set set = numbered_set();
    int lines = -1;
    EXPECT_TRUE(set.read_parameter_file(dir.file("none.dat"), 2110, log, &lines));
    EXPECT_EQ(lines, 0);
    EXPECT_TRUE(log.empty());
    write_file(path, "");
    EXPECT_TRUE(set.read_parameter_file(path, 2110, log, &lines));
    EXPECT_EQ(log, "Unable to read vorn parameter file line 1\r\n");
    write_file(path, std::string("1\0", 2));
    EXPECT_FALSE(set.read_parameter_file(path, 2110, log));
    write_file(path, std::string(1000, 'z') + "\nnan      \x01\x02\n");
    EXPECT_TRUE(set.read_parameter_file(path, 1307, log, &lines));
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(set.s_curve[1][0], 0.0f);
    EXPECT_EQ(set.parm[0], 1.125f);
    // A number no single float holds is refused, not read as 0.
    log.clear();
    write_file(path, "   -1e99     1.0\n");
    EXPECT_FALSE(set.read_parameter_file(path, 1307, log, &lines));
    EXPECT_EQ(log, "Number beyond a single float: " + path + " line 1 columns 1-8\r\n");
}

TEST_F(ParameterFile, UnwritableFileIsLogged)
{
    std::string messages;
    const std::string bad = dir.file("no/such/dir/parm.dat");
    EXPECT_FALSE(numbered_set().write_parameter_file(bad, 2110, line_end_style::lf, messages));
    EXPECT_EQ(messages, "Cannot open parm file " + bad + " for write\r\n");
}

class ParameterTable : public ::testing::Test {
protected:
    void SetUp() override { testing::open_new_project(db, dir.file("p.db")); }
    long long rows_for(std::int32_t id)
    {
        recordset set;
        EXPECT_TRUE(set.open(db, parameters_table(), filter_by("ID", field_value(std::int64_t{id})), log));
        return static_cast<long long>(set.row_count());
    }
    testing::temp_dir dir;
    database db;
    std::string log;
};

TEST_F(ParameterTable, SaveLeavesExactlyOneRowAndLoadReadsIt)
{
    parameter_set set = numbered_set();
    ASSERT_TRUE(set.save_parameters(db, 5, log)) << log;
    set.parm[64] = 2.5f;
    ASSERT_TRUE(set.save_parameters(db, 5, log)) << log;
    EXPECT_EQ(rows_for(5), 1);
    parameter_set loaded;
    ASSERT_TRUE(loaded.load_parameters(db, 5, log));
    EXPECT_TRUE(log.empty()) << log;
    EXPECT_EQ(loaded.id, 5);
    EXPECT_EQ(loaded.parm[64], 2.5f);
    EXPECT_EQ(loaded.s_curve[29][1], 30.75f);
    EXPECT_EQ(loaded.cost[4], 5.5f);

    recordset row;
    ASSERT_TRUE(row.open(db, parameters_table(), {}, log));
    EXPECT_EQ(row.get_real("S Curve 2 1"), 2.25);
    EXPECT_EQ(row.get_real("S Curve 2 2"), 2.75);
    EXPECT_EQ(row.get_real("Parm97"), 97.125);
    EXPECT_EQ(row.get_real("Cost1"), 1.5);
}

TEST_F(ParameterTable, SaveRemovesFurtherRows)
{
    // A database from elsewhere may lack the unique key; a record still ends with one row.
    ASSERT_TRUE(db.execute("DROP INDEX \"Parameters PrimaryKey\"", log)) << log;
    ASSERT_TRUE(db.execute("INSERT INTO Parameters (ID, Parm1) VALUES (5, 1), (5, 2), (6, 3)", log)) << log;
    parameter_set set = numbered_set();
    ASSERT_TRUE(set.save_parameters(db, 5, log)) << log;
    EXPECT_EQ(rows_for(5), 1);
    EXPECT_EQ(rows_for(6), 1);
}

TEST_F(ParameterTable, MissingRowAndDelete)
{
    parameter_set set = numbered_set();
    ASSERT_TRUE(set.load_parameters(db, 5, log));
    EXPECT_EQ(log, "No parameter table record for id=5.\r\n");
    EXPECT_EQ(set.parm[0], 1.125f);
    log.clear();
    ASSERT_TRUE(set.save_parameters(db, 5, log));
    ASSERT_TRUE(set.save_parameters(db, 6, log));
    ASSERT_TRUE(set.delete_parameters(db, 5, log));
    EXPECT_EQ(log, "Deleted parameters, ID = 5\r\n");
    EXPECT_EQ(rows_for(5), 0);
    EXPECT_EQ(rows_for(6), 1);
}

} // namespace
} // namespace ivorn
