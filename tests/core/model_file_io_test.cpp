// Text-mode bytes of written model files and line ends as readers see them.
#include <gtest/gtest.h>

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

} // namespace
} // namespace ivorn
