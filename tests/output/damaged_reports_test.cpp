// Damaged copies of the stand-in model's reports loaded with `ivorn load-outputs`: a load either
// stores the run's complete outputs or fails, names what stopped it and leaves every row as it
// was; page breaks and an eleventh crop still load.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "core/text_utils.h"
#include "output/output_tables.h"
#include "output/output_variables.h"
#include "output/print_file.h"
#include "output_load_fixture.h"
#include "site/control_record_table.h"
#include "support/run_cli.h"
#include "support/stand_in_inputs.h"

namespace ivorn {
namespace {

using testing::lines_of;
using report_files = std::map<std::string, std::string>; // extension -> text
using table_rows = std::vector<std::vector<std::string>>;

const std::initializer_list<int> all_switches = {0, 4, 6, 7, 20, 23, 26, 27};
const char* const extensions[] = {".OUT", ".ACY", ".ACN", ".APS", ".AWP", ".MSA", ".MSW", ".SWT", ".SUS"};

std::string join(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// Index of the first line holding `text` at 1-based `column`.
size_t line_at(const std::vector<std::string>& lines, const std::string& text, int column)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() >= column + text.size() - 1 && lines[i].compare(column - 1, text.size(), text) == 0)
            return i;
    }
    ADD_FAILURE() << "no line with " << text;
    return 0;
}

// One stand-in run of a model version, a database holding its outputs for record 1, and the
// settings that `ivorn` loads them with.
class stand_in_outputs {
public:
    explicit stand_in_outputs(int version)
    {
        testing::write_stand_in_inputs(model, version, all_switches);
        testing::write_file(model.file("output variables.csv"), variables_file(all_switches));
        list_output_variable_descriptions variables;
        message_box_texts shown;
        std::string log;
        EXPECT_TRUE(variables.load_output_variables(model.file("output variables.csv"), shown));
        EXPECT_TRUE(write_print_file(&variables, version, model.file("ivPrnt.dat"), line_end_style::lf, log)) << log;
        const auto run = testing::run_stand_in(IVORN_STAND_IN_PATH, model);
        EXPECT_EQ(run.result.exit_status, 0) << run.console;
        for (const char* extension : extensions)
            good[extension] = testing::read_file(model.file(std::string("vorn") + extension));
        testing::write_file(model.file("settings.ini"), "");
        EXPECT_EQ(ivorn("config set Settings/VORNVersion " + std::to_string(version)).status, 0);
        EXPECT_TRUE(create_project_database(model.file("p.db"), log)) << log;
        add_record(log);
        EXPECT_EQ(load(good).status, 0) << last.err;
        baseline = all_rows();
    }

    static std::string variables_file(std::initializer_list<int> switches)
    {
        std::string line;
        for (int k = 0; k < output_file_switch_count; ++k)
            line += std::find(switches.begin(), switches.end(), k) != switches.end() ? "1 " : "0 ";
        return "   3\n" + line + "\n1,4,PRCP,,in,Precipitation\n2,1,TMX,,Degrees F,Maximum temperature\n"
               "1,12,Q,,in,Runoff\n";
    }

    testing::cli_result ivorn(const std::string& arguments)
    {
        last = testing::run_ivorn(model.file("settings.ini"),
                                  "--model " + testing::shell_quote(model.file("vorn2110v3")) + " " + arguments);
        return last;
    }

    // Loads these reports from a directory of their own, as record 1.
    testing::cli_result load(const report_files& reports)
    {
        for (const auto& [extension, text] : reports)
            testing::write_file(copy.file("vorn" + extension), text);
        return ivorn("load-outputs " + testing::shell_quote(model.file("p.db")) + " --record 1 --base "
                     + testing::shell_quote(copy.file("vorn")) + " --yearly --watershed --residue");
    }

    std::map<std::string, table_rows> all_rows()
    {
        database db;
        std::string log;
        EXPECT_TRUE(open_project_database(db, model.file("p.db"), log)) << log;
        std::map<std::string, table_rows> rows;
        auto read = [&](const table_description& table) {
            recordset set;
            EXPECT_TRUE(set.open(db, table, {}, log, recordset::mode::read_only)) << log;
            for (set.move_first(); !set.is_eof(); set.move_next()) {
                std::vector<std::string> row;
                for (const auto& value : set.current_row())
                    row.push_back(value_as_text(value));
                rows[table.name].push_back(row);
            }
        };
        for (const table_description* table : run_output_tables())
            read(*table);
        read(selected_variables_table());
        return rows;
    }

    std::string path(const std::string& extension) const { return copy.file("vorn" + extension); }

    testing::temp_dir model;
    testing::temp_dir copy;
    report_files good;
    std::map<std::string, table_rows> baseline;
    testing::cli_result last;

private:
    void add_record(std::string& log)
    {
        database db;
        EXPECT_TRUE(open_project_database(db, model.file("p.db"), log)) << log;
        recordset records;
        EXPECT_TRUE(records.open(db, control_records_table(), {}, log)) << log;
        records.add_new();
        records.set("ID", field_value(std::int64_t{1}));
        records.set("Beginning Year", field_value(std::int64_t{1990}));
        EXPECT_TRUE(records.update(log)) << log;
    }
};

struct damage_case {
    const char* name;
    int version;
    std::function<void(report_files&)> damage;
    // The message, given the path of a report copy; empty for a load that succeeds.
    std::function<std::string(const stand_in_outputs&)> error;
    const char* switches = nullptr; // other switches than all of them, for `ivorn variables switches`
};

// Lines of one report, damaged by `edit`.
std::function<void(report_files&)> edit_lines(const std::string& extension,
                                               std::function<void(std::vector<std::string>&)> edit)
{
    return [extension, edit](report_files& reports) {
        std::vector<std::string> lines = lines_of(reports[extension]);
        edit(lines);
        reports[extension] = join(lines);
    };
}

// A page eject and a heading whose lines leave column 3 blank, just before the line of the first
// monthly table that starts with `text` after its blank column 1.
std::function<void(report_files&)> page_break_before(const std::string& text)
{
    return edit_lines(".OUT", [text](std::vector<std::string>& lines) {
        const size_t table = line_at(lines, "SUBAREA 1  ID", 2);
        size_t at = table;
        while (at < lines.size() && lines[at].compare(0, text.size() + 1, " " + text) != 0)
            ++at;
        ASSERT_LT(at, lines.size()) << text;
        lines.insert(lines.begin() + static_cast<long>(at),
                     {"1   VORN 1307   NEXT PAGE", "   SUBAREA 1 CONTINUED", lines[table + 1]});
    });
}

std::string error_at(const std::string& text) { return "ERROR: " + text + "\n"; }

const damage_case damage_cases[] = {
    {"empty .ACY", 2110, [](report_files& r) { r[".ACY"] = ""; },
     [](const stand_in_outputs& o) { return error_at("Output file ends before the end of its headings: " + o.path(".ACY")); }},
    {".SWT cut to 3 lines", 2110, edit_lines(".SWT", [](std::vector<std::string>& l) { l.resize(3); }),
     [](const stand_in_outputs& o) { return error_at("Output file ends before the end of its headings: " + o.path(".SWT")); }},
    {".ACY cut after its headings", 2110, edit_lines(".ACY", [](std::vector<std::string>& l) { l.resize(8); }),
     [](const stand_in_outputs& o) { return error_at("Output file holds no data line after its headings: " + o.path(".ACY")); }},
    {".AWP cut in the middle of line 10", 2110,
     [](report_files& r) {
         const std::vector<std::string> lines = lines_of(r[".AWP"]);
         r[".AWP"] = join({lines.begin(), lines.begin() + 9}) + lines[9].substr(0, 40);
     },
     [](const stand_in_outputs& o) { return error_at("Output file is cut short in the middle of a line: " + o.path(".AWP") + " line 10"); }},
    {".ACN cut inside its last block", 2110,
     edit_lines(".ACN", [](std::vector<std::string>& l) { l.resize(l.size() - 5); }),
     [](const stand_in_outputs& o) {
         return error_at("Output file ends inside a block of organic carbon and nitrogen: " + o.path(".ACN") + " line "
                         + std::to_string(lines_of(o.good.at(".ACN")).size() - 5));
     }},
    {".MSA block without its ET line", 2110,
     edit_lines(".MSA", [](std::vector<std::string>& l) { l.erase(l.begin() + static_cast<long>(line_at(l, "  ET", 20))); }),
     [](const stand_in_outputs& o) {
         return error_at("Monthly block of subarea 1 year 1 lacks ET: " + o.path(".MSA") + " line "
                         + std::to_string(line_at(lines_of(o.good.at(".MSA")), "PRCP", 20) + 1));
     }},
    {"1.00E+39 in .AWP", 2110, edit_lines(".AWP", [](std::vector<std::string>& l) { l[8].replace(19, 10, "  1.00E+39"); }),
     [](const stand_in_outputs& o) { return error_at("Number beyond a single float: " + o.path(".AWP") + " line 9 columns 20-29"); }},
    {"switch 0 off, model stopped half way", 2110,
     edit_lines(".OUT", [](std::vector<std::string>& l) { l.resize(l.size() / 2); }),
     [](const stand_in_outputs&) { return std::string("VORN did not finish for run 1\n"); }, "4,6,7,20,23,26,27"},
    {"1307 page break before Q", 1307, page_break_before("   Q"), nullptr},
    {"1307 page break before ET", 1307, page_break_before("  ET"), nullptr},
    {"1307 page break before the end line", 1307, page_break_before("    OUTPUT OF THE YEAR ENDS"), nullptr},
};

TEST(DamagedStandInReports, LoadAllOrNothingAndSayWhy)
{
    std::map<int, std::unique_ptr<stand_in_outputs>> runs;
    for (const damage_case& c : damage_cases) {
        SCOPED_TRACE(c.name);
        auto& run = runs[c.version];
        if (!run)
            run = std::make_unique<stand_in_outputs>(c.version);
        ASSERT_EQ(run->ivorn(std::string("variables switches ") + (c.switches ? c.switches : "0,4,6,7,20,23,26,27")).status, 0);
        report_files reports = run->good;
        c.damage(reports);
        const auto result = run->load(reports);
        if (c.error) {
            EXPECT_EQ(result.status, 1);
            EXPECT_EQ(result.err, c.error(*run));
        } else {
            EXPECT_EQ(result.status, 0) << result.err;
            EXPECT_EQ(result.out, "Outputs of record 1 loaded.\n");
        }
        EXPECT_EQ(run->all_rows(), run->baseline);
    }
}

// The report names eleven crops for a subarea: the run loads with the first ten, and says which
// one was left out.
TEST(DamagedStandInReports, EleventhCropIsLeftOutWithALogLine)
{
    stand_in_outputs run(2110);
    report_files reports = run.good;
    edit_lines(".OUT", [](std::vector<std::string>& l) {
        const size_t yield = line_at(l, "YLD=", 8);
        const std::vector<std::string> crop(l.begin() + static_cast<long>(yield), l.begin() + static_cast<long>(yield) + 3);
        std::vector<std::string> added;
        for (int k = 1; k <= 10; ++k) {
            added.push_back("       ----");
            for (std::string line : crop) {
                line.replace(line.find("CORN"), 4, format_printf("C%03d", k));
                added.push_back(line);
            }
        }
        l.insert(l.begin() + static_cast<long>(yield) + 3, added.begin(), added.end());
    })(reports);
    const auto result = run.load(reports);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "Crop C010 of subarea 1 left out: a subarea keeps at most 10 crops\n");
    EXPECT_EQ(result.out, "Outputs of record 1 loaded.\n");
    auto rows = run.all_rows();
    const table_description& averages = average_output_table();
    const auto column = [&](const char* name) { return static_cast<size_t>(averages.column_index(name)); };
    ASSERT_EQ(rows["Average Output"].size(), 1u);
    EXPECT_EQ(rows["Average Output"][0][column("Number Crops")], "10");
    EXPECT_EQ(rows["Average Output"][0][column("Crop 1 Id")], "CORN");
    EXPECT_EQ(rows["Average Output"][0][column("Crop 1 Yield")], run.baseline["Average Output"][0][column("Crop 1 Yield")]);
    EXPECT_EQ(rows["Average Output"][0][column("Crop 5 Id")], "C004");
    rows.erase("Average Output");
    rows.erase("Yearly Output");
    run.baseline.erase("Average Output");
    run.baseline.erase("Yearly Output");
    EXPECT_EQ(rows, run.baseline);
}

} // namespace
} // namespace ivorn
