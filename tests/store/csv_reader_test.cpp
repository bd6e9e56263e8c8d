// Reading comma-separated text: quoted fields, line ends, and the refusals that name their line.
#include <gtest/gtest.h>

#include "store/csv_reader.h"

namespace ivorn {
namespace {

// Rows joined as "line:field|field" per row, one row per line of the result.
std::string shown(const std::vector<csv_row>& rows)
{
    std::string text;
    for (const auto& row : rows) {
        text += std::to_string(row.line) + ":";
        for (size_t i = 0; i < row.fields.size(); ++i)
            text += (i ? "|" : "") + row.fields[i];
        text += "\n";
    }
    return text;
}

TEST(CsvReader, ReadsFieldsAsSpreadsheetsWriteThem)
{
    const struct {
        const char* name;
        std::string text;
        const char* rows;
    } cases[] = {
        {"plain", "a,b\n1,2\n", "1:a|b\n2:1|2\n"},
        {"no last line end", "a,b\n1,2", "1:a|b\n2:1|2\n"},
        {"CR LF and a mark", "\xEF\xBB\xBF" "a,b\r\n1,2\r\n", "1:a|b\n2:1|2\n"},
        {"blank lines skipped", "a\n\n1\n\r\n", "1:a\n3:1\n"},
        {"quoted comma and quote", "\"x,y\",\"say \"\"hi\"\"\"\n", "1:x,y|say \"hi\"\n"},
        {"line break in quotes", "\"two\nlines\",b\nc,d\n", "1:two\nlines|b\n3:c|d\n"},
        {"empty fields", ",,\n", "1:||\n"},
        {"quote inside a plain field", "a\"b,c\n", "1:a\"b|c\n"},
    };
    for (const auto& c : cases) {
        std::vector<csv_row> rows;
        std::string log;
        EXPECT_TRUE(parse_csv(c.text, rows, log)) << c.name << ": " << log;
        EXPECT_EQ(shown(rows), c.rows) << c.name;
    }
}

TEST(CsvReader, RefusesWhatIsNotCommaSeparatedText)
{
    const struct {
        const char* name;
        std::string text;
        const char* message;
    } cases[] = {
        {"NUL byte", std::string("a,b\n1,\0\n", 8), "The file holds NUL bytes: it is not comma-separated text.\r\n"},
        {"unended quote", "a\n\"b,\nc\n", "Line 2: a quoted field does not end.\r\n"},
        {"text after quote", "a\n\n\"b\"c,d\n", "Line 3: text after the closing quote of a field.\r\n"},
    };
    for (const auto& c : cases) {
        std::vector<csv_row> rows;
        std::string log;
        EXPECT_FALSE(parse_csv(c.text, rows, log)) << c.name;
        EXPECT_EQ(log, c.message) << c.name;
    }
}

} // namespace
} // namespace ivorn
