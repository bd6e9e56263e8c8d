// The stand-in model's reports are what the loaders read: every report of every version loads.
#include <gtest/gtest.h>

#include <algorithm>

#include "output/output_loaders.h"
#include "output/output_tables.h"
#include "output/output_variables.h"
#include "output/print_file.h"
#include "shell/project_database.h"
#include "support/stand_in_inputs.h"

namespace ivorn {
namespace {

TEST(StandInAgreement, EveryVersionsReportsLoad)
{
    for (const int version : {2110, 604, 806, 1307}) {
        testing::temp_dir dir;
        const std::initializer_list<int> switches = {0, 4, 6, 7, 20, 23, 26, 27};
        testing::write_stand_in_inputs(dir, version, switches);
        // The variable list beside the model, as the program keeps it; the print file from it.
        std::string switch_line;
        for (int k = 0; k < output_file_switch_count; ++k)
            switch_line += std::string(std::find(switches.begin(), switches.end(), k) != switches.end() ? "1" : "0") + " ";
        testing::write_file(dir.file("output variables.csv"),
                            "   3\n" + switch_line + "\n1,4,PRCP,,in,Precipitation\n2,1,TMX,,Degrees F,Maximum temperature\n"
                            "1,12,Q,,in,Runoff\n");
        list_output_variable_descriptions variables;
        message_box_texts shown;
        ASSERT_TRUE(variables.load_output_variables(dir.file("output variables.csv"), shown));
        std::string log;
        ASSERT_TRUE(write_print_file(&variables, version, dir.file("ivPrnt.dat"), line_end_style::lf, log)) << log;
        const auto run = testing::run_stand_in(IVORN_STAND_IN_PATH, dir);
        ASSERT_TRUE(run.result.finished) << run.console;
        ASSERT_EQ(run.result.exit_status, 0) << run.console;
        ASSERT_TRUE(create_project_database(dir.file("p.mdb"), log));
        database db;
        ASSERT_TRUE(open_project_database(db, dir.file("p.mdb"), log));
        int selection_changed = 1;
        run_output_request request;
        request.record_id = 1;
        request.beginning_year = 1990;
        request.working_directory = dir.path().string() + "/";
        request.vorn_version = version;
        request.selection_changed = &selection_changed;
        request.want_yearly = request.want_watershed = request.want_residue = true;
        request.variables = &variables;
        ASSERT_TRUE(read_run_outputs(db, request, log)) << version << "\n" << log;
        // Version 604 loads the main report only.
        EXPECT_GT(db.count_rows(average_output_table(), log), 0) << version;
        EXPECT_GT(db.count_rows(yearly_output_table(), log), 0) << version;
        EXPECT_EQ(db.count_rows(crop_yield_output_table(), log) > 0, version != 604) << version;
    }
}

} // namespace
} // namespace ivorn
