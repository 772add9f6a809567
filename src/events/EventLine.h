// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/DateTime.h"
#include "kit/Text.h"

#include <cstddef>
#include <string_view>

namespace norvik {

// An event line is a date text, the separator and the event text:
// "07.12.2026 09:30:00 >>> Buy bread". The date text has fixed positions
// (DD.MM.YYYY HH:MM:SS) that the scheduler reads and patches in place.
inline constexpr std::string_view eventSeparator = " >>> ";
inline constexpr std::size_t dateTextLength = 19;
// The event text starts at the 25th character, right after the separator.
inline constexpr std::size_t eventTextStart = dateTextLength + eventSeparator.size();
// The most of an event text the event-only search looks at.
inline constexpr std::size_t eventTextLimit = 4975;

Text makeEventLine(const Text& dateText, const Text& eventText);

// The event text of a line: from the 25th character on, at most
// eventTextLimit characters; empty for a shorter line. The view variant
// serves the search, which runs over every line and should not copy them.
std::string_view eventTextView(std::string_view line);
Text eventTextOf(const Text& line);

// The first 19 characters of a line (all of a shorter one).
Text dateTextOf(const Text& line);

// DD.MM.YYYY HH:MM:SS; milliseconds are dropped.
Text formatDateText(const DateTime& moment);

// The add dialog's date: the calendar's day at the present time of day,
// to the whole second.
Text defaultDateText(const DateTime& calendarDay, const DateTime& now);

} // namespace norvik
