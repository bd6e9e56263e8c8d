// The fixed-column readers' value and success rules, and the text utilities.
#include <gtest/gtest.h>

#include "core/field_readers.h"
#include "core/text_utils.h"

namespace ivorn {
namespace {

TEST(FieldReaders, LongField)
{
    struct {
        const char* line;
        int first, last;
        std::int32_t value;
        bool ok;
    } cases[] = {
        {"  12", 1, 4, 12, true},
        {"12", 1, 4, 0, true},          // line shorter than the field
        {"    ", 1, 4, 0, false},       // blanks
        {"  -7xx", 1, 6, -7, true},     // trailing text ignored as a scan would
        {"abc", 1, 3, 0, false},
        {"99999999999", 1, 11, 0, false}, // does not fit
        {"x 42", 2, 4, 42, true},
    };
    for (const auto& c : cases) {
        std::int32_t out = 123;
        EXPECT_EQ(read_long_field(c.line, c.first, c.last, out), c.ok) << c.line;
        EXPECT_EQ(out, c.value) << c.line;
    }
}

TEST(FieldReaders, UshortKeepsLowSixteenBits)
{
    unsigned short out = 1;
    EXPECT_TRUE(read_ushort_field("70000", 1, 5, out));
    EXPECT_EQ(out, 70000u & 0xFFFFu);
    EXPECT_TRUE(read_ushort_field("   -1", 1, 5, out));
    EXPECT_EQ(out, 0xFFFFu);
}

TEST(FieldReaders, FloatFieldMustEndAtTheLastColumn)
{
    struct {
        const char* line;
        float value;
        bool ok;
    } cases[] = {
        {"   1.50", 1.5f, true},
        {"1.50   ", 1.5f, false},
        {"       ", 0.0f, false},
        {"1e39   ", 0.0f, false}, // beyond a float: never an infinity
        {"    inf", 0.0f, false},
        {"    nan", 0.0f, false},
        {"-2.5E-1", -0.25f, true},
        {"    +2.", 2.0f, true},
        {"    0x1", 1.0f, true},  // read as the C library reads it
        {"   1.5e", 1.5f, false}, // an exponent without digits is not part of the number
        {"1e-320 ", 0.0f, false}, // too small for a double's full precision
        {"    -0.", -0.0f, true},
        {"  .0625", 0.0625f, true},
    };
    for (const auto& c : cases) {
        float out = 9.0f;
        EXPECT_EQ(read_float_field(c.line, 1, 7, out), c.ok) << c.line;
        EXPECT_EQ(out, c.value) << c.line;
    }
    float out = 9.0f;
    EXPECT_TRUE(read_float_field("1.5", 1, 7, out));
    EXPECT_EQ(out, 0.0f);
}

TEST(FieldReaders, TextFieldFailsOnShortLineLeavingOutput)
{
    std::string out = "kept";
    EXPECT_FALSE(read_text_field("abc", 2, 5, out));
    EXPECT_EQ(out, "kept");
    EXPECT_TRUE(read_text_field("abcdef", 2, 5, out));
    EXPECT_EQ(out, "bcde");
}

TEST(TextUtils, TrimAndPad)
{
    EXPECT_EQ(trim_copy(""), "");
    EXPECT_EQ(trim_copy("    "), "");
    EXPECT_EQ(trim_copy(" \tCORN  \n"), "CORN");
    EXPECT_EQ(pad_to_width("CORN", 4), "CORN");
    EXPECT_EQ(pad_to_width("SOYBEAN", 4), "SOYB");
    EXPECT_EQ(pad_to_width("RY", 4), "RY  ");
    EXPECT_EQ(without_line_end("abc\n"), "abc");
}

} // namespace
} // namespace ivorn
