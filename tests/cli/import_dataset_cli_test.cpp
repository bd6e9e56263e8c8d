// `ivorn import dataset` and `ivorn import field-operations` end to end: the new record's ID on
// standard output, the options that answer the new-record dialog, an ID in use refused.
#include <gtest/gtest.h>

#include "support/made_up_dataset.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::run_ivorn;
using testing::shell_quote;

TEST(IvornImportDataset, PrintsTheNewIdAndRefusesAnIdInUse)
{
    testing::temp_dir dir;
    const std::string settings = dir.file("s.ini");
    const std::string db = shell_quote(dir.file("p.db"));
    const std::string vornfile = shell_quote(testing::write_made_up_dataset(dir.path() / "set"));
    ASSERT_EQ(run_ivorn(settings, "new " + db).status, 0);

    const auto first = run_ivorn(settings, "import dataset " + db + " " + vornfile + " --id 12 --station-id 40 "
                                           "--station-name 'Demo station'");
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "12\n");
    EXPECT_EQ(run_ivorn(settings, "records " + db).out, "1\t12\tDEMO RUN\n");
    EXPECT_NE(run_ivorn(settings, "export " + db + " Weather").out.find("\n40,Demo station,"), std::string::npos);

    const auto again = run_ivorn(settings, "import dataset " + db + " " + vornfile + " --id 12 --station-id 41");
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.out, "");
    EXPECT_NE(again.err.find("Record ID 12 is already in use.\n"), std::string::npos) << again.err;

    const auto next = run_ivorn(settings, "import dataset " + db + " " + vornfile);
    EXPECT_EQ(next.status, 0) << next.err;
    EXPECT_EQ(next.out, "1\n");

    testing::write_file(dir.file("ops.txt"), "2 1 5 3 11\n");
    const auto ops = run_ivorn(settings, "import field-operations " + db + " " + shell_quote(dir.file("ops.txt")));
    EXPECT_EQ(ops.status, 0) << ops.err;
    EXPECT_NE(ops.err.find("Field operations added to record 1: 1.\n"), std::string::npos) << ops.err;

    EXPECT_EQ(run_ivorn(settings, "import dataset " + db).status, 2);
    EXPECT_EQ(run_ivorn(settings, "import dataset " + db + " " + shell_quote(dir.file("none.dat"))).status, 1);
}

TEST(IvornImportDataset, StationFollowsTheIdGivenUnlessItsOwnIsGiven)
{
    testing::temp_dir dir;
    const std::string settings = dir.file("s.ini");
    const std::string db = shell_quote(dir.file("p.db"));
    const std::string vornfile = shell_quote(testing::write_made_up_dataset(dir.path() / "set"));
    ASSERT_EQ(run_ivorn(settings, "new " + db).status, 0);
    ASSERT_EQ(run_ivorn(settings, "import dataset " + db + " " + vornfile + " --id 7").status, 0);
    ASSERT_EQ(run_ivorn(settings, "import dataset " + db + " " + vornfile + " --station-id 9").status, 0);
    const std::string weather = run_ivorn(settings, "export " + db + " Weather").out;
    EXPECT_NE(weather.find("\n7,Weather Station 7,"), std::string::npos) << weather;
    EXPECT_NE(weather.find("\n9,Weather Station 9,"), std::string::npos) << weather;
    EXPECT_EQ(run_ivorn(settings, "records " + db).out, "1\t1\tDEMO RUN\n2\t7\tDEMO RUN\n");
}

} // namespace
} // namespace ivorn
