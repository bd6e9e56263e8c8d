// `ivorn import dataset` over damaged and Windows-made data sets: a file cut short fails the import
// with its file and line and leaves the database as it was; backslashed, upper-case and
// drive-letter names are found and the data set is imported whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "support/made_up_dataset.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::run_ivorn;
using testing::shell_quote;

struct replaced_file {
    const char* name;
    std::string text;
};

struct dataset_case {
    const char* name;
    std::vector<replaced_file> files;
    std::string options;
    int status;
    // Each with "SET/" standing for the data set's directory.
    std::vector<std::string> messages;
};

// The site file of the made-up data set without its six herd lines.
const std::string site_without_herds = "\n\n\n"
                                       "   1.000    40.5  -93.25   300.0     1.5   0.010   350.0     0.0     0.8   0.000\n"
                                       "                                                                  20.000  30.000\n"
                                       "   1\n"
                                       "\n"
                                       "   3   0   0   0   0   0   0   0   0\n"
                                       "     1.0     0.0     0.0     0.0     0.0     0.0     0.0     0.0     0.0\n"
                                       "\n\n\n";

std::string text_of(const char* name)
{
    for (const auto& file : testing::made_up_dataset_files()) {
        if (std::string(file.name) == name)
            return file.text;
    }
    return {};
}

// The first `count` lines of a data set file.
std::string first_lines(const char* name, int count)
{
    const std::string text = text_of(name);
    size_t end = 0;
    for (int i = 0; i < count; ++i)
        end = text.find('\n', end) + 1;
    return text.substr(0, end);
}

std::string replace_all(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

const std::string windows_list = " FSITE    IVSITELS.DAT\n"
                                 " FSUB     ivsublist.dat\n"
                                 " FWPM1    .\\IVWTHLST.DAT\n"
                                 " FWIND    ivwindls.dat\n"
                                 " FCROP    Crops.Dat\n"
                                 " FTILL    till.dat\n"
                                 " FPEST    pest.dat\n"
                                 " FFERT    fert.dat\n"
                                 " FSOIL    SOILS\\IVSLLIST.DAT\n"
                                 " FOPSC    ivOpList.dat\n"
                                 " FTR55    tr552110.dat\n"
                                 " FPARM    parm.dat\n";

const std::vector<dataset_case>& cases()
{
    static const std::vector<dataset_case> list = {
        {"truncated weather", {{"wthr3.wp1", first_lines("wthr3.wp1", 10)}}, "", 1,
         {"Read error in vorn_weather::import_weather\nFile SET/wthr3.wp1 ends before line 11.\n"}},
        {"parameter file cut short", {{"parm.dat", first_lines("parm.dat", 12)}}, "", 1,
         {"Unable to read parameter file SET/parm.dat\nFile SET/parm.dat ends before line 13.\n"}},
        {"site file without herd lines", {{"ivsite.dat", site_without_herds}}, "", 1,
         {"Unable to read line 10 of site file.\nFile SET/ivsite.dat ends before line 13.\n"}},
        {"backslashed and upper-case names",
         {{"vornfile.dat", windows_list},
          {"ivwthlst.dat", replace_all(text_of("ivwthlst.dat"), "wthr3.wp1", "WTHR3.WP1")},
          {"soils/ivSlList.dat", replace_all(text_of("soils/ivSlList.dat"), "soil1.sol", "Soil1.SOL")}},
         "",
         0,
         {"1\n"}},
        {"drive-letter name",
         {{"vornfile.dat", replace_all(text_of("vornfile.dat"), "FCROP    crops.dat", "FCROP    C:\\VORN\\DATA\\crops.dat")}},
         "",
         0,
         {"The name C:\\VORN\\DATA\\crops.dat in SET/vornfile.dat has a drive letter; SET/crops.dat is read instead.\n",
          "1\n"}},
        {"record ID 0", {}, " --id 0", 1, {"Record ID 0 is not valid: record IDs start at 1.\n"}},
    };
    return list;
}

TEST(IvornImportDataset, DamagedDataSetsChangeNothingAndWindowsNamesAreFound)
{
    for (const dataset_case& c : cases()) {
        testing::temp_dir dir;
        const std::string settings = dir.file("s.ini");
        const std::string db = shell_quote(dir.file("p.db"));
        const std::filesystem::path set = dir.path() / "set";
        const std::string vornfile = testing::write_made_up_dataset(set);
        for (const replaced_file& file : c.files)
            testing::write_file((set / file.name).string(), file.text);
        ASSERT_EQ(run_ivorn(settings, "new " + db).status, 0) << c.name;
        const std::string empty = run_ivorn(settings, "info " + db).out;

        const auto result = run_ivorn(settings, "import dataset " + db + " " + shell_quote(vornfile) + c.options);
        EXPECT_EQ(result.status, c.status) << c.name << "\n" << result.err;
        const std::string output = result.err + result.out;
        for (const std::string& message : c.messages) {
            const std::string expected = replace_all(message, "SET/", set.string() + "/");
            EXPECT_NE(output.find(expected), std::string::npos) << c.name << ": " << expected << "\nin\n" << output;
        }
        const std::string info = run_ivorn(settings, "info " + db).out;
        if (c.status != 0) {
            EXPECT_EQ(info, empty) << c.name;
            continue;
        }
        // Imported whole: the record with its two subareas, both soils, the station's twelve months.
        EXPECT_EQ(run_ivorn(settings, "records " + db).out, "1\t1\tDEMO RUN\n") << c.name;
        for (const char* rows : {"Subareas\t2\n", "Soils\t2\n", "Weather by Month\t12\n", "Crops\t2\n"})
            EXPECT_NE(info.find(rows), std::string::npos) << c.name << ": " << rows << "\n" << info;
        const std::string months = run_ivorn(settings, "export " + db + " \"Weather by Month\"").out;
        EXPECT_NE(months.find("\n1,1,1,2,3,4,5,6,7,8,9,10,11,12,13,4,"), std::string::npos) << c.name << "\n" << months;
    }
}

} // namespace
} // namespace ivorn
