// `ivorn copy`, `set` and `scenarios` end to end on the made-up data set (record 1, subareas 1
// and 2): copies hold every owned row and write the same model inputs, refusals change nothing,
// and a grid of factors makes every combination with its "Scenario Factors" rows.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "shell/all_tables.h"
#include "shell/project_database.h"
#include "site/control_record_table.h"
#include "site/record_owned_tables.h"
#include "store/csv_export.h"
#include "store/recordset.h"
#include "store/table_queries.h"
#include "support/made_up_dataset.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::read_file;
using testing::run_ivorn;
using testing::shell_quote;
using testing::write_file;

class IvornScenarios : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(ivorn("new " + db).status, 0);
        const std::string vornfile = testing::write_made_up_dataset(dir.path() / "set");
        const auto imported = ivorn("import dataset " + db + " " + shell_quote(vornfile));
        ASSERT_EQ(imported.status, 0) << imported.err;
    }

    testing::cli_result ivorn(const std::string& arguments) { return run_ivorn(dir.file("settings.ini"), arguments); }

    // Every table's rows, to tell that a refused command changed nothing.
    std::string dump()
    {
        database project;
        std::string log;
        EXPECT_TRUE(open_project_database(project, path, log)) << log;
        std::ostringstream out;
        std::vector<const table_description*> tables = all_tables();
        tables.insert(tables.end(), optional_tables().begin(), optional_tables().end());
        for (const table_description* table : tables) {
            if (table_exists(project, table->name))
                export_table_csv(project, *table, out, log);
        }
        return out.str();
    }

    // The rows a record owns, the ID column left out, table by table.
    std::string owned_rows(std::int32_t id)
    {
        database project;
        std::string log;
        EXPECT_TRUE(open_project_database(project, path, log)) << log;
        std::string text;
        for (const table_description* table : record_owned_tables()) {
            recordset set;
            EXPECT_TRUE(set.open(project, *table, filter_by(table->columns[0].name, field_value(std::int64_t{id})), log));
            text += table->name + ":\n";
            for (set.move_first(); !set.is_eof(); set.move_next()) {
                for (size_t i = 1; i < set.current_row().size(); ++i)
                    text += value_as_text(set.current_row()[i]) + ",";
                text += "\n";
            }
        }
        return text;
    }

    // The model input file set of a record, by file name.
    std::map<std::string, std::string> inputs(std::int32_t id)
    {
        const auto where = dir.path() / ("inputs" + std::to_string(id));
        std::filesystem::create_directories(where);
        const auto written = ivorn("write-inputs " + db + " --record " + std::to_string(id) + " --dir " +
                                   shell_quote(where.string()));
        EXPECT_EQ(written.status, 0) << written.err;
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(where))
            files[entry.path().filename().string()] = read_file(entry.path().string());
        return files;
    }

    // The names of the files whose bytes differ between two input sets.
    static std::string differing(const std::map<std::string, std::string>& a, const std::map<std::string, std::string>& b)
    {
        std::string names;
        for (const auto& [name, bytes] : a) {
            const auto other = b.find(name);
            if (other == b.end() || other->second != bytes)
                names += name + " ";
        }
        return names;
    }

    // The text with `bytes` written over it from a 0-based column of a 1-based line.
    static std::string with_field(std::string text, int line, size_t column, const std::string& bytes)
    {
        size_t start = 0;
        for (int i = 1; i < line; ++i)
            start = text.find('\n', start) + 1;
        return text.replace(start + column, bytes.size(), bytes);
    }

    testing::temp_dir dir;
    std::string path = dir.file("p.mdb");
    std::string db = shell_quote(path);
};

TEST_F(IvornScenarios, CopyHoldsEveryOwnedRowAndWritesTheSameInputs)
{
    const auto copied = ivorn("copy " + db + " --record 1");
    ASSERT_EQ(copied.status, 0) << copied.err;
    EXPECT_EQ(copied.out, "2\n");
    EXPECT_EQ(owned_rows(2), owned_rows(1));
    EXPECT_NE(owned_rows(1).find("Subareas:\n1,"), std::string::npos) << owned_rows(1);
    EXPECT_EQ(differing(inputs(1), inputs(2)), "");
    EXPECT_EQ(ivorn("records " + db).out, "1\t1\tDEMO RUN\n2\t2\tDEMO RUN\n");

    const auto more = ivorn("copy " + db + " --record 2 --to 10 --count 3 --description 'Tilled'");
    ASSERT_EQ(more.status, 0) << more.err;
    EXPECT_EQ(more.out, "10\n11\n12\n");
    EXPECT_EQ(owned_rows(12), owned_rows(1));
    EXPECT_NE(ivorn("records " + db).out.find("5\t12\tTilled\n"), std::string::npos);

    const std::string before = dump();
    const struct {
        std::string arguments;
        const char* message;
    } refusals[] = {
        {"--record 1 --to 11 --count 2", "Record ID 11 is already in use.\n"},
        {"--record 1 --to 2147483647 --count 2", "Record IDs from 2147483647 to 2147483648 are outside 1 to 2147483647.\n"},
        {"--record 1 --count 0", "The number of new records must be from 1 to 1000000, not 0.\n"},
        {"--record 7", "No control record 7.\n"},
        {"--record 1 --description " + std::string(81, 'x'),
         "Text of 81 characters is too long for column [Description] (80) of table Control Records\n"},
    };
    for (const auto& refusal : refusals) {
        const auto result = ivorn("copy " + db + " " + refusal.arguments);
        EXPECT_EQ(result.status, 1) << refusal.arguments;
        EXPECT_EQ(result.err, refusal.message) << refusal.arguments;
        EXPECT_EQ(result.out, "") << refusal.arguments;
    }
    EXPECT_EQ(dump(), before);
}

TEST_F(IvornScenarios, SetRefusesBeforeAnythingChanges)
{
    ASSERT_EQ(ivorn("copy " + db + " --record 1").status, 0);
    const std::string before = dump();
    const struct {
        const char* arguments;
        const char* message;
    } refusals[] = {
        {"--record 1 'Print Code=256'", "Value 256 does not fit column [Print Code] of table Control Records\n"},
        {"--record 1 'Simulation Length=20' 'Run Attribute 1=40000'",
         "Value 40000 does not fit column [Run Attribute 1] of table Control Records\n"},
        {"--record 1 'Simulation Length=2.5'",
         "Value \"2.5\" is not a whole number, as column [Simulation Length] of table Control Records needs\n"},
        {"--record 1 'Parameters.Parm61=1e40'", "Value 1e40 does not fit column [Parm61] of table Parameters\n"},
        {"--record 1 'Subareas.Slope=steep'",
         "Value \"steep\" is not a number, as column [Slope] of table Subareas needs\n"},
        {"--record 1 'Weather.Name=x'",
         "Unknown table \"Weather\" in \"Weather.Name\"; the tables whose columns can be set are: Control Records, "
         "Parameters, Subareas, Management.\n"},
        {"--record 1 'Livestock Schedule.Number of Animals=3'",
         "Unknown table \"Livestock Schedule\" in \"Livestock Schedule.Number of Animals\"; the tables whose columns "
         "can be set are: Control Records, Parameters, Subareas, Management.\n"},
        {"--record 1 'ID=5'", "Column [ID] of table Control Records identifies the row and cannot be set.\n"},
        {"--record 1 'Subareas.Subarea Id=5'", "Column [Subarea Id] of table Subareas identifies the row and cannot be set.\n"},
        {"--record 1 --subarea 9 'Subareas.Slope=0.1'", "Record 1 has no subarea 9.\n"},
        {"--records 1-2 --subarea 2 'Management.Irrigation Trigger=0.5' 'Simulation Length=9'", nullptr},
        {"--record 1 'Weather Station ID=99'", "Weather Station ID=99: no weather station 99 is stored.\n"},
        {"--record 1 'Subareas.Soil Id=77'", "Subareas.Soil Id=77: no soil 77 is stored.\n"},
        {"--record 1 'Simulation Length'", "\"Simulation Length\" is not COLUMN=VALUE.\n"},
        {"--record 5 'Simulation Length=20'", "No control record 5.\n"},
        {"--records 3-9 'Simulation Length=20'", "No control records with IDs from 3 to 9.\n"},
    };
    // The one case above without a message fails in its second record only, after the first
    // record's rows were changed: the transaction takes them back.
    ASSERT_EQ(ivorn("set " + db + " --record 2 --subarea 2 'Management.Irrigation Trigger=1'").status, 0);
    const std::string with_trigger = dump();
    {
        database project;
        std::string log;
        ASSERT_TRUE(open_project_database(project, path, log));
        ASSERT_EQ(delete_rows(project, *find_table("Management"),
                              {{"ID", field_value(std::int64_t{2})}, {"Subarea Id", field_value(std::int64_t{2})}}, log),
                  1);
    }
    const std::string without_row = dump();
    for (const auto& refusal : refusals) {
        const auto result = ivorn("set " + db + " " + refusal.arguments);
        EXPECT_EQ(result.status, 1) << refusal.arguments;
        if (refusal.message)
            EXPECT_EQ(result.err, refusal.message) << refusal.arguments;
        else
            EXPECT_EQ(result.err, "Record 2 has no Management row for subarea 2.\n") << refusal.arguments;
        EXPECT_EQ(dump(), without_row) << refusal.arguments;
    }
    EXPECT_NE(before, with_trigger);

    const auto unknown = ivorn("set " + db + " --record 1 'Subareas.Curve Number=78'");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err.rfind("Table Subareas has no column \"Curve Number\"; its columns are: Soil Id, "
                                "Op Schedule Number, Owner Id, Feeding Area, Grazing Area, ",
                                0),
              0u)
        << unknown.err;
    EXPECT_EQ(ivorn("set " + db + " 'Simulation Length=20'").status, 2);
    EXPECT_EQ(ivorn("set " + db + " --records 5-2 'Simulation Length=20'").status, 2);
}

TEST_F(IvornScenarios, SetChangesTheNamedFieldsOfTheModelInputs)
{
    const auto base = inputs(1);
    const auto set = ivorn("set " + db + " --record 1 'Simulation Length=20' ' Parameters.parm61 = +0.5 '");
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "1\n");
    const auto changed = inputs(1);
    EXPECT_EQ(differing(base, changed), "ivParm.dat vorncont.dat ");
    EXPECT_EQ(changed.at("vorncont.dat"), with_field(base.at("vorncont.dat"), 1, 0, "  20"));
    EXPECT_EQ(changed.at("ivParm.dat"), with_field(base.at("ivParm.dat"), 37, 0, "   0.500"));
}

TEST_F(IvornScenarios, GridMakesEveryCombinationAndRecordsItsFactors)
{
    write_file(dir.file("grid.csv"), "Simulation Length,Parameters.Parm61\r\n10,0.1\r\n20,0.2\r\n30,0.3\r\n,0.4\r\n");
    const auto base = inputs(1);
    const auto made = ivorn("scenarios " + db + " --from 1 --grid --factors " + shell_quote(dir.file("grid.csv")));
    ASSERT_EQ(made.status, 0) << made.err;
    std::string expected_out;
    std::string expected_factors = "ID,Column,Value\r\n";
    int id = 2;
    for (const char* length : {"10", "20", "30"}) {
        for (const char* parm : {"0.1", "0.2", "0.3", "0.4"}) {
            expected_out += std::to_string(id) + "\tSimulation Length=" + length + ", Parameters.Parm61=" + parm + "\n";
            expected_factors += std::to_string(id) + ",Simulation Length," + length + "\r\n";
            expected_factors += std::to_string(id) + ",Parameters.Parm61," + parm + "\r\n";
            ++id;
        }
    }
    EXPECT_EQ(made.out, expected_out);
    EXPECT_EQ(ivorn("export " + db + " 'Scenario Factors'").out, expected_factors);
    EXPECT_NE(ivorn("info " + db).out.find("\nScenario Factors\t24\n"), std::string::npos);

    // Scenario 9 has Simulation Length 20 and Parm61 0.4: those two fields differ from the base,
    // and nothing else does.
    const auto scenario = inputs(9);
    EXPECT_EQ(differing(base, scenario), "ivParm.dat vorncont.dat ");
    EXPECT_EQ(scenario.at("vorncont.dat"), with_field(base.at("vorncont.dat"), 1, 0, "  20"));
    EXPECT_EQ(scenario.at("ivParm.dat"), with_field(base.at("ivParm.dat"), 37, 0, "   0.400"));
}

TEST_F(IvornScenarios, RowsWithOneBadValueChangeNothing)
{
    const std::string before = dump();
    write_file(dir.file("rows.csv"), "Name,Simulation Length,Subareas.Slope\nflat,10,0.01\nsteep,20,x\n");
    const auto refused = ivorn("scenarios " + db + " --from 1 --description-column Name --factors " +
                               shell_quote(dir.file("rows.csv")));
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Line 3, factor Subareas.Slope: Value \"x\" is not a number, as column [Slope] of table "
                           "Subareas needs\n");
    EXPECT_EQ(dump(), before);

    write_file(dir.file("rows.csv"), "Name,Simulation Length,Subareas.Slope\nflat,10,0.01\n\"steep, long\",20,0.2\n");
    const auto made = ivorn("scenarios " + db + " --from 1 --to 20 --description-column name --factors " +
                            shell_quote(dir.file("rows.csv")));
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, "20\tflat\n21\tsteep, long\n");
    EXPECT_EQ(ivorn("export " + db + " 'Scenario Factors'").out,
              "ID,Column,Value\r\n20,Simulation Length,10\r\n20,Subareas.Slope,0.01\r\n21,Simulation Length,20\r\n"
              "21,Subareas.Slope,0.2\r\n");
    const std::string subareas = ivorn("export " + db + " Subareas").out;
    EXPECT_NE(subareas.find("\n21,1,"), std::string::npos);
    const auto slope = [&](std::int32_t id, std::int32_t subarea) {
        database project;
        std::string log;
        EXPECT_TRUE(open_project_database(project, path, log));
        recordset set;
        EXPECT_TRUE(set.open(project, *find_table("Subareas"),
                             {{"ID", field_value(std::int64_t{id})}, {"Subarea Id", field_value(std::int64_t{subarea})}}, log));
        set.move_first();
        return set.is_eof() ? -1.0 : set.get_real("Slope");
    };
    EXPECT_FLOAT_EQ(slope(21, 1), 0.2f);
    EXPECT_FLOAT_EQ(slope(21, 2), 0.2f);
    EXPECT_FLOAT_EQ(slope(20, 2), 0.01f);

    // Deleting a scenario's row through the record store would leave its factors behind for the
    // next record of that ID; a copy made under that ID starts without them.
    {
        database project;
        std::string log;
        ASSERT_TRUE(open_project_database(project, path, log));
        ASSERT_EQ(delete_rows(project, control_records_table(), filter_by("ID", field_value(std::int64_t{21})), log), 1);
    }
    const auto again = ivorn("copy " + db + " --record 1 --to 21");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_NE(again.err.find("Deleted 2 rows of Scenario Factors left under ID 21 by an earlier record.\n"),
              std::string::npos)
        << again.err;
    EXPECT_EQ(owned_rows(21), owned_rows(1));
}

} // namespace
} // namespace ivorn
