// The stand-in model's reports in each model version's layout, checked at the columns and with the
// scan formats that the program's report reader and loaders use for that version.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "support/stand_in_inputs.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::lines_of;
using testing::read_file;
using testing::temp_dir;

#ifdef IVORN_STAND_IN_PATH

struct version_case {
    int version;
    const char* final_soil_table;
    size_t table_line_length;      // a monthly table line, padded
    size_t trailing_name_column;   // where the reader finds the first printed variable
    const char* area_header;
    const char* soil_header;
    const char* yield_scan;        // the reader's scan format of the yield line
    bool fixed_stress_columns;
    int acy_headings, acy_year_column, acy_crop_column;
    int acn_headings, acn_subarea_width;
    int aps_headings, swat_headings;
    int awp_headings;
    size_t awp_length;
    int msa_headings, msa_name_column, msa_names;
};

void PrintTo(const version_case& v, std::ostream* out) { *out << "version " << v.version; }

const char* const scan_2110 = "%9s YLD= %f/  %fT/HA  BIOM= %fT/HA  WUEF= %*fT/MM  YLN= %fKG/HA  YLP= %f";
const char* const scan_806 = "%9s YLD= %f/  %ft/ha  BIOM= %ft/ha  WUEF= %*ft/mm  YLN= %fkg/ha  YLP= %f";
const char* const scan_1307 = "%9s YLD=  %f/  %ft/ha  BIOM=  %ft/ha  WUEF=      %*fkg/mm  YLN=   %fkg/ha  YLP=   %f";

const version_case versions[] = {
    {2110, "0005.SOT", 128, 125, "        SA       WSA", "   NO     (M)", scan_2110, false,
     8, 15, 21, 7, 4, 9, 8, 8, 519, 9, 20, 16},
    {604, "0005.SOT", 167, 164, "              SA         WSA", "   NO     (m)", scan_2110, false,
     8, 15, 21, 7, 4, 9, 8, 8, 519, 9, 20, 16},
    {806, "00000005.SOT", 167, 164, "              SA         WSA", "   NO     (m)", scan_806, true,
     9, 23, 29, 8, 8, 10, 9, 10, 539, 10, 28, 16},
    {1307, "00000005.SOT", 167, 164, "              SA         WSA", "   NO     (m)", scan_1307, true,
     9, 23, 29, 8, 8, 10, 9, 10, 599, 10, 28, 18},
};

// Columns a-b (1-based, inclusive) of a line; empty beyond its end.
std::string columns(const std::string& line, size_t first, size_t last)
{
    return first > line.size() ? std::string() : line.substr(first - 1, last - first + 1);
}

bool is_number(const std::string& field)
{
    char* end = nullptr;
    std::strtod(field.c_str(), &end);
    const char* rest = end;
    return rest != field.c_str() && std::all_of(rest, field.c_str() + field.size(), [](char c) { return c == ' '; });
}

std::vector<std::string> report(const temp_dir& dir, const char* extension)
{
    return lines_of(read_file(dir.file(std::string("vorn") + extension)));
}

class StandInReportLayouts : public ::testing::TestWithParam<version_case> {
protected:
    void SetUp() override
    {
        testing::write_stand_in_inputs(dir, GetParam().version, {0, 4, 6, 7, 20, 23, 26, 27, 29});
        const auto run = testing::run_stand_in(IVORN_STAND_IN_PATH, dir);
        ASSERT_EQ(run.result.exit_status, 0) << run.console;
        ASSERT_NE(run.console.find("MODEL VERSION " + std::to_string(GetParam().version)), std::string::npos) << run.console;
    }
    temp_dir dir;
};

TEST_P(StandInReportLayouts, MainReportTablesYieldAndStressLines)
{
    const version_case& v = GetParam();
    const auto lines = report(dir, ".OUT");
    const auto has = [&](const char* text) { return std::find(lines.begin(), lines.end(), text) != lines.end(); };
    EXPECT_TRUE(has(v.area_header) || std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(v.area_header, 0) == 0; }));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(v.soil_header, 0) == 0; }));

    int table_lines = 0, yields = 0, stresses = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.rfind(" RZSW", 0) == 0 && line.size() == v.table_line_length) {
            EXPECT_EQ(columns(line, v.trailing_name_column, v.trailing_name_column + 3), "RZSW");
            ++table_lines;
        }
        char crop[10];
        float value[5];
        if (std::sscanf(line.c_str(), v.yield_scan, crop, &value[0], &value[1], &value[2], &value[3], &value[4]) != 6)
            continue;
        ++yields;
        EXPECT_EQ(columns(line, 8, 10), "YLD");
        ASSERT_LT(i + 2, lines.size());
        const std::string& stress = lines[i + 2];
        if (v.fixed_stress_columns) {
            stresses += is_number(columns(stress, 40, 44)) && is_number(columns(stress, 49, 53))
                && is_number(columns(stress, 58, 62)) && is_number(columns(stress, 70, 74));
        } else {
            stresses += std::sscanf(stress.c_str(), "%*s%*s%*s%*s%f%*s%*s%f%*s%*s%f%*s%*s%f", &value[0], &value[1],
                                    &value[2], &value[3]) == 4;
        }
    }
    EXPECT_EQ(table_lines, 2);
    EXPECT_EQ(yields, 2);
    EXPECT_EQ(stresses, 2);
    EXPECT_EQ(lines_of(read_file(dir.file(v.final_soil_table))).size(), 45u);
}

TEST_P(StandInReportLayouts, AnnualFiles)
{
    const version_case& v = GetParam();
    const auto sus = report(dir, ".SUS");
    ASSERT_EQ(sus.size(), 8u + 1u);
    EXPECT_EQ(sus[8].size(), 160u);
    EXPECT_EQ(columns(sus[8], 9, 13), "    1");
    EXPECT_EQ(columns(sus[8], 18, 21), "CORN");

    const auto acy = report(dir, ".ACY");
    ASSERT_EQ(acy.size(), static_cast<size_t>(v.acy_headings) + 2u);
    const std::string& yield = acy[static_cast<size_t>(v.acy_headings) + 1];
    EXPECT_EQ(columns(yield, 6, 9), "   1");
    EXPECT_EQ(columns(yield, v.acy_year_column, v.acy_year_column + 4), "    2");
    EXPECT_EQ(columns(yield, v.acy_crop_column, v.acy_crop_column + 3), "CORN");

    const auto acn = report(dir, ".ACN");
    ASSERT_EQ(acn.size(), static_cast<size_t>(v.acn_headings) + 2u * 33u);
    const size_t block = static_cast<size_t>(v.acn_headings) + 33u;   // the second year
    EXPECT_EQ(columns(acn[block + 2], 10, 13), "1991");
    EXPECT_EQ(columns(acn[block + 3], 15, 14 + static_cast<size_t>(v.acn_subarea_width)),
              std::string(static_cast<size_t>(v.acn_subarea_width) - 1, ' ') + "1");
    EXPECT_EQ(acn[block + 24].size(), 19u + 3u * 8u);   // two layers and their total
    EXPECT_EQ(acn[block + 24].rfind(" TOTAL ORGANIC C", 0), 0u);

    const auto aps = report(dir, ".APS");
    ASSERT_EQ(aps.size(), static_cast<size_t>(v.aps_headings) + 2u);
    const std::string& pesticide = aps[static_cast<size_t>(v.aps_headings)];
    EXPECT_EQ(columns(pesticide, 1, 6), "     1");
    EXPECT_EQ(columns(pesticide, 7, 11), "    5");
    EXPECT_EQ(columns(pesticide, 17, 21), "    1");
    EXPECT_EQ(columns(pesticide, 71, 86), "ATRAZINE        ");
    EXPECT_EQ(pesticide.size(), 216u);

    const auto awp = report(dir, ".AWP");
    ASSERT_EQ(awp.size(), static_cast<size_t>(v.awp_headings) + 2u);
    EXPECT_EQ(columns(awp.back(), 6, 9), "1991");
    EXPECT_EQ(awp.back().size(), v.awp_length);
}

TEST_P(StandInReportLayouts, MonthlyAndDailyFiles)
{
    const version_case& v = GetParam();
    const size_t headings = static_cast<size_t>(v.swat_headings);
    const auto msw = report(dir, ".MSW");
    ASSERT_EQ(msw.size(), headings + 2u + 24u);
    EXPECT_EQ(columns(msw[headings - 1], 84, 105), "ATRAZINE              ");
    EXPECT_EQ(columns(msw[headings + 2], 1, 10), " 1990    1");
    EXPECT_EQ(msw[headings + 2].size(), 77u + 22u);

    const auto swt = report(dir, ".SWT");
    ASSERT_EQ(swt.size(), headings + 2u + 730u);
    EXPECT_EQ(columns(swt[headings - 1], 114, 135), "ATRAZINE              ");
    EXPECT_EQ(columns(swt.back(), 1, 10), "  365 1991");
    EXPECT_EQ(swt.back().size(), 113u + 34u);

    const auto msa = report(dir, ".MSA");
    ASSERT_EQ(msa.size(), static_cast<size_t>(v.msa_headings + 2 * v.msa_names));
    const std::string& prcp = msa[static_cast<size_t>(v.msa_headings)];
    const size_t name = static_cast<size_t>(v.msa_name_column);
    EXPECT_EQ(columns(prcp, name, name + 3), "PRCP");
    EXPECT_EQ(columns(msa[static_cast<size_t>(v.msa_headings) + 1], name, name + 3), "  ET");
    EXPECT_EQ(columns(msa[static_cast<size_t>(v.msa_headings + v.msa_names) - 1], name, name + 3), v.version == 1307 ? "PDSW" : " RSD");
}

INSTANTIATE_TEST_SUITE_P(EveryVersion, StandInReportLayouts, ::testing::ValuesIn(versions),
                         [](const auto& info) { return "Version" + std::to_string(info.param.version); });

// A print file written for 806 in a set whose control file is 1307's is refused, and so is the
// reverse: both marks of the version must agree.
TEST(StandInVersionMarks, ControlFileAndPrintFileMustAgree)
{
    temp_dir dir;
    testing::write_stand_in_inputs(dir, 1307, {0});
    temp_dir other;
    testing::write_stand_in_inputs(other, 806, {0});
    std::filesystem::copy_file(other.file("ivPrnt.dat"), dir.file("ivPrnt.dat"), std::filesystem::copy_options::overwrite_existing);
    const auto run = testing::run_stand_in(IVORN_STAND_IN_PATH, dir);
    EXPECT_EQ(run.result.exit_status, 1);
    EXPECT_NE(run.console.find("ivPrnt.dat, line 7: written for another model version than 1307"), std::string::npos) << run.console;
}

#endif

} // namespace
} // namespace ivorn
