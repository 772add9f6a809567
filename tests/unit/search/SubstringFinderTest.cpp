// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SubstringFinder.h"

#include "store/Codec1251.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace norvik {
namespace {

std::string ru(const char* utf8) {
    return cp1251::literal(utf8);
}

TEST(SubstringFinderTest, EmptySearchStringAndEmptyTextNeverMatch) {
    EXPECT_FALSE(SubstringFinder("", true).foundIn("anything"));
    EXPECT_FALSE(SubstringFinder("", false).foundIn("anything"));
    EXPECT_FALSE(SubstringFinder("", true).foundIn(""));
    EXPECT_FALSE(SubstringFinder("a", true).foundIn(""));
    EXPECT_FALSE(SubstringFinder("abcd", false).foundIn("abc"));
}

TEST(SubstringFinderTest, FindsTheFirstOccurrenceAtTheStartInsideAndAtTheEnd) {
    const SubstringFinder finder("ana", true);
    EXPECT_EQ(finder.find("ana"), 0u);
    EXPECT_EQ(finder.find("bananas"), 1u);
    EXPECT_EQ(finder.find("xxana"), 2u);
    EXPECT_EQ(finder.find("an an"), SubstringFinder::npos);
    EXPECT_EQ(SubstringFinder("aab", true).find("aaab"), 1u);
    EXPECT_EQ(SubstringFinder("\r\n", true).find("one\r\ntwo"), 3u);
}

TEST(SubstringFinderTest, MatchingCaseComparesExactBytes) {
    const SubstringFinder latin("Bread", true);
    EXPECT_TRUE(latin.foundIn("Buy Bread"));
    EXPECT_FALSE(latin.foundIn("buy bread"));
    EXPECT_FALSE(latin.foundIn("BUY BREAD"));

    const SubstringFinder cyrillic(ru("Ёлка"), true);
    EXPECT_TRUE(cyrillic.foundIn(ru("Купить Ёлка")));
    EXPECT_FALSE(cyrillic.foundIn(ru("купить ёлка")));
    EXPECT_FALSE(cyrillic.foundIn(ru("ЁЛКА")));
}

TEST(SubstringFinderTest, IgnoringCaseFoldsLatinAndCyrillicCapitalsBothWays) {
    EXPECT_EQ(SubstringFinder(ru("ЁЛКА"), false).find(ru("новая ёлка")), 6u);
    EXPECT_EQ(SubstringFinder(ru("ёлка"), false).find(ru("НОВАЯ ЁЛКА")), 6u);
    EXPECT_TRUE(SubstringFinder(ru("СъЕшЬ"), false).foundIn(ru("сЪеШь же")));
    EXPECT_TRUE(SubstringFinder("BREAD", false).foundIn("buy bread"));
    EXPECT_TRUE(SubstringFinder(ru("ЯБЛОКО"), false).foundIn(ru("яблоко")));
    // Bytes that are no letters stay as they are: "[" is no capital of "{",
    // and E with two dots is not plain E.
    EXPECT_FALSE(SubstringFinder("[", false).foundIn("{"));
    EXPECT_FALSE(SubstringFinder("@", false).foundIn("`"));
    EXPECT_FALSE(SubstringFinder(ru("Ё"), false).foundIn(ru("е")));
    EXPECT_FALSE(SubstringFinder(ru("е"), false).foundIn(ru("Ё")));
}

// The skip table is the part that can go wrong quietly; compare with a plain
// search over many small texts drawn from few letters, so that near misses
// and overlaps come up often.
TEST(SubstringFinderTest, AgreesWithAPlainSearchOnRandomTexts) {
    std::mt19937 random(7);
    const std::string letters = "aAb" + ru("ёЁж");
    auto draw = [&](std::size_t length) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) {
            text += letters[random() % letters.size()];
        }
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string needle = draw(1 + random() % 4);
        const std::string text = draw(random() % 14);
        const bool matchCase = round % 2 == 0;
        const auto expected =
            matchCase ? text.find(needle) : cp1251::toLower(text).find(cp1251::toLower(needle));
        ASSERT_EQ(SubstringFinder(needle, matchCase).find(text), expected)
            << "needle " << needle << " text " << text << " case " << matchCase;
    }
}

} // namespace
} // namespace norvik
