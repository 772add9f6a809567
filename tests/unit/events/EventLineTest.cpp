// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventLine.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

TEST(EventLineTest, LineIsDateSeparatorAndTextWithTheTextFromTheTwentyFifthCharacter) {
    const Text line = makeEventLine("07.12.2026 09:30:00", "Buy bread");
    EXPECT_EQ(line, "07.12.2026 09:30:00 >>> Buy bread");
    EXPECT_EQ(line.find("Buy"), 24u);
    EXPECT_EQ(eventTextOf(line), "Buy bread");
    EXPECT_EQ(dateTextOf(line), "07.12.2026 09:30:00");

    // Fields are taken as typed: a short date shifts the text, which is then
    // still read from the 25th character on.
    const Text loose = makeEventLine("7.12.2026 9:30", " x ");
    EXPECT_EQ(loose, "7.12.2026 9:30 >>>  x ");
    EXPECT_EQ(eventTextOf(loose), "");
    EXPECT_EQ(dateTextOf(loose), "7.12.2026 9:30 >>> ");
    EXPECT_EQ(makeEventLine("", ""), " >>> ");
}

TEST(EventLineTest, ShortLinesHaveNoEventTextAndAllOfThemIsTheDate) {
    EXPECT_EQ(eventTextOf(""), "");
    EXPECT_EQ(eventTextOf("07.12.2026 09:30:00 >>>"), "");
    EXPECT_EQ(eventTextOf("07.12.2026 09:30:00 >>> "), "");
    EXPECT_EQ(eventTextOf("07.12.2026 09:30:00 >>> a"), "a");
    EXPECT_EQ(dateTextOf("07.12"), "07.12");
    EXPECT_EQ(dateTextOf(""), "");
}

TEST(EventLineTest, EventTextStopsAtTheSearchLimit) {
    const Text text = Text(eventTextLimit, 'a') + "tail";
    const Text line = makeEventLine("07.12.2026 09:30:00", text);
    EXPECT_EQ(eventTextOf(line), Text(eventTextLimit, 'a'));
    EXPECT_EQ(eventTextView(line).size(), 4975u);
    const Text exact = makeEventLine("07.12.2026 09:30:00", Text(eventTextLimit, 'b'));
    EXPECT_EQ(eventTextOf(exact).size(), eventTextLimit);
}

TEST(EventLineTest, DateTextIsZeroPaddedAndDropsMilliseconds) {
    EXPECT_EQ(formatDateText({2026, 12, 7, 9, 5, 3, 999}), "07.12.2026 09:05:03");
    EXPECT_EQ(formatDateText({1601, 1, 1, 0, 0, 0, 0}), "01.01.1601 00:00:00");
    EXPECT_EQ(formatDateText({9999, 12, 31, 23, 59, 59, 0}), "31.12.9999 23:59:59");
}

TEST(EventLineTest, DefaultDateIsTheCalendarDayAtThePresentTime) {
    const DateTime picked{2030, 2, 28};
    const DateTime now{2026, 12, 7, 14, 5, 31, 870};
    EXPECT_EQ(defaultDateText(picked, now), "28.02.2030 14:05:31");
    // A calendar day that carries a time of its own still takes the clock's.
    EXPECT_EQ(defaultDateText({2026, 12, 7, 23, 59, 59, 1}, {2026, 12, 7, 0, 0, 1, 0}),
              "07.12.2026 00:00:01");
}

} // namespace
} // namespace norvik
