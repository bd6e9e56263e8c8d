// Bytes of the run's list files per model version and line-end style.
#include <gtest/gtest.h>

#include "run/list_files.h"
#include "shell/project_database.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::read_file;
using testing::temp_dir;

const char* const common_lines =
    " FSITE    ivsitels.dat\n FSUB     ivsublist.dat\n FWPM1    ivwthlst.dat\n FWIND    ivwindls.dat\n"
    " FCROP    ivCrop.dat\n FTILL    ivTill.dat\n FPEST    ivpest.dat\n FFERT    ivFert.dat\n"
    " FSOIL    ivSlList.dat\n FOPSC    ivOpList.dat\n FTR55    tr552110.dat\n FPARM    ivParm.dat\n"
    " FMLRN    mlrn2110.dat\n FPRNT    ivPrnt.dat\n";

TEST(ListFiles, ModelFileListAndRunFileByVersion)
{
    temp_dir dir;
    const std::string working = dir.path().string() + "/";
    struct {
        int version;
        std::string list;
        std::string run;
    } cases[] = {
        {2110, std::string(common_lines) + "\n\n\n\n\n", "vorn   1   1   1   1\n"},
        {0, std::string(common_lines) + "\n\n\n\n\n", "vorn   1   1   1   1\n"},
        {604, std::string(common_lines) + " FHERD    ivherd.dat\n FWLST    ivwdaily.dat\n FPSOD    ivpso.dat\n\n\n\n\n\n",
         "vorn   1   1   1   1   0\n\n"},
        {806, std::string(common_lines) + " FHERD    ivherd.dat\n FWLST    ivwdaily.dat\n FPSOD    ivpso.dat\n"
                  " FRFDT    ivrfdt.dat\n\n\n\n\n\n",
         "vorn   1   1   1   1   0   0\n\n"},
        {1307, std::string(common_lines) + " FHERD    ivherd.dat\n FWLST    ivwdaily.dat\n FPSOD    ivpso.dat\n"
                   " FRFDT    ivrfdt.dat\n\n\n\n\n\n",
         "vorn   1   1   1   1   0   0\n\n"},
    };
    for (const auto& c : cases) {
        std::string log;
        ASSERT_TRUE(write_model_file_list(working, c.version, line_end_style::lf, log)) << log;
        write_run_file(working, c.version, line_end_style::lf, log);
        EXPECT_EQ(read_file(working + "vornfile.dat"), c.list) << c.version;
        EXPECT_EQ(read_file(working + "vornrun.dat"), c.run) << c.version;
        EXPECT_EQ(log, "");
    }
}

TEST(ListFiles, OneLineListsAndCrLf)
{
    temp_dir dir;
    const std::string working = dir.path().string() + "/";
    std::string log;
    write_one_line_lists(working, line_end_style::crlf, log);
    EXPECT_EQ(read_file(working + "ivsublist.dat"), " 1    ivsub.dat\r\n");
    EXPECT_EQ(read_file(working + "ivsitels.dat"), " 1    ivsite.dat\r\n");
    EXPECT_EQ(read_file(working + "ivwthlst.dat"), " 1    ivweath.dat\r\n");
    EXPECT_EQ(read_file(working + "ivwindls.dat"), " 1    ivwind.dat\r\n");
    EXPECT_FALSE(write_model_file_list("/nonexistent/", 2110, line_end_style::lf, log));
    EXPECT_EQ(log, "ERROR, unable to open VORN name file /nonexistent/vornfile.dat\r\n");
}

TEST(ListFiles, DailyWeatherListFromItsTable)
{
    temp_dir dir;
    const std::string working = dir.path().string() + "/";
    std::string log;
    database db;
    ASSERT_TRUE(create_project_database(dir.file("p.mdb"), log));
    ASSERT_TRUE(open_project_database(db, dir.file("p.mdb"), log));
    ASSERT_TRUE(db.execute("INSERT INTO \"Daily Weather Filenames\" VALUES (3, 'iowa.wth', -93.25, 41.5)", log));
    ASSERT_TRUE(write_daily_weather_list(db, working, line_end_style::lf, nullptr, log));
    EXPECT_EQ(read_file(working + "ivwdaily.dat"), "   3 iowa.wth   -93.25    41.50\n");

    const std::string long_name = std::string(95, 'd') + ".wth";
    ASSERT_TRUE(db.execute("INSERT INTO \"Daily Weather Filenames\" VALUES (4, '" + long_name + "x', 0, 0)", log));
    ASSERT_TRUE(write_daily_weather_list(db, working, line_end_style::lf, nullptr, log));
    EXPECT_EQ(read_file(working + "ivwdaily.dat"),
              "   3 iowa.wth   -93.25    41.50\n   4 " + long_name + "     0.00     0.00\n");
    EXPECT_EQ(log, "Daily weather file name 4 is longer than 99 characters and was cut: " + long_name + "x\r\n");
}

} // namespace
} // namespace ivorn
