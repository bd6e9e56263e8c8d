// Text-mode bytes of written model files and line ends as readers see them.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "core/line_reader.h"
#include "core/model_file_writer.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::read_file;
using testing::temp_dir;
using testing::write_file;

TEST(ModelFileWriter, TextModeLineEnds)
{
    temp_dir dir;
    const std::string path = dir.file("out.dat");
    struct {
        line_end_style style;
        const char* expected;
    } cases[] = {
        {line_end_style::crlf, "a\r\nb\r\r\nc"},
        {line_end_style::lf, "a\nb\r\nc"},
    };
    for (const auto& c : cases) {
        model_file_writer writer;
        ASSERT_TRUE(writer.open(path, c.style));
        writer.write("a\n");
        writer.printf("%s\r\n%c", "b", 'c');
        EXPECT_TRUE(writer.close());
        EXPECT_EQ(read_file(path), c.expected);
    }
}

TEST(LineReader, LineEndsArriveAsOneNewline)
{
    temp_dir dir;
    const std::string path = dir.file("in.dat");
    write_file(path, "one\r\ntwo\nthree");
    line_reader reader;
    std::string log;
    ASSERT_EQ(reader.open(path, log), line_reader::open_result::opened);
    std::string line;
    ASSERT_TRUE(reader.next_line(line));
    EXPECT_EQ(line, "one\n");
    ASSERT_TRUE(reader.next_line(line));
    EXPECT_EQ(line, "two\n");
    ASSERT_TRUE(reader.next_line(line));
    EXPECT_EQ(line, "three");
    EXPECT_EQ(reader.line_number(), 3);
    EXPECT_FALSE(reader.next_line(line));
    reader.log_stop(log);
    EXPECT_EQ(log, "File " + path + ", line 3.\r\n");
}

TEST(LineReader, RefusesNulBytesAndReportsMissingFiles)
{
    temp_dir dir;
    const std::string path = dir.file("bin.dat");
    write_file(path, std::string("ab\0cd\n", 6));
    line_reader reader;
    std::string log;
    EXPECT_EQ(reader.open(path, log), line_reader::open_result::not_text);
    EXPECT_NE(log.find(path), std::string::npos);
    std::string line;
    EXPECT_FALSE(reader.next_line(line));
    EXPECT_EQ(reader.open(dir.file("missing.dat"), log), line_reader::open_result::missing);
}

// A file far larger than what the reader holds at once: lines of every length, a CR LF falling
// anywhere, a search that runs to the end and comes back, a scan across line ends, a blank tail.
TEST(LineReader, LargeFileReadsAsIfHeldWhole)
{
    temp_dir dir;
    const std::string path = dir.file("big.dat");
    std::string text;
    std::vector<std::string> expected;
    for (int n = 0; text.size() < 400000; ++n) {
        const std::string body(static_cast<size_t>(n * 37 % 1000 + (n == 50 ? 150000 : 0)), static_cast<char>('a' + n % 26));
        text += body + (n % 3 ? "\n" : "\r\n");
        expected.push_back(body + "\n");
    }
    text += "  SIMULATION\n\n DURATION = \n 12 Y\n" + std::string(200000, ' ') + "\n\t\n";
    write_file(path, text);
    line_reader reader;
    std::string log;
    ASSERT_EQ(reader.open(path, log), line_reader::open_result::opened);
    std::string line;
    for (size_t k = 0; k < expected.size(); ++k) {
        if (k == 3) {
            const line_reader::position at = reader.tell();
            while (reader.next_line(line)) {
            }
            reader.seek(at);
        }
        ASSERT_TRUE(reader.next_line(line)) << k;
        ASSERT_EQ(line, expected[k]) << k;
    }
    int years = 0;
    int used = 0;
    ASSERT_EQ(std::sscanf(reader.look_ahead(8), " SIMULATION DURATION = %d Y %n", &years, &used), 1);
    EXPECT_EQ(years, 12);
    reader.advance(static_cast<size_t>(used));
    EXPECT_EQ(reader.line_number(), static_cast<int>(expected.size()) + 6);
    EXPECT_TRUE(reader.rest_is_blank());

    write_file(path, text + std::string(1, '\0'));
    EXPECT_EQ(reader.open(path, log), line_reader::open_result::not_text);
}

} // namespace
} // namespace ivorn
