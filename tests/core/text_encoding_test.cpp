// Names cross between the model's single-byte files and the UTF-8 database: Latin-1 bytes become
// UTF-8 on the way in and single bytes again on the way out.
#include <gtest/gtest.h>

#include "core/text_utils.h"

namespace ivorn {
namespace {

TEST(TextEncoding, Latin1NamesRoundTripThroughUtf8)
{
    const struct {
        const char* latin1;
        const char* utf8;
    } cases[] = {
        {"CORN", "CORN"},
        {"Caf\xE9", "Caf\xC3\xA9"},
        {"\xC4\xD6\xDC \xFF", "\xC3\x84\xC3\x96\xC3\x9C \xC3\xBF"},
        {"\x80\xA0", "\xC2\x80\xC2\xA0"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(latin1_to_utf8(c.latin1), c.utf8) << c.latin1;
        EXPECT_EQ(utf8_to_latin1(c.utf8), c.latin1) << c.latin1;
    }
}

TEST(TextEncoding, WhatLatin1LacksIsAQuestionMarkAndStrayBytesStay)
{
    EXPECT_EQ(utf8_to_latin1("5\xE2\x82\xAC"), "5?");           // the euro sign
    EXPECT_EQ(utf8_to_latin1("\xF0\x9F\x8C\xBD corn"), "? corn"); // four bytes, one character
    EXPECT_EQ(utf8_to_latin1("Caf\xE9"), "Caf\xE9");             // stored before names were converted
    EXPECT_EQ(utf8_to_latin1("\xC3"), "\xC3");                   // cut short
}

} // namespace
} // namespace ivorn
