// `ivorn import` end to end: exit statuses, what goes to standard output and standard error.
#include <gtest/gtest.h>

#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

// Standard output, then standard error after a marker.
testing::cli_result run_ivorn(const testing::temp_dir& dir, const std::string& arguments)
{
    testing::cli_result result = testing::run_ivorn(dir.file("s.ini"), arguments);
    result.out += "|" + result.err;
    return result;
}

TEST(IvornImport, ReferenceFilesAndParameters)
{
    testing::temp_dir dir;
    const std::string db = "'" + dir.file("p.db") + "' ";
    ASSERT_EQ(run_ivorn(dir, "new " + db).status, 0);
    testing::write_file(dir.file("crop.dat"), "h\nh\n    1 CORN\n");
    const auto crops = run_ivorn(dir, "import crops " + db + dir.file("crop.dat"));
    EXPECT_EQ(crops.status, 0);
    EXPECT_EQ(crops.out, "File read ok\n|");

    const auto missing = run_ivorn(dir, "import fertilizers " + db + dir.file("none.dat"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "|Read errors:\nUnable to read fertilizer file " + dir.file("none.dat") + "\n");

    testing::write_file(dir.file("parm.dat"), "   1.000   2.000\n");
    const auto no_records = run_ivorn(dir, "import parameters " + db + dir.file("parm.dat"));
    EXPECT_EQ(no_records.status, 1);
    EXPECT_EQ(no_records.out, "There are no control records to receive the parameters.\n|");

    EXPECT_EQ(run_ivorn(dir, "import soybeans " + db + dir.file("crop.dat")).status, 2);
    EXPECT_EQ(run_ivorn(dir, "import crops " + dir.file("nodb.db") + " " + dir.file("crop.dat")).status, 1);
}

} // namespace
} // namespace ivorn
