// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/DayFilter.h"
#include "interop/EventEntry.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace norvik::cli {
namespace {

constexpr int year = 2026;

// What the list did before the filter: read the line, then compare its day.
bool readAndOutside(const std::string& line, const DateTime& from, const DateTime& to) {
    const auto entry = readEventLine(line, year);
    if (!entry) {
        return false; // reported as unreadable, so never passed over
    }
    const auto day = [](const DateTime& t) { return (t.year * 100 + t.month) * 100 + t.day; };
    return day(entry->moment) < day(from) || day(entry->moment) > day(to);
}

// Whatever the filter passes over, the reader would have read and found
// outside the days; a line in the full form it does not pass over is one the
// reader finds inside them or cannot read. Lines in any other form are never
// passed over: a loose date is read, an unreadable one still reported.
TEST(DayFilterTest, PassesOverOnlyWhatTheReaderWouldFindOutside) {
    const DateTime from{2026, 2, 28};
    const DateTime to{2026, 3, 1};
    const DayFilter filter(from, to);
    for (const std::string line : {"27.02.2026 23:59:59 >>> before",
                                   "28.02.2026 00:00:00 >>> first day",
                                   "01.03.2026 23:59:59 >>> last day",
                                   "02.03.2026 00:00:00 >>> after",
                                   "29.02.2026 10:00:00 >>> no such day",
                                   "29.02.2024 10:00:00 >>> a leap day",
                                   "31.04.2026 10:00:00 >>> no such day",
                                   "00.01.2026 10:00:00 >>> day zero",
                                   "01.13.2026 10:00:00 >>> month 13",
                                   "01.01.0000 10:00:00 >>> year zero",
                                   "01.01.2026 24:00:00 >>> hour 24",
                                   "01.01.2026 10:60:00 >>> minute 60",
                                   "01.01.2026 10:00:60 >>> second 60",
                                   "1.1.2026 10:00:00 >>> loose date",
                                   "01.01.26 10:00:00 >>> short year",
                                   "01.01.2026 10:00 >>> no seconds",
                                   "01.01.2026 10:00:00 text without the separator",
                                   "01.01.2026 10:00:00 >>>",
                                   "01.01.2026 10:00:00 >> x",
                                   " 01.01.2026 10:00:00 >>> leading blank",
                                   "01.01.2026 10:0a:00 >>> letter",
                                   "01.01.2026\t10:00:00 >>> tab",
                                   "01.01.2026 10:00:00 >>> ",
                                   "",
                                   "no date at all"}) {
        const bool passedOver = filter.outside(line);
        EXPECT_TRUE(!passedOver || readAndOutside(line, from, to)) << line;
    }
    EXPECT_TRUE(filter.outside("27.02.2026 23:59:59 >>> before"));
    EXPECT_TRUE(filter.outside("29.02.2024 10:00:00 >>> a leap day"));
    EXPECT_FALSE(filter.outside("28.02.2026 00:00:00 >>> first day"));
    EXPECT_FALSE(filter.outside("01.03.2026 23:59:59 >>> last day"));
    EXPECT_FALSE(filter.outside("1.1.2025 10:00:00 >>> loose date"));
    EXPECT_FALSE(filter.outside("29.02.2025 10:00:00 >>> no such day"));
    EXPECT_FALSE(filter.outside("01.01.2025 10:00:60 >>> second 60"));
}

// Random digits in the full form, many of them no real date or time, over
// one-day, open-ended and month-spanning ranges: passed over exactly when
// the reader finds the line readable and outside the days.
TEST(DayFilterTest, TheFullFormIsJudgedAsTheReaderJudgesIt) {
    std::mt19937 random(5);
    const auto two = [&](unsigned limit) {
        const auto value = random() % limit;
        return std::string(1, static_cast<char>('0' + value / 10)) +
               static_cast<char>('0' + value % 10);
    };
    const char* const years[] = {"0000", "0001", "1600", "1900", "2000", "2024", "2026", "9999"};
    const DateTime openStart{1, 1, 1};
    const DateTime openEnd{9999, 12, 31};
    const std::pair<DateTime, DateTime> ranges[] = {{{2026, 3, 1}, {2026, 3, 1}},
                                                    {{2024, 2, 29}, {2026, 1, 31}},
                                                    {openStart, {2000, 1, 1}},
                                                    {{2024, 1, 1}, openEnd}};
    for (const auto& [from, to] : ranges) {
        const DayFilter filter(from == openStart ? std::nullopt : std::optional(from),
                               to == openEnd ? std::nullopt : std::optional(to));
        for (int i = 0; i < 3000; ++i) {
            const std::string line = two(33) + "." + two(14) + "." + years[random() % 8] + " " +
                                     two(26) + ":" + two(62) + ":" + two(62) + " >>> event";
            EXPECT_EQ(filter.outside(line), readAndOutside(line, from, to)) << line;
        }
    }
    // Without a range nothing is passed over.
    EXPECT_FALSE(DayFilter(std::nullopt, std::nullopt).outside("01.01.2000 10:00:00 >>> x"));
}

} // namespace
} // namespace norvik::cli
