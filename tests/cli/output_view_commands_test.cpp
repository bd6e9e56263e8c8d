// `ivorn compare` and `ivorn chart` as a script runs them: the summary's lines byte for byte,
// the factor grouping, the exit status of a refusal, and a chart file of the size asked.
#include <gtest/gtest.h>

#include "site/scenario_factors_table.h"
#include "store/table_queries.h"
#include "support/new_project.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

class OutputViewCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        database db;
        testing::open_new_project(db, path());
        std::string log;
        ASSERT_TRUE(create_table_if_missing(db, scenario_factors_table(), log)) << log;
        ASSERT_TRUE(db.execute(
            "INSERT INTO \"Control Records\" (ID, Description) VALUES (1, 'Tilled, \"wet\"'), (2, 'No-till');"
            "INSERT INTO \"Annual Watershed Output\" (Id, Year, Prcp) VALUES (1, 1, 100), (1, 2, 300), (2, 1, 50);"
            "INSERT INTO \"Scenario Factors\" VALUES (1, 'Tillage', 'conventional'), (2, 'Tillage', 'none')",
            log))
            << log;
        testing::write_file(dir.file("settings.ini"), "");
    }
    std::string path() const { return dir.file("p.mdb"); }
    testing::cli_result ivorn(const std::string& arguments)
    {
        return testing::run_ivorn(dir.file("settings.ini"), arguments);
    }

    testing::temp_dir dir;
};

TEST_F(OutputViewCommands, CompareAndChartPrintWriteAndRefuseAsDocumented)
{
    const std::string db = testing::shell_quote(path());
    struct command {
        const char* arguments;
        int status;
        const char* out;
    };
    const command cases[] = {
        {" --table 'annual watershed output' --column prcp --format csv", 0,
         "ID,n,mean,min,max,std,Description\n1,2,200,100,300,141.421356,\"Tilled, \"\"wet\"\"\"\n2,1,50,50,50,0,No-till\n"},
        {" --table 'Annual Watershed Output' --column Prcp --records 2-2", 0,
         "ID                  n         mean          min          max          std  Description\n"
         "2                   1           50           50           50            0  No-till\n"},
        {" --table 'Annual Watershed Output' --column Prcp --by tillage --format csv", 0,
         "tillage,records,n,mean,min,max,std\nconventional,1,2,200,100,300,141.421356\nnone,1,1,50,50,50,0\n"},
        {" --table 'Annual Watershed Output' --column Rain", 1, ""},
        {" --table 'Annual Watershed Output' --column Prcp --records 9-1", 2, ""},
    };
    for (const command& c : cases) {
        SCOPED_TRACE(c.arguments);
        const testing::cli_result result = ivorn("compare " + db + c.arguments);
        EXPECT_EQ(result.status, c.status) << result.err;
        EXPECT_EQ(result.out, c.out);
    }
    EXPECT_EQ(ivorn("compare " + db + " --table 'Annual Watershed Output' --column Rain").err.substr(0, 68),
              "Unknown column \"Rain\" in table Annual Watershed Output. Valid column");

#ifdef IVORN_WITH_CHARTS
    const std::string png = dir.file("c.png");
    const testing::cli_result made = ivorn("chart " + db + " --record 1 --table 'Annual Watershed Output' --column Prcp"
                                           " --width 321 --height 123 --out " + testing::shell_quote(png));
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string bytes = testing::read_file(png);
    ASSERT_GT(bytes.size(), 24u);
    // Width and height of the image header, big-endian at bytes 16 and 20.
    const auto at = [&](size_t i) { return (static_cast<unsigned char>(bytes[i]) << 8) | static_cast<unsigned char>(bytes[i + 1]); };
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_EQ(at(18), 321);
    EXPECT_EQ(at(22), 123);
    const testing::cli_result empty = ivorn("chart " + db + " --record 2 --table 'Soil Salt Output' --column 'Total Salt'"
                                            " --out " + testing::shell_quote(png));
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "Record 2 has no rows in Soil Salt Output.\n");
#endif
}

} // namespace
} // namespace ivorn
