// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/DateTime.h"
#include "kit/Failure.h"
#include "kit/Text.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace norvik {

// Whole days, both ends included.
struct DayWindow {
    DateTime first;
    DateTime last;
};

struct CalendarImport {
    Lines lines;                // event lines, in the order of the file
    std::size_t unreadable = 0; // VEVENTs without a usable start or recurrence
    std::size_t replaced = 0;   // characters code page 1251 cannot hold, now "?"
};

// How many event lines one import may give, unless the caller allows more.
inline constexpr std::size_t defaultImportLineLimit = 100000;

// An import refused for its size: the file would give more event lines than
// allowed, or a series recurs too densely to expand within that allowance.
class ImportTooLarge : public Failure {
public:
    using Failure::Failure;
};

// Reads an iCalendar file into event lines at local time. A single event is
// taken whatever its date; a recurring one gives a line for each occurrence
// that starts inside `window`. An override (RECURRENCE-ID) takes the place of
// the occurrence it names, or removes it when cancelled. A file that is not
// iCalendar, nests components deeper than 100, or names a time zone neither
// it nor the zone database defines fails with a message naming `fileName` and
// the line; one that would give more than `lineLimit` lines fails with
// ImportTooLarge, naming the series.
CalendarImport importCalendar(std::string_view bytes, const std::string& fileName,
                              const DayWindow& window,
                              std::size_t lineLimit = defaultImportLineLimit);

} // namespace norvik
