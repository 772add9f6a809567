// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvik {

// What an iCalendar file says, read from its content lines before libical
// sees any of it: the structure checked, the events' properties that decide
// when they happen, and each time zone definition as lines for libical.

// One property of an event, as the file writes it.
struct EventProperty {
    std::string value;
    std::string tzid;    // the TZID parameter, empty when there is none
    bool period = false; // VALUE=PERIOD
    std::size_t lineNumber = 0;
};

struct EventSource {
    std::size_t calendar = 0; // which VCALENDAR of the file holds it
    std::size_t beginLine = 0;
    std::string uid;
    std::string summary; // unescaped, as written (libical drops blanks at the end)
    std::optional<EventProperty> start;
    std::optional<EventProperty> recurrenceId;
    std::vector<EventProperty> rules;
    std::vector<EventProperty> exceptionRules;
    std::vector<EventProperty> dates;
    std::vector<EventProperty> exceptionDates;
    bool cancelled = false;

    bool recurs() const { return !rules.empty() || !dates.empty(); }
};

// A VTIMEZONE: its content lines, unfolded and with the names upper-cased,
// ready for libical's parser.
struct ZoneSource {
    std::string tzid;
    std::vector<std::string> lines;
    // False when an observance repeats other than yearly or more often than
    // daily: libical would expand it into every change of every year.
    bool sane = true;
};

struct CalendarSource {
    std::vector<std::vector<ZoneSource>> zones; // per VCALENDAR
    std::vector<EventSource> events;            // the VEVENTs in file order
};

// Components nested deeper than this are refused before anything is built.
inline constexpr std::size_t deepestNesting = 100;

// Fails with a message naming `fileName` and the line when the file is not
// iCalendar: a line that is no content line, anything outside VCALENDAR, an
// END that does not close the open component, a component left open, or
// nesting deeper than deepestNesting.
CalendarSource readCalendarSource(std::string_view bytes, const std::string& fileName);

} // namespace norvik
