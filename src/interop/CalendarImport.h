// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/DateTime.h"
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
    std::size_t unreadable = 0; // VEVENTs without a usable start
    std::size_t replaced = 0;   // characters code page 1251 cannot hold, now "?"
};

// Reads an iCalendar file into event lines at local time. A single event is
// taken whatever its date; a recurring one gives a line for each occurrence
// that starts inside `window`. A file that is not iCalendar, or that names a
// time zone neither it nor the zone database defines, fails with a message
// naming `fileName` and the line.
CalendarImport importCalendar(std::string_view bytes, const std::string& fileName,
                              const DayWindow& window);

} // namespace norvik
