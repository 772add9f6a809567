// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/DateTextReader.h"
#include "events/EventTime.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

constexpr int thisYear = 2026;

DateTime read(std::string_view text, int currentYear = thisYear) {
    const auto reading = readDateText(text, currentYear);
    EXPECT_TRUE(reading.has_value()) << '"' << text << '"';
    return reading ? reading->moment : DateTime{};
}

bool unreadable(std::string_view text, int currentYear = thisYear) {
    return !readDateText(text, currentYear).has_value();
}

std::size_t consumed(std::string_view text) {
    const auto reading = readDateText(text, thisYear);
    return reading ? reading->consumed : 0;
}

TEST(DateTextReaderTest, FullAndLooseFormsReadAsTheSameMoment) {
    const DateTime expected{2026, 12, 7, 9, 30, 0};
    EXPECT_EQ(read("07.12.2026 09:30:00"), expected);
    EXPECT_EQ(read("7.12.2026 9:30 >>> "), expected);
    EXPECT_EQ(read("  7 . 12 . 2026   9 : 30 : 00"), expected);
    EXPECT_EQ(read("7.12.2026. 9:30"), expected);
    EXPECT_EQ(read("07.12.2026 09:30:59"), (DateTime{2026, 12, 7, 9, 30, 59}));
}

TEST(DateTextReaderTest, ADateAloneIsMidnightButADateBeforeTextIsUnreadable) {
    EXPECT_EQ(read("07.12.2026"), (DateTime{2026, 12, 7, 0, 0, 0}));
    EXPECT_EQ(read("07.12.2026      "), (DateTime{2026, 12, 7, 0, 0, 0}));
    EXPECT_TRUE(unreadable("07.12.2026 >>> Buy"));
    EXPECT_TRUE(unreadable("07.12.2026 x"));
}

TEST(DateTextReaderTest, TheYearMayBeLeftOutOrShortened) {
    EXPECT_EQ(read("7.12 9:30").year, 2026);
    EXPECT_EQ(read("7.12 9:30", 1999).year, 1999);
    // Fifty years back from the current year at the earliest.
    EXPECT_EQ(read("7.12.30 9:30").year, 2030);
    EXPECT_EQ(read("7.12.80 9:30").year, 1980);
    EXPECT_EQ(read("7.12.76").year, 1976);
    EXPECT_EQ(read("7.12.75").year, 2075);
    EXPECT_EQ(read("7.12.0").year, 2000);
    EXPECT_EQ(read("7.12.99", 2080).year, 2099);
    EXPECT_EQ(read("7.12.29", 2080).year, 2129);
    // Three or four digits are the year as written.
    EXPECT_EQ(read("7.12.026").year, 26);
    EXPECT_EQ(read("7.12.0030").year, 30);
}

TEST(DateTextReaderTest, ANumberStopsOnceItReachesAThousand) {
    // The fifth digit of the year is left over, where a time should be.
    EXPECT_TRUE(unreadable("07.12.20261"));
    EXPECT_EQ(read("07.12.20269:30"), (DateTime{2026, 12, 7, 9, 30, 0}));
    // Leading zeros never reach a thousand.
    EXPECT_EQ(read("0007.012.2026").day, 7);
}

TEST(DateTextReaderTest, OnlyRealCalendarDatesAndTimesOfDay) {
    EXPECT_EQ(read("29.02.2028").day, 29);
    EXPECT_EQ(read("29.02.2000").day, 29);
    EXPECT_TRUE(unreadable("29.02.2026"));
    EXPECT_TRUE(unreadable("29.02.2100"));
    EXPECT_TRUE(unreadable("31.04.2026"));
    EXPECT_TRUE(unreadable("0.04.2026"));
    EXPECT_TRUE(unreadable("1.13.2026"));
    EXPECT_TRUE(unreadable("1.1.0000"));
    EXPECT_TRUE(unreadable("07.12.2026 24:00:00"));
    EXPECT_TRUE(unreadable("07.12.2026 23:60:00"));
    EXPECT_TRUE(unreadable("07.12.2026 23:59:60"));
    EXPECT_EQ(read("07.12.2026 23:59:59").hour, 23);
}

TEST(DateTextReaderTest, TwelveHourTimesWithAMarkerInAnyCase) {
    EXPECT_EQ(read("7.12.2026 9:30 PM").hour, 21);
    EXPECT_EQ(read("7.12.2026 9:30pm").hour, 21);
    EXPECT_EQ(read("7.12.2026 9:30:15 am").hour, 9);
    EXPECT_EQ(read("7.12.2026 12:00 AM").hour, 0);
    EXPECT_EQ(read("7.12.2026 12:00 Pm").hour, 12);
    EXPECT_TRUE(unreadable("7.12.2026 0:30 AM"));
    EXPECT_TRUE(unreadable("7.12.2026 13:30 PM"));
    // Without a marker a 24-hour time; a lone letter is just ignored text.
    EXPECT_EQ(read("7.12.2026 13:30 P").hour, 13);
}

TEST(DateTextReaderTest, BrokenShapesAreUnreadable) {
    EXPECT_TRUE(unreadable(""));
    EXPECT_TRUE(unreadable("   "));
    EXPECT_TRUE(unreadable("Buy bread"));
    EXPECT_TRUE(unreadable("07-12-2026 09:30:00"));
    EXPECT_TRUE(unreadable("07"));
    EXPECT_TRUE(unreadable("07."));
    EXPECT_TRUE(unreadable("07.12."));
    EXPECT_TRUE(unreadable("07.12.2026 09"));
    EXPECT_TRUE(unreadable("07.12.2026 09:"));
    EXPECT_TRUE(unreadable("07.12.2026 09:30:"));
    EXPECT_TRUE(unreadable("07.12.2026 09.30"));
    EXPECT_TRUE(unreadable("-7.12.2026"));
}

TEST(DateTextReaderTest, AnythingAfterACompleteTimeIsIgnoredAndNotConsumed) {
    EXPECT_EQ(read("07.12.2026 09:30:00.999"), (DateTime{2026, 12, 7, 9, 30, 0}));
    EXPECT_EQ(consumed("07.12.2026 09:30:00"), 19u);
    EXPECT_EQ(consumed("7.12.2026 9:30 >>> "), 14u);
    EXPECT_EQ(consumed(" 7.12 9:30 pm >>> a"), 13u);
    EXPECT_EQ(consumed("7.12.2026.   "), 10u);
    EXPECT_EQ(consumed("7.12   "), 4u);
}

TEST(EventTimeTest, MillisecondsRoundTripAndOrderAcrossCalendarBoundaries) {
    const DateTime moments[] = {{1, 1, 1, 0, 0, 0, 0},          {1899, 12, 30, 0, 0, 0, 0},
                                {2000, 2, 29, 23, 59, 59, 999}, {2026, 12, 31, 23, 59, 59, 0},
                                {2027, 1, 1, 0, 0, 0, 0},       {9999, 12, 31, 23, 59, 59, 999}};
    std::int64_t previous = -1;
    for (const DateTime& m : moments) {
        const std::int64_t millis = momentMillis(m);
        EXPECT_GT(millis, previous);
        EXPECT_EQ(momentFromMillis(millis), m);
        previous = millis;
    }
    EXPECT_EQ(momentMillis({1, 1, 1, 0, 0, 0, 0}), 0);
    EXPECT_EQ(momentMillis({2027, 1, 1}) - momentMillis({2026, 12, 31, 23, 59, 59}), 1000);
    EXPECT_EQ(momentMillis({2024, 3, 1}) - momentMillis({2024, 2, 28}), 2 * 86'400'000LL);
    EXPECT_EQ(momentFromMillis(momentMillis({2026, 12, 31, 23, 59, 59, 500}) + 500),
              (DateTime{2027, 1, 1, 0, 0, 0, 0}));
}

} // namespace
} // namespace norvik
