// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/QuotedText.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

// Program bytes and the program's own UTF-8 messages share one quoted form;
// they differ only in how a plain byte is written out.
TEST(QuotedTextTest, BothSourcesEscapeTheSameControlBytes) {
    const std::string controls("\\\"\r\n\t\0\x01\x1F\x7F", 9);
    const std::string escaped = R"("\\\"\r\n\t\0\x01\x1F\x7F")";
    EXPECT_EQ(quoteText(controls), escaped);
    EXPECT_EQ(quoteUtf8(controls), escaped);

    EXPECT_EQ(quoteText("\xC6\x98"), "\"Ж\\x98\"");
    EXPECT_EQ(quoteUtf8("\xD0\x98"), "\"\xD0\x98\""); // "И": 0x98 is part of the character
}

TEST(QuotedTextTest, QuotedTextReadsBack) {
    const std::string bytes("a\"b\\\r\n\t\0\x98\xC6", 10);
    std::string_view rest;
    std::string error;
    const std::string quoted = quoteText(bytes) + " tail";
    const auto back = unquoteText(quoted, rest, error);
    ASSERT_TRUE(back.has_value()) << error;
    EXPECT_EQ(*back, bytes);
    EXPECT_EQ(rest, " tail");
}

} // namespace
} // namespace norvik
