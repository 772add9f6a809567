// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/Postponement.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

// A clock before every event below, unless a test gives one: the minutes
// then count from the line's own time.
const DateTime earlyClock{2000, 1, 1, 0, 0, 0, 0};

Text postponed(const Text& line, int minutes, int currentYear = 2026,
               const DateTime& now = earlyClock) {
    const auto moved = postponeLine(line, minutes, currentYear, now);
    EXPECT_TRUE(moved.has_value()) << line;
    return moved.value_or("");
}

TEST(PostponementTest, MinutesMoveWithinTheHourOrCarryIntoTheNext) {
    EXPECT_EQ(postponed("07.12.2026 10:52:30 >>> Call", 5), "07.12.2026 10:57:30 >>> Call");
    EXPECT_EQ(postponed("07.12.2026 10:52:30 >>> Call", 15), "07.12.2026 11:07:30 >>> Call");
    EXPECT_EQ(postponed("07.12.2026 08:58:00 >>> Call", 3), "07.12.2026 09:01:00 >>> Call");
    EXPECT_EQ(postponed("07.12.2026 08:30:00 >>> Call", 30), "07.12.2026 09:00:00 >>> Call");
    EXPECT_EQ(postponed("07.12.2026 00:00:00", 3), "07.12.2026 00:03:00");
}

TEST(PostponementTest, PastMidnightTheDateMovesOnWithMonthAndYear) {
    EXPECT_EQ(postponed("07.12.2026 23:58:10 >>> Late", 3), "08.12.2026 00:01:10 >>> Late");
    EXPECT_EQ(postponed("30.11.2026 23:50:00 >>> x", 15), "01.12.2026 00:05:00 >>> x");
    EXPECT_EQ(postponed("31.12.2026 23:45:00 >>> New year", 30),
              "01.01.2027 00:15:00 >>> New year");
    EXPECT_EQ(postponed("28.02.2028 23:59:59 >>> Leap", 3), "29.02.2028 00:02:59 >>> Leap");
    EXPECT_EQ(postponed("28.02.2027 23:59:59 >>> Common", 3), "01.03.2027 00:02:59 >>> Common");
}

TEST(PostponementTest, TheRestOfTheLineIsKeptByteForByte) {
    const Text text = " >>> \xc7\xe2\xee\xed\xee\xea 07.12.2026 10:00:00 >>> ";
    EXPECT_EQ(postponed("07.12.2026 10:00:00" + text, 3), "07.12.2026 10:03:00" + text);
    // A full date text with nothing after it.
    EXPECT_EQ(postponed("07.12.2026 10:00:00", 30).size(), 19u);
}

TEST(PostponementTest, ALooseDateTextBecomesTheFullOneOfTheNewTime) {
    EXPECT_EQ(postponed("7.12.2026 9:30 >>> Buy", 5), "07.12.2026 09:35:00 >>> Buy");
    EXPECT_EQ(postponed("7.12 9:58 >>> Buy", 3), "07.12.2026 10:01:00 >>> Buy");
    EXPECT_EQ(postponed("7.12 9:58 >>> Buy", 3, 2030), "07.12.2030 10:01:00 >>> Buy");
    EXPECT_EQ(postponed("7.12.26 11:58:20 pm >>> Buy", 3), "08.12.2026 00:01:20 >>> Buy");
    EXPECT_EQ(postponed("7.12.2026", 3), "07.12.2026 00:03:00");
}

TEST(PostponementTest, ALateAnswerCountsFromTheMomentItWasGiven) {
    const Text line = "07.12.2026 10:00:00 >>> Call";
    // Answered three minutes late: not due again at once, but three minutes on.
    EXPECT_EQ(postponed(line, 3, 2026, {2026, 12, 7, 10, 3, 0, 0}), "07.12.2026 10:06:00 >>> Call");
    // To the whole second: the clock's milliseconds are dropped.
    EXPECT_EQ(postponed(line, 5, 2026, {2026, 12, 7, 10, 3, 20, 999}),
              "07.12.2026 10:08:20 >>> Call");
    // Answered within the event's own second: the event's time still counts.
    EXPECT_EQ(postponed(line, 3, 2026, {2026, 12, 7, 10, 0, 0, 800}),
              "07.12.2026 10:03:00 >>> Call");
    // A clock behind the event (set back meanwhile) does not pull it earlier.
    EXPECT_EQ(postponed(line, 3, 2026, {2026, 12, 7, 9, 0, 0, 0}), "07.12.2026 10:03:00 >>> Call");
    // A past event answered after midnight moves to the new day, month and year.
    EXPECT_EQ(postponed("31.12.2026 23:10:00 >>> Old", 30, 2026, {2026, 12, 31, 23, 50, 10, 0}),
              "01.01.2027 00:20:10 >>> Old");
    // A loose line the answer came late for keeps its year from the tick's read.
    EXPECT_EQ(postponed("31.12 23:59 >>> Eve", 3, 2026, {2027, 1, 1, 0, 1, 0, 0}),
              "01.01.2027 00:04:00 >>> Eve");
}

TEST(PostponementTest, NothingForAnUnreadableLineOrPastTheLastYear) {
    EXPECT_FALSE(postponeLine("", 3, 2026, earlyClock).has_value());
    EXPECT_FALSE(postponeLine("07.12.2026 >>> x", 3, 2026, earlyClock).has_value());
    EXPECT_FALSE(postponeLine("31.12.9999 23:59:00 >>> x", 3, 2026, earlyClock).has_value());
    // Nor when the late answer itself pushes the time past the last year.
    EXPECT_FALSE(postponeLine("31.12.9999 23:00:00 >>> x", 30, 2026, {9999, 12, 31, 23, 45, 0, 0})
                     .has_value());
    EXPECT_EQ(postponed("31.12.9999 23:26:00 >>> x", 30), "31.12.9999 23:56:00 >>> x");
}

} // namespace
} // namespace norvik
