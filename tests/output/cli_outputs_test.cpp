// `ivorn load-outputs` and `ivorn variables` driven as a script would drive them.
#include <gtest/gtest.h>

#include "output_load_fixture.h"
#include "report_2110_fixture.h"
#include "support/run_cli.h"
#include "site/control_record_table.h"

namespace ivorn {
namespace {

using testing::output_load_fixture;
using testing::read_file;
using testing::write_file;

class CliOutputs : public ::testing::Test {
protected:
    void SetUp() override
    {
        recordset records;
        std::string log;
        ASSERT_TRUE(records.open(f.db, control_records_table(), {}, log)) << log;
        records.add_new();
        records.set("ID", field_value(std::int64_t{7}));
        records.set("Beginning Year", field_value(std::int64_t{1988}));
        ASSERT_TRUE(records.update(log)) << log;
        write_file(f.dir.file("settings.ini"), "");
    }

    // Runs ivorn with this test's settings file and model directory.
    int ivorn(const std::string& arguments)
    {
        last = testing::run_ivorn(f.dir.file("settings.ini"), "--model '" + f.dir.file("vorn2110v3.exe") + "' " + arguments);
        return last.status;
    }
    std::string out() { return last.out; }
    std::string err() { return last.err; }

    testing::cli_result last;
    output_load_fixture f;
};

TEST_F(CliOutputs, LoadOutputsStoresTheRecordsRows)
{
    f.report(".OUT", testing::report_2110);
    ASSERT_EQ(ivorn("variables switches 0"), 0) << err();
    f.db.close();
    ASSERT_EQ(ivorn("load-outputs '" + f.dir.file("p.db") + "' --record 7 --base '" + f.dir.file("vorn")
                    + "' --yearly --residue"),
              0)
        << err();
    EXPECT_EQ(out(), "Outputs of record 7 loaded.\n");
    std::string log;
    ASSERT_TRUE(open_project_database(f.db, f.dir.file("p.db"), log));
    EXPECT_EQ(f.count(average_output_table()), 1);
    EXPECT_EQ(f.count(yearly_output_table()), 2);
    EXPECT_EQ(f.count(residue_output_table()), 24);
    EXPECT_EQ(f.count(watershed_output_table()), 0);
}

TEST_F(CliOutputs, LoadOutputsFailureGivesTheRunLog)
{
    f.db.close();
    ASSERT_EQ(ivorn("variables switches 0,23"), 0) << err();
    EXPECT_EQ(ivorn("load-outputs '" + f.dir.file("p.db") + "' --record 7 --base '" + f.dir.file("vorn") + "'"), 1);
    EXPECT_EQ(err(), "ERROR: Unable to open output file: " + f.dir.file("vorn.ACY") + "\n");
    EXPECT_EQ(ivorn("load-outputs '" + f.dir.file("p.db") + "' --record 9 --base '" + f.dir.file("vorn") + "'"), 1);
    EXPECT_EQ(err(), "No control record with ID 9.\n");
}

TEST_F(CliOutputs, VariablesSelectRemoveAndSwitchesSaveTheList)
{
    ASSERT_EQ(ivorn("variables select YN"), 0) << err();
    EXPECT_EQ(read_file(f.dir.file("output variables.csv")),
              "   8\n"
              "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 \n"
              "1,1,PRCP,,in,Precipitation\n"
              "2,2,TMX,,Degrees F,Maximum temperature\n"
              "2,3,ET,,in,Evapotranspiration\n"
              "2,4,YN,,lb/ac,N in sediment\n");
    ASSERT_EQ(ivorn("variables remove TMX"), 0) << err();
    ASSERT_EQ(ivorn("variables switches 4,29"), 0) << err();
    ASSERT_EQ(ivorn("variables list"), 0) << err();
    EXPECT_EQ(out(), "Selection counter 10\n"
                     "Output files:\n"
                     " 4 SWT=Output to SWAT\n"
                     "29 SOT=Final Soil Table\n"
                     "I_vorn Selected:\n"
                     " 1 PRCP \n"
                     " 3 ET \n"
                     " 4 YN \n"
                     "User Selected:\n"
                     " 3 ET \n"
                     " 4 YN \n");
    EXPECT_EQ(ivorn("variables select PRCP"), 1);
    EXPECT_EQ(ivorn("variables remove PRCP"), 1);
    EXPECT_EQ(err(), "Must select an output variable\n");
    EXPECT_EQ(ivorn("variables switches 30"), 2);
}

} // namespace
} // namespace ivorn
