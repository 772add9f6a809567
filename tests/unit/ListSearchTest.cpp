#include "search/ListSearch.h"

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
