// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/sync/CalendarItem.h"
#include "store/Codec1251.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include <string>
#include <vector>

namespace norvik::sync {
namespace {

// Local time is Moscow's, UTC+3 all year, whatever the machine's zone.
const bool moscow = [] {
    ::setenv("TZ", "Europe/Moscow", 1);
    ::tzset();
    return true;
}();
const OccurrenceWindow window{DateTime{2027, 1, 1, 0, 0, 0, 0}, DateTime{2027, 12, 31, 0, 0, 0, 0}};
const LocalZone floating{};
constexpr std::time_t stamp = 1798761600; // 01.01.2027 00:00:00 UTC

std::string calendar(const std::string& body) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + body + "END:VCALENDAR\r\n";
}

std::string event(const std::string& properties) {
    return "BEGIN:VEVENT\r\nUID:u1\r\n" + properties + "END:VEVENT\r\n";
}

const std::string berlin = "BEGIN:VTIMEZONE\r\nTZID:Berlin Own\r\n"
                           "BEGIN:STANDARD\r\nDTSTART:19701025T030000\r\n"
                           "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
                           "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\n"
                           "BEGIN:DAYLIGHT\r\nDTSTART:19700329T020000\r\n"
                           "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
                           "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nEND:DAYLIGHT\r\n"
                           "END:VTIMEZONE\r\n";

std::vector<std::string> linesOf(const ItemReading& reading) {
    std::vector<std::string> lines;
    for (const auto& item : reading.lines) {
        lines.push_back(item.rid + " | " + cp1251::toUtf8(item.line));
    }
    return lines;
}

Text line(const char* utf8) {
    return cp1251::literal(utf8);
}

// A start in every form a calendar writes becomes the local time it stands for.
TEST(CalendarItemTest, SingleEventsReadAtTheirLocalTime) {
    const std::pair<std::string, std::string> cases[] = {
        {"DTSTART:20270110T100000", "10.01.2027 10:00:00"},
        {"DTSTART:20270110T100000Z", "10.01.2027 13:00:00"},
        {"DTSTART;TZID=Europe/Berlin:20270710T100000", "10.07.2027 11:00:00"},
        {"DTSTART;TZID=\"Berlin Own\":20270110T100000", "10.01.2027 12:00:00"},
        {"DTSTART;VALUE=DATE:20270110", "10.01.2027 00:00:00"},
        {"DTSTART:20270110", "10.01.2027 00:00:00"},
    };
    for (const auto& [start, expected] : cases) {
        // A byte-order mark before the calendar is no part of it.
        const ItemReading reading = readCalendarItem(
            "\xEF\xBB\xBF" + calendar(berlin + event(start + "\r\nSUMMARY:Meet\\, talk\r\n")),
            window);
        ASSERT_EQ(reading.outcome, ItemReading::Outcome::Shown) << start;
        EXPECT_FALSE(reading.series);
        EXPECT_EQ(reading.uid, "u1");
        EXPECT_EQ(linesOf(reading), std::vector<std::string>{" | " + expected + " >>> Meet, talk"})
            << start;
    }
}

// What the list cannot show is told apart from what cannot be read, and a
// series that would flood the list is refused, as is a zone that is a path.
TEST(CalendarItemTest, ItemsTheListCannotShowAreNamedNotRead) {
    using Outcome = ItemReading::Outcome;
    const std::pair<std::string, Outcome> cases[] = {
        {calendar("BEGIN:VTODO\r\nUID:t\r\nSUMMARY:Task\r\nEND:VTODO\r\n"), Outcome::NotShown},
        {calendar(event("SUMMARY:No start\r\n")), Outcome::NotShown},
        {calendar(event("DTSTART:20261399T256161\r\n")), Outcome::Unreadable},
        {calendar(event("DTSTART;TZID=../../../etc/passwd:20270110T100000\r\n")),
         Outcome::Unreadable},
        {calendar(event("DTSTART:20270110T100000\r\nRRULE:FREQ=SECONDLY\r\n")), Outcome::TooMany},
        {calendar(event("DTSTART:20270110T100000\r\n") + event("DTSTART:20270111T100000\r\n")),
         Outcome::Unreadable},
        {"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:x\r\nEND:VCARD\r\n", Outcome::Unreadable},
        {"not a calendar", Outcome::Unreadable},
    };
    for (const auto& [bytes, outcome] : cases) {
        EXPECT_EQ(readCalendarItem(bytes, window).outcome, outcome) << bytes;
    }
}

const std::string weekly = calendar(
    event(
        "DTSTART;TZID=Europe/Moscow:20270104T090000\r\nDTEND;TZID=Europe/Moscow:20270104T100000\r\n"
        "RRULE:FREQ=WEEKLY;COUNT=5\r\nEXDATE;TZID=Europe/Moscow:20270111T090000\r\n"
        "SUMMARY:Standup\r\nLOCATION:Room 4\r\n") +
    "BEGIN:VEVENT\r\nUID:u1\r\nRECURRENCE-ID;TZID=Europe/Moscow:20270118T090000\r\n"
    "DTSTART;TZID=Europe/Moscow:20270119T150000\r\nSUMMARY:Standup moved\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:u1\r\nRECURRENCE-ID:20270125T060000Z\r\nSTATUS:CANCELLED\r\n"
    "DTSTART;TZID=Europe/Moscow:20270125T090000\r\nEND:VEVENT\r\n");

// One line per occurrence, each known by its RECURRENCE-ID in UTC: an
// EXDATE leaves one out, an override moves another, a cancelled one goes.
TEST(CalendarItemTest, ASeriesGivesItsOccurrencesWithExceptions) {
    const ItemReading reading = readCalendarItem(weekly, window);
    ASSERT_EQ(reading.outcome, ItemReading::Outcome::Shown);
    EXPECT_TRUE(reading.series);
    EXPECT_EQ(linesOf(reading),
              (std::vector<std::string>{"20270104T060000Z | 04.01.2027 09:00:00 >>> Standup",
                                        "20270118T060000Z | 19.01.2027 15:00:00 >>> Standup moved",
                                        "20270201T060000Z | 01.02.2027 09:00:00 >>> Standup"}));
    // A window that starts later leaves the earlier occurrences out.
    const OccurrenceWindow later{DateTime{2027, 1, 20, 0, 0, 0, 0},
                                 DateTime{2027, 12, 31, 0, 0, 0, 0}};
    EXPECT_EQ(readCalendarItem(weekly, later).lines.size(), 1U);
    EXPECT_FALSE(later.holds("20270104T060000Z"));
    EXPECT_TRUE(later.holds("20270201T060000Z"));
    // An endless series stops at the window's last day.
    const auto daily = readCalendarItem(
        calendar(event("DTSTART;VALUE=DATE:20200101\r\nRRULE:FREQ=DAILY\r\nSUMMARY:Day\r\n")),
        window);
    ASSERT_EQ(daily.lines.size(), 365U);
    EXPECT_EQ(daily.lines.front().rid, "20270101");
    EXPECT_EQ(cp1251::toUtf8(daily.lines.back().line), "31.12.2027 00:00:00 >>> Day");
}

// A new text rewrites SUMMARY and nothing else: every other line of the
// file stays byte for byte, folded lines and odd properties included.
TEST(CalendarItemTest, ANewTextRewritesOnlyTheSummary) {
    const std::string original =
        calendar(event("DTSTART:20270110T100000\r\nSUMMARY:Old\r\nLOCATION:A very long place "
                       "name that is folded\r\n  onto a second line\r\nATTENDEE;CN=Ann:mailto:"
                       "ann@example.org\r\nX-ODD;P=\"a:b\":value\r\n"));
    const auto edited = editCalendarItem(
        original,
        {{"", line("10.01.2027 10:00:00 >>> Old"), line("10.01.2027 10:00:00 >>> Новый; текст")}},
        floating, stamp);
    ASSERT_TRUE(edited);
    std::string expected = original;
    expected.replace(expected.find("SUMMARY:Old"), 11, "SUMMARY:Новый\\; текст");
    EXPECT_EQ(*edited, expected);
    EXPECT_EQ(linesOf(readCalendarItem(*edited, window)),
              std::vector<std::string>{" | 10.01.2027 10:00:00 >>> Новый; текст"});
}

// A new time moves DTSTART in the item's own form, and DTEND with it so the
// event keeps its length; all-day items stay all-day unless given a time.
TEST(CalendarItemTest, ANewTimeKeepsTheZoneTheLengthAndAllDay) {
    struct Case {
        std::string properties;
        const char* newDate;
        std::string start;
        std::string end;
    };
    const Case cases[] = {
        {"DTSTART;TZID=Europe/Berlin:20270110T100000\r\nDTEND;TZID=Europe/"
         "Berlin:20270110T113000\r\n",
         "11.01.2027 14:00:00", "DTSTART;TZID=Europe/Berlin:20270111T120000",
         "DTEND;TZID=Europe/Berlin:20270111T133000"},
        {"DTSTART:20270110T070000Z\r\nDTEND:20270110T080000Z\r\n", "10.01.2027 12:00:00",
         "DTSTART:20270110T090000Z", "DTEND:20270110T100000Z"},
        {"DTSTART;VALUE=DATE:20270110\r\nDTEND;VALUE=DATE:20270112\r\n", "15.01.2027 00:00:00",
         "DTSTART;VALUE=DATE:20270115", "DTEND;VALUE=DATE:20270117"},
        {"DTSTART;VALUE=DATE:20270110\r\nDTEND;VALUE=DATE:20270111\r\n", "15.01.2027 09:30:00",
         "DTSTART:20270115T093000", "DTEND:20270116T093000"},
    };
    for (const Case& c : cases) {
        const std::string original = calendar(event(c.properties + "SUMMARY:Trip\r\n"));
        const ItemReading before = readCalendarItem(original, window);
        ASSERT_EQ(before.lines.size(), 1U);
        const Text moved = cp1251::literal(c.newDate) + " >>> Trip";
        const auto edited =
            editCalendarItem(original, {{"", before.lines.front().line, moved}}, floating, stamp);
        ASSERT_TRUE(edited) << c.properties;
        EXPECT_NE(edited->find(c.start + "\r\n"), std::string::npos) << *edited;
        EXPECT_NE(edited->find(c.end + "\r\n"), std::string::npos) << *edited;
        EXPECT_EQ(readCalendarItem(*edited, window).lines.front().line, moved);
    }
}

// Deleting an occurrence adds an EXDATE in the series' own form and drops
// its override; editing one writes an override that keeps the series'
// other properties; a series is never split into single events.
TEST(CalendarItemTest, OccurrencesAreExcludedAndOverridden) {
    const auto edited = editCalendarItem(
        weekly,
        {{"20270118T060000Z", line("19.01.2027 15:00:00 >>> Standup moved"), std::nullopt},
         {"20270201T060000Z", line("01.02.2027 09:00:00 >>> Standup"),
          line("01.02.2027 11:00:00 >>> Standup late")},
         {"20270104T060000Z", line("04.01.2027 09:00:00 >>> Standup"),
          line("04.01.2027 09:00:00 >>> Standup first")}},
        floating, stamp);
    ASSERT_TRUE(edited);
    EXPECT_NE(edited->find("EXDATE;TZID=Europe/Moscow:20270118T090000\r\n"), std::string::npos);
    EXPECT_EQ(edited->find("Standup moved"), std::string::npos);
    EXPECT_NE(edited->find("RRULE:FREQ=WEEKLY;COUNT=5\r\n"), std::string::npos);
    EXPECT_NE(edited->find("RECURRENCE-ID;TZID=Europe/Moscow:20270201T090000\r\n"),
              std::string::npos);
    const ItemReading reading = readCalendarItem(*edited, window);
    EXPECT_EQ(linesOf(reading), (std::vector<std::string>{
                                    "20270104T060000Z | 04.01.2027 09:00:00 >>> Standup first",
                                    "20270201T060000Z | 01.02.2027 11:00:00 >>> Standup late"}));
    // Each override carries the series' place and length.
    std::size_t overrides = 0;
    for (std::size_t at = edited->find("RECURRENCE-ID"); at != std::string::npos;
         at = edited->find("RECURRENCE-ID", at + 1)) {
        ++overrides;
    }
    EXPECT_EQ(overrides, 3U);
    EXPECT_NE(edited->find("DTEND;TZID=Europe/Moscow:20270201T120000\r\n"), std::string::npos);
    std::size_t locations = 0;
    for (std::size_t at = edited->find("LOCATION:Room 4"); at != std::string::npos;
         at = edited->find("LOCATION:Room 4", at + 1)) {
        ++locations;
    }
    EXPECT_EQ(locations, 3U);
}

// A new item reads back as the very line it was made from, in the system's
// zone with that zone's definition inside.
TEST(CalendarItemTest, ANewItemReadsBackAsItsLine) {
    const LocalZone moscow = [] {
        LocalZone zone;
        zone.kind = LocalZone::Kind::Named;
        zone.tzid = "Europe/Moscow";
        zone.vtimezone = "BEGIN:VTIMEZONE\r\nTZID:Europe/Moscow\r\nBEGIN:STANDARD\r\n"
                         "DTSTART:19700101T000000\r\nTZOFFSETFROM:+0300\r\nTZOFFSETTO:+0300\r\n"
                         "END:STANDARD\r\nEND:VTIMEZONE\r\n";
        return zone;
    }();
    const Text entry = line("24.12.2027 18:00:00 >>> Ужин, гости");
    for (const LocalZone* zone : {&floating, &moscow}) {
        const std::string bytes = newCalendarItem("abc-1", entry, *zone, stamp);
        const ItemReading reading = readCalendarItem(bytes, window);
        EXPECT_EQ(reading.uid, "abc-1");
        EXPECT_EQ(linesOf(reading),
                  std::vector<std::string>{" | 24.12.2027 18:00:00 >>> Ужин, гости"});
    }
}

} // namespace
} // namespace norvik::sync
