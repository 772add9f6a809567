// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/CalendarImport.h"
#include "FailureOf.h"
#include "SpeedCheck.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Crafted iCalendar files; the files of other programs are read end to end
// in tests/cli. The tests run at Moscow time (UTC+3, no summer time).
namespace norvik {
namespace {

using test::failureOf;

// A calendar of the given lines, each ended by CR LF.
std::string calendar(const std::vector<std::string>& lines) {
    std::string out = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    for (const std::string& line : lines) {
        out += line + "\r\n";
    }
    return out + "END:VCALENDAR\r\n";
}

const DayWindow year2026{DateTime{2026, 1, 1, 0, 0, 0, 0}, DateTime{2026, 12, 31, 0, 0, 0, 0}};

std::vector<std::string> linesOf(const CalendarImport& import) {
    return {import.lines.begin(), import.lines.end()};
}

std::vector<std::string> imported(const std::string& file, std::size_t limit = 100000) {
    return linesOf(importCalendar(file, "in.ics", year2026, limit));
}

TEST(CalendarImportTest, AnOverrideTakesThePlaceOfTheOccurrenceItNames) {
    const std::string file = calendar(
        {"BEGIN:VEVENT", "UID:weekly", "DTSTART;TZID=Europe/Moscow:20260302T090000",
         "RRULE:FREQ=WEEKLY;COUNT=4", "SUMMARY:Standup", "END:VEVENT",
         // Moved by a day, under a UTC name of its original time.
         "BEGIN:VEVENT", "UID:weekly", "RECURRENCE-ID:20260309T060000Z",
         "DTSTART;TZID=Europe/Moscow:20260310T140000", "SUMMARY:Standup (moved)", "END:VEVENT",
         "BEGIN:VEVENT", "UID:weekly", "RECURRENCE-ID;TZID=Europe/Moscow:20260316T090000",
         "DTSTART;TZID=Europe/Moscow:20260316T090000", "STATUS:CANCELLED", "END:VEVENT",
         // Moved, without a summary of its own.
         "BEGIN:VEVENT", "UID:weekly", "RECURRENCE-ID;TZID=Europe/Moscow:20260323T090000",
         "DTSTART;TZID=Europe/Moscow:20260323T100000", "END:VEVENT",
         // A single event moved, and one occurrence of a series the file does not hold.
         "BEGIN:VEVENT", "UID:single", "DTSTART:20250101T100000", "SUMMARY:Once", "END:VEVENT",
         "BEGIN:VEVENT", "UID:single", "RECURRENCE-ID:20250101T100000", "DTSTART:20250102T110000",
         "SUMMARY:Once, later", "END:VEVENT", "BEGIN:VEVENT", "UID:elsewhere",
         "RECURRENCE-ID:20260501T100000", "DTSTART:20260502T100000", "SUMMARY:Invitation",
         "END:VEVENT", "BEGIN:VEVENT", "UID:gone", "RECURRENCE-ID:20260601T100000",
         "DTSTART:20260601T100000", "STATUS:CANCELLED", "SUMMARY:Cancelled elsewhere",
         "END:VEVENT"});
    const CalendarImport import = importCalendar(file, "in.ics", year2026);
    EXPECT_EQ(linesOf(import), (std::vector<std::string>{
                                   "02.03.2026 09:00:00 >>> Standup",
                                   "10.03.2026 14:00:00 >>> Standup (moved)",
                                   "23.03.2026 10:00:00 >>> Standup",
                                   "02.01.2025 11:00:00 >>> Once, later",
                                   "02.05.2026 10:00:00 >>> Invitation",
                               }));
    EXPECT_EQ(import.unreadable, 0u);
}

TEST(CalendarImportTest, EveryDateOfAnRdateCountsInItsZone) {
    std::string many = "RDATE;VALUE=DATE:";
    for (int day = 1; day <= 600; ++day) {
        // 600 days from 01.01.2026, as dates of the proleptic calendar.
        const int month = 1 + (day - 1) / 28 % 12;
        const int year = 2026 + (day - 1) / (28 * 12);
        many +=
            (day > 1 ? "," : "") + std::to_string(year * 10000 + month * 100 + 1 + (day - 1) % 28);
    }
    const std::string file =
        calendar({"BEGIN:VEVENT", "UID:zoned", "DTSTART;TZID=America/New_York:20260401T100000",
                  "RDATE;TZID=America/New_York:20260402T100000,20260403T100000",
                  // A period counts from its start; a date already given counts once.
                  "RDATE;VALUE=PERIOD:20260404T100000Z/PT1H,20260405T100000Z/20260405T110000Z",
                  "RDATE:20260401T140000Z", "SUMMARY:Zoned", "END:VEVENT", "BEGIN:VEVENT",
                  "UID:many", "DTSTART;VALUE=DATE:20260101", many, "SUMMARY:Many", "END:VEVENT"});
    const auto lines = imported(file);
    ASSERT_EQ(lines.size(), 5u + 12 * 28);
    EXPECT_EQ(
        std::vector<std::string>(lines.begin(), lines.begin() + 5),
        (std::vector<std::string>{"01.04.2026 17:00:00 >>> Zoned", "02.04.2026 17:00:00 >>> Zoned",
                                  "03.04.2026 17:00:00 >>> Zoned", "04.04.2026 13:00:00 >>> Zoned",
                                  "05.04.2026 13:00:00 >>> Zoned"}));
    EXPECT_EQ(lines.back(), "28.12.2026 00:00:00 >>> Many"); // the 336th of the 600 dates
}

TEST(CalendarImportTest, FilesAreReadAsOtherProgramsWriteThem) {
    // A byte-order mark, names in any case, blanks after names, CR CR LF.
    const std::string file = "\xEF\xBB\xBF"
                             "begin:vcalendar\r\n"
                             "BEGIN:vevent\r\r\n"
                             "dtstart;tzid=Europe/Moscow:20260301T100000\r\n"
                             "Summary :First\r\n"
                             "END:VEVENT  \r\n"
                             "BEGIN:vevent\r\n"
                             "DTSTART:20260302T100000\r\n"
                             "SUMMARY:Second\r\n"
                             "end:Vevent\r\n"
                             "BEGIN:VEVENT\r\n"
                             "DTSTART;VALUE=date:20260303\r\n"
                             "RRULE:freq=daily;count=2\r\n"
                             "SUMMARY:Third\r\n"
                             "END:VEVENT\r\n"
                             "end:vcalendar\r\n";
    // Every summary stays with its own time, and the last event is there.
    EXPECT_EQ(imported(file), (std::vector<std::string>{
                                  "01.03.2026 10:00:00 >>> First",
                                  "02.03.2026 10:00:00 >>> Second",
                                  "03.03.2026 00:00:00 >>> Third",
                                  "04.03.2026 00:00:00 >>> Third",
                              }));
}

TEST(CalendarImportTest, ATimeInASpringForwardGapMovesForwardByTheGap) {
    // Berlin skips 02:00 to 03:00 on 29.03.2026: 02:30 is 03:30 there, 01:30 UTC.
    const std::string file = calendar(
        {"BEGIN:VEVENT", "DTSTART;TZID=Europe/Berlin:20260329T023000", "SUMMARY:Gap", "END:VEVENT",
         "BEGIN:VEVENT", "DTSTART;TZID=Europe/Berlin:20260329T013000", "SUMMARY:Before",
         "END:VEVENT", "BEGIN:VEVENT", "UID:daily", "DTSTART;TZID=Europe/Berlin:20260328T023000",
         "RRULE:FREQ=DAILY;COUNT=3", "SUMMARY:Daily", "END:VEVENT"});
    EXPECT_EQ(imported(file), (std::vector<std::string>{
                                  "29.03.2026 04:30:00 >>> Gap",
                                  "29.03.2026 03:30:00 >>> Before",
                                  "28.03.2026 04:30:00 >>> Daily",
                                  "29.03.2026 04:30:00 >>> Daily",
                                  "30.03.2026 03:30:00 >>> Daily",
                              }));
}

TEST(CalendarImportTest, ImpossibleTimesAreUnreadableNeverStored) {
    const std::vector<std::string> starts = {
        "DTSTART:20261399T256161", "DTSTART:00000101T100000", "DTSTART:20260230T100000",
        "DTSTART:20260101T250000", "DTSTART:20260101T106000", "DTSTART:2026-01-01",
        "DTSTART:+2026101T100000", "DTSTART;VALUE=DATE:20261301",
        // The start is fine, the recurrence is not.
        "DTSTART:20260101T100000\r\nRRULE:FREQ=DAILY;UNTIL=20261399T000000Z",
        "DTSTART:20260101T100000\r\nRRULE:FREQ=SOMETIMES",
        "DTSTART:20260101T100000\r\nRDATE:20260132T100000",
        "DTSTART:20260101T100000\r\nRRULE:FREQ=DAILY\r\nEXDATE:20260100T100000"};
    std::vector<std::string> lines;
    for (const std::string& start : starts) {
        lines.insert(lines.end(), {"BEGIN:VEVENT", start, "SUMMARY:x", "END:VEVENT"});
    }
    lines.insert(lines.end(),
                 {"BEGIN:VEVENT", "DTSTART:20260101T235960", "SUMMARY:Leap second", "END:VEVENT"});
    const CalendarImport import = importCalendar(calendar(lines), "in.ics", year2026);
    EXPECT_EQ(import.unreadable, starts.size());
    EXPECT_EQ(linesOf(import), (std::vector<std::string>{"02.01.2026 00:00:00 >>> Leap second"}));
}

TEST(CalendarImportTest, AnImportGivingTooManyLinesIsRefusedNamingTheSeries) {
    auto series = [](const std::string& rule) {
        return calendar({"BEGIN:VEVENT", "DTSTART:20260101T090000", "SUMMARY:One", "END:VEVENT",
                         "BEGIN:VEVENT", "UID:dense@example.org", "DTSTART:20260101T000000", rule,
                         "SUMMARY:Dense", "END:VEVENT"});
    };
    EXPECT_EQ(imported(series("RRULE:FREQ=DAILY;COUNT=9"), 10).size(), 10u);
    EXPECT_EQ(failureOf([&] { imported(series("RRULE:FREQ=DAILY;COUNT=10"), 10); }),
              "in.ics:7: the series \"dense@example.org\" would make the import give more than "
              "10 event lines");
    // A rule of seconds stops at the limit, with its memory.
    EXPECT_EQ(failureOf([&] { imported(series("RRULE:FREQ=SECONDLY"), 1000); }),
              "in.ics:7: the series \"dense@example.org\" would make the import give more than "
              "1000 event lines");
    // Seconds filtered down to one a year walk too many seconds; hours that
    // reach the window fast are fine.
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(failureOf([&] { imported(series("RRULE:FREQ=SECONDLY;BYYEARDAY=366"), 10000); }),
              "in.ics:7: the series \"dense@example.org\" recurs too densely to expand within "
              "10000 event lines");
    if (test::speedIsMeasured) {
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    }
    // The start, the rule's one time and the single event.
    EXPECT_EQ(imported(series("RRULE:FREQ=HOURLY;BYMONTH=7;BYMONTHDAY=4;BYHOUR=12")).size(), 3u);
    // Single events count as well.
    std::vector<std::string> singles;
    for (int i = 0; i < 11; ++i) {
        singles.insert(singles.end(), {"BEGIN:VEVENT", "DTSTART:20260101T090000", "END:VEVENT"});
    }
    EXPECT_EQ(failureOf([&] { imported(calendar(singles), 10); }),
              "in.ics:33: the event would make the import give more than 10 event lines");
}

TEST(CalendarImportTest, NestingDeeperThanAHundredIsRefusedBeforeAnythingIsBuilt) {
    auto nested = [](int depth) {
        std::string body;
        for (int i = 1; i < depth; ++i) {
            body += "BEGIN:X-LEVEL\r\n";
        }
        for (int i = 1; i < depth; ++i) {
            body += "END:X-LEVEL\r\n";
        }
        return "BEGIN:VCALENDAR\r\n" + body + "END:VCALENDAR\r\n";
    };
    EXPECT_EQ(imported(nested(100)).size(), 0u);
    EXPECT_EQ(failureOf([&] { imported(nested(300000)); }),
              "in.ics:101: components nested deeper than 100");
}

TEST(CalendarImportTest, ATzidIsAZoneNameNeverAPath) {
    auto startingIn = [](const std::string& tzid) {
        return calendar({"BEGIN:VEVENT", "DTSTART;TZID=" + tzid + ":20260301T100000", "SUMMARY:x",
                         "END:VEVENT"});
    };
    for (const std::string tzid : {"../../../etc/passwd", "/etc/passwd", "Europe", "Europe/",
                                   "Europe//Berlin", "./Europe/Berlin", "Atlantis/Capital"}) {
        EXPECT_EQ(failureOf([&] { imported(startingIn(tzid)); }),
                  "in.ics:4: unknown time zone " + tzid);
    }
    EXPECT_EQ(imported(startingIn("Asia/Tokyo")),
              (std::vector<std::string>{"01.03.2026 04:00:00 >>> x"}));
    // The file's own definition is used whatever its name.
    const std::string own = calendar(
        {"BEGIN:VTIMEZONE", "TZID:../Custom", "BEGIN:STANDARD", "DTSTART:19700101T000000",
         "TZOFFSETFROM:+0500", "TZOFFSETTO:+0500", "END:STANDARD", "END:VTIMEZONE", "BEGIN:VEVENT",
         "DTSTART;TZID=../Custom:20260301T100000", "SUMMARY:x", "END:VEVENT"});
    EXPECT_EQ(imported(own), (std::vector<std::string>{"01.03.2026 08:00:00 >>> x"}));
}

} // namespace
} // namespace norvik
