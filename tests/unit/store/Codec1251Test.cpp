// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Codec1251.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

using namespace cp1251;

TEST(Codec1251Test, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        all += static_cast<char>(byte);
        const auto back = fromUnicode(toUnicode(byte));
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, byte);
    }
    EXPECT_EQ(fromUtf8(toUtf8(all)), all);
    EXPECT_EQ(toUnicode(0x98), U'\uF898');
    EXPECT_EQ(fromUnicode(U'\uF898'), 0x98);
    EXPECT_EQ(toUtf8("\xC6\x88\xB9"), "Ж€№");
}

TEST(Codec1251Test, TellsWhichCharactersCanBeStored) {
    EXPECT_TRUE(canStore(U'A'));
    EXPECT_TRUE(canStore(U'Ж'));
    EXPECT_TRUE(canStore(U'ё'));
    EXPECT_TRUE(canStore(U'€'));
    EXPECT_TRUE(canStore(U'\0'));
    EXPECT_FALSE(canStore(U'é'));
    EXPECT_FALSE(canStore(U'中'));
    EXPECT_FALSE(canStore(U'\U0001F600'));
}

TEST(Codec1251Test, RejectsBrokenOrUnstorableUtf8) {
    EXPECT_FALSE(fromUtf8("\x80").has_value());         // a lone continuation byte
    EXPECT_FALSE(fromUtf8("\xD0").has_value());         // cut short
    EXPECT_FALSE(fromUtf8("\xC0\x80").has_value());     // overlong NUL
    EXPECT_FALSE(fromUtf8("\xE0\x81\x81").has_value()); // overlong A
    EXPECT_FALSE(fromUtf8("caf\xC3\xA9").has_value());  // é has no byte
    EXPECT_EQ(fromUtf8("Да"), "\xC4\xE0");
    EXPECT_EQ(literal("Оповещение"), "\xCE\xEF\xEE\xE2\xE5\xF9\xE5\xED\xE8\xE5");
}

TEST(Codec1251Test, ReplacingCountsEveryCharacterItCannotStore) {
    std::size_t replaced = 0;
    // é and an emoji have no byte; a stray continuation byte and a cut-short
    // sequence are one character each; the code page's own letters stay.
    EXPECT_EQ(fromUtf8Replacing("caf\xC3\xA9 \xF0\x9F\x98\x80 \x80Да\xD0", '?', replaced),
              "caf? ? ?\xC4\xE0?");
    EXPECT_EQ(replaced, 4U);
}

// The small letter Unicode gives for a capital of the code page.
char32_t smallLetter(char32_t c) {
    if (c >= U'A' && c <= U'Z') {
        return c + 32;
    }
    if (c >= 0x400 && c <= 0x40F) { // Ѐ-Џ: Ё Ђ Ѓ Є Ѕ І Ї Ј Љ Њ Ћ Ќ Ў Џ
        return c + 0x50;
    }
    if (c >= 0x410 && c <= 0x42F) { // А-Я
        return c + 0x20;
    }
    return c == U'Ґ' ? U'ґ' : c;
}

TEST(Codec1251Test, LowerCasingFollowsTheAlphabet) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        EXPECT_EQ(toUnicode(toLower(byte)), smallLetter(toUnicode(byte))) << "byte " << b;
    }
    const std::u32string capitals = U"ЁЂЃЉЊЌЋЏЎЈҐЄЇІЅАЯЖ";
    const std::u32string smalls = U"ёђѓљњќћџўјґєїіѕаяж";
    for (std::size_t i = 0; i < capitals.size(); ++i) {
        const auto capital = fromUnicode(capitals[i]);
        ASSERT_TRUE(capital.has_value());
        EXPECT_EQ(toUnicode(toLower(*capital)), smalls[i]);
    }
    EXPECT_EQ(toLower(*fromUtf8("ПРИВЕТ, World! Ёлка ЇЖ 123")),
              *fromUtf8("привет, world! ёлка їж 123"));
}

} // namespace
} // namespace norvik
