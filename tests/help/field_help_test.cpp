// The help file's splitting and quoting rules, its error messages, the letter lists' order and
// the lookup with its version fallback and display text.
#include "help/field_help.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace ivorn {
namespace {

class FieldHelp : public ::testing::Test {
protected:
    // Loads `text` as a help file; returns the error text.
    std::string load(const std::string& text)
    {
        const std::string path = scratch.file("iVornHelp.csv");
        testing::write_file(path, text);
        std::string errors;
        load_field_help(help, path, errors);
        return errors;
    }
    std::string find(const std::string& name, unsigned version = 0)
    {
        std::string result = "(none)";
        help.find_field_help(name, version, result);
        return result;
    }

    testing::temp_dir scratch;
    list_field_help_vorn help;
};

TEST_F(FieldHelp, DisplayTextsOfParsedLines)
{
    struct help_case {
        const char* line;
        const char* name;
        const char* shown;
    };
    const help_case cases[] = {
        {"CN2,0,1,,\"Curve number\"", "CN2", "CN2: Curve number"},
        {"PRCP,0,6,mm,Daily rain, as read", "PRCP", "PRCP (mm): Daily rain, as read"},
        {"\"WSA\",0,13,\"ha\",\"Area, drainage\"", "WSA", "WSA (ha): Area, drainage"},
        {"RZ,0,4", "RZ", "RZ: "},
        {"RZ2,0,4,", "RZ2", "RZ2: "},
        {"SLP,0,13,m/m,Slope\\nof the field", "SLP", "SLP (m/m): Slope\r\nof the field"},
        {"OPEN,0,1,,\"unterminated, text", "OPEN", "OPEN: unterminated, text"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        help.clear();
        EXPECT_EQ(load(std::string(c.line) + "\r\n"), "");
        EXPECT_EQ(find(c.name), c.shown);
    }
}

TEST_F(FieldHelp, VersionFallsBackToTheFirstEntryOfTheName)
{
    EXPECT_EQ(load("PRCP,1,6,mm,second\nPRCP,0,6,mm,first\nPARM(61),0,8,,a parameter\n"), "");
    EXPECT_EQ(find("PRCP", 0), "PRCP (mm): first");
    EXPECT_EQ(find("PRCP", 1), "PRCP (mm): second");
    EXPECT_EQ(find("PRCP", 2), "PRCP (mm): first");
    EXPECT_EQ(find("prcp", 1), "PRCP (mm): second");
    EXPECT_EQ(find("parm(61)"), "PARM(61): a parameter");
    EXPECT_EQ(find("NONE"), "(none)");
    EXPECT_EQ(find("1ABC"), "(none)");
}

TEST_F(FieldHelp, HelpBoxShowsVersionZeroOrNotFound)
{
    EXPECT_EQ(load("WSA,1,13,ha,later\nWSA,0,13,ha,Drainage area\n"), "");
    EXPECT_EQ(help_box_text(help, "WSA"), "WSA (ha): Drainage area");
    EXPECT_EQ(help_box_text(help, "CN2"), "Not Found: CN2");
    EXPECT_EQ(help_box_text(help, "SCRP1(21)"), "Not Found: SCRP1(21)");
    EXPECT_EQ(help_box_text(help, ""), "");
}

TEST_F(FieldHelp, LetterListsAreOrderedByNameThenVersion)
{
    EXPECT_EQ(load("cn2,0,1\nCN2,1,1\nCN2,0,1\nCNX,0,1\n"), "");
    const auto* list = help.letter_list('c');
    ASSERT_NE(list, nullptr);
    std::vector<std::string> order;
    for (const field_help* entry : *list)
        order.push_back(entry->name + "/" + std::to_string(entry->version));
    EXPECT_EQ(order, (std::vector<std::string>{"CN2/0", "CN2/1", "CNX/0", "cn2/0"}));
    EXPECT_EQ(help.count(), 4u);
}

TEST_F(FieldHelp, LoadingStopsAtAnEmptyLine)
{
    EXPECT_EQ(load("A1,0,1\n\nB1,0,1\n"), "");
    EXPECT_EQ(help.count(), 1u);
}

TEST_F(FieldHelp, ErrorsStopLoadingAndKeepEarlierEntries)
{
    struct error_case {
        const char* text;
        const char* errors;
        size_t kept;
    };
    const error_case cases[] = {
        {"A1,0,1\n2ND,0,1\nC1,0,1\n", "ERROR, invalid field name \"2ND\" in help text file.\r\n", 1},
        {"A1,0,1\nB1\n", "ERROR, unable to parse help text version, name=\"B1\", line=2.\r\n.\r\n", 1},
        {"A1,0,1\nA2,0,1\nB1,3\n", "ERROR, unable to parse help text table, name=\"B1\", line=3.\r\n", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        help.clear();
        EXPECT_EQ(load(c.text), c.errors);
        EXPECT_EQ(help.count(), c.kept);
    }
}

TEST_F(FieldHelp, MissingFileIsReportedAndLeavesLookupsEmpty)
{
    std::string errors;
    const std::string path = scratch.file("absent.csv");
    load_field_help(help, path, errors);
    EXPECT_EQ(errors, "ERROR, unable to open help file \"" + path + "\"\r\n");
    EXPECT_EQ(find("CN2"), "(none)");
}

TEST_F(FieldHelp, VersionKeepsItsLow16Bits)
{
    EXPECT_EQ(load("A1,65537,1,,x\n"), "");
    EXPECT_EQ(help.letter_list('A')->first()->version, 1);
}

TEST_F(FieldHelp, TableNamesAndPages)
{
    std::string name;
    std::string page;
    std::string fourth;
    help.table_name(13, name);
    help.table_page(13, page);
    help.table_text(13, fourth);
    EXPECT_EQ(name, "Subarea");
    EXPECT_EQ(page, "i_vorn_subareas.html");
    EXPECT_EQ(fourth, "1");
    help.table_name(15, name);
    help.table_page(0, page);
    EXPECT_EQ(name, "??");
    EXPECT_EQ(page, "unknown");
    list_field_help plain;
    plain.table_name(1, name);
    plain.table_text(1, fourth);
    EXPECT_EQ(name, "??");
    EXPECT_EQ(fourth, "unknown");
}

} // namespace
} // namespace ivorn
