// `ivorn import soil|weather|wind|weather-links` end to end.
#include <gtest/gtest.h>

#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::run_ivorn;
using testing::shell_quote;

TEST(CliImportArea, SoilWeatherWindAndLinks)
{
    testing::temp_dir dir;
    const std::string settings = dir.file("settings.ini");
    const std::string db = shell_quote(dir.file("area.mdb"));
    ASSERT_EQ(run_ivorn(settings, "new " + db).status, 0);

    std::string soil = "Sandy\n    0.13\n    2.00\n";
    for (int i = 0; i < 27; ++i)
        soil += "     1.0     2.0\n";
    testing::write_file(dir.file("muufsoil.dat"), soil);
    const auto imported = run_ivorn(settings, "import soil " + db + " " + shell_quote(dir.file("muufsoil.dat")));
    EXPECT_EQ(imported.status, 0);
    EXPECT_EQ(imported.err, "Record read errors:\nSoils read: 1\n");
    const auto layers = run_ivorn(settings, "export " + db + " 'Soil Layers'");
    EXPECT_EQ(layers.out.substr(layers.out.find("\r\n") + 2, 8), "1,1,1,1,");

    std::string monthly = "\n\n";
    for (int i = 0; i < 17; ++i)
        monthly += "   1.0\n";
    testing::write_file(dir.file("ames.wp1"), monthly);
    testing::write_file(dir.file("ames.wnd"), monthly);
    testing::write_file(dir.file("weatne.dat"), "    1 ames.wp1       41.99  -93.62\n");
    testing::write_file(dir.file("windne.dat"), "    1 ames.wnd\n");
    EXPECT_EQ(run_ivorn(settings, "import wind " + db + " " + shell_quote(dir.file("windne.dat"))).status, 1);
    EXPECT_EQ(run_ivorn(settings, "import weather " + db + " " + shell_quote(dir.file("weatne.dat"))).status, 0);
    EXPECT_EQ(run_ivorn(settings, "import wind " + db + " " + shell_quote(dir.file("windne.dat"))).status, 0);

    testing::write_file(dir.file("master.wth"), "header\n");
    EXPECT_EQ(run_ivorn(settings, "import weather-links " + db + " " + shell_quote(dir.file("master.wth"))).status, 0);
    EXPECT_EQ(run_ivorn(settings, "import weather-links " + db + " " + shell_quote(dir.file("none.wth"))).status, 1);
    EXPECT_EQ(run_ivorn(settings, "import soil " + db).status, 2);
}

} // namespace
} // namespace ivorn
