// Reports cut short or damaged anywhere are refused cleanly: the load fails, nothing is stored,
// and nothing is read or written outside the reader's limits.
#include <gtest/gtest.h>

#include <random>

#include "output_load_fixture.h"
#include "report_2110_fixture.h"

namespace ivorn {
namespace {

using testing::output_load_fixture;

class DamagedReports : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.switches({0, 23, 6});
        f.request.want_yearly = f.request.want_watershed = f.request.want_residue = true;
    }
    output_load_fixture f;
};

TEST_F(DamagedReports, ReportCutShortAnywhereLoadsNothing)
{
    const std::string& report = testing::report_2110;
    const size_t end = report.find("          TOTAL RUN TIME");
    for (size_t cut = 0; cut < end; cut += end / 23) {
        f.report(".OUT", report.substr(0, cut));
        f.report(".ACY", "");
        f.report(".MSA", "");
        EXPECT_FALSE(f.load()) << "cut at " << cut;
    }
    EXPECT_EQ(f.count(average_output_table()), 0);
    EXPECT_EQ(f.count(yearly_output_table()), 0);
}

TEST_F(DamagedReports, ScrambledBytesNeverCrashTheLoaders)
{
    std::mt19937 random(2017);
    const std::string& report = testing::report_2110;
    for (int round = 0; round < 20; ++round) {
        std::string damaged = report;
        for (int i = 0; i < 40; ++i) {
            const size_t at = random() % damaged.size();
            damaged[at] = "0123456789 *-.1\nYO"[random() % 18];
        }
        f.report(".OUT", damaged);
        f.report(".ACY", damaged.substr(damaged.size() / 2));
        f.report(".MSA", damaged.substr(damaged.size() / 3));
        f.load();
    }
    SUCCEED();
}

} // namespace
} // namespace ivorn
