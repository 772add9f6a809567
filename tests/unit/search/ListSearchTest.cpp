// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/ListSearch.h"
#include "store/LineList.h"

#include <gtest/gtest.h>

#include <string>

namespace norvik {
namespace {

int find(const Lines& lines, const char* needle, ListScan scan, bool matchCase = true) {
    return findLine(lines, SubstringFinder(needle, matchCase), scan);
}

TEST(ListSearchTest, ScansDownFromTheTopOrUpFromTheBottom) {
    const Lines lines{"milk", "bread", "tea", "bread rolls", "jam"};
    EXPECT_EQ(find(lines, "bread", {}), 1);
    EXPECT_EQ(find(lines, "bread", {.fromBottom = true}), 3);
    EXPECT_EQ(find(lines, "milk", {.fromBottom = true}), 0);
    EXPECT_EQ(find(lines, "jam", {}), 4);
    EXPECT_EQ(find(lines, "coffee", {}), -1);
    EXPECT_EQ(find(lines, "coffee", {.fromBottom = true}), -1);
    EXPECT_EQ(find({}, "milk", {}), -1);
    EXPECT_EQ(find({}, "milk", {.fromBottom = true}), -1);
    // A match never spans two lines.
    EXPECT_EQ(find(lines, "milkbread", {}), -1);
}

TEST(ListSearchTest, ALoadedListWithChangedLinesFindsTheFirstLineAsOneByOneWould) {
    // Loaded lines follow on in one buffer and are searched as one run;
    // changed and added ones lie apart.
    Lines lines = splitLines("tea\r\nmilk\r\nbread\r\njam\r\nbread\r\nBREAD\r\nhoney\r\n");
    lines.replace(1, "bread rolls");
    lines.push_back("milk");
    lines.erase(3);
    const auto oneByOne = [&lines](const SubstringFinder& finder) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (finder.foundIn(lines[i])) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    for (const char* needle : {"bread", "BREAD", "milk", "honey", "tea", "ea", "jam", "ey",
                               "teamilk", "a\r\nb", "y\r\nm", "coffee"}) {
        for (const bool matchCase : {true, false}) {
            const SubstringFinder finder(needle, matchCase);
            EXPECT_EQ(findLine(lines, finder, {}), oneByOne(finder)) << needle << matchCase;
        }
    }
}

TEST(ListSearchTest, EventTextOnlyLeavesTheDateTextOut) {
    const Lines lines{"05.01.2027 10:00:00 >>> Dentist", "06.01.2027 10:00:00 >>> Tax for 2027"};
    EXPECT_EQ(find(lines, "2027", {}), 0);
    EXPECT_EQ(find(lines, "2027", {.eventTextOnly = true}), 1);
    EXPECT_EQ(find(lines, ">>>", {.eventTextOnly = true}), -1);
    EXPECT_EQ(find(lines, "dentist", {.eventTextOnly = true}, false), 0);
}

TEST(ListSearchTest, EventTextStartsAtTheTwentyFifthCharacterAndStopsAfterTheFiveThousandth) {
    const std::string head(24, 'x');
    EXPECT_EQ(find({head}, "x", {.eventTextOnly = true}), -1);
    EXPECT_EQ(find({head + "y"}, "y", {.eventTextOnly = true}), 0);
    EXPECT_EQ(find({head + "y"}, "xy", {.eventTextOnly = true}), -1);

    // Characters 25 to 4999 are searched, the 5000th no longer.
    const std::string body(4974, '.');
    EXPECT_EQ(find({head + body + "z"}, "z", {.eventTextOnly = true}), 0);
    EXPECT_EQ(find({head + body + ".z"}, "z", {.eventTextOnly = true}), -1);
    EXPECT_EQ(find({head + body + ".z"}, "z", {}), 0);
}

} // namespace
} // namespace norvik
