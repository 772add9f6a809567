// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/LocalZone.h"
#include "kit/Text.h"

#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

namespace norvik {

struct CalendarExport {
    std::string bytes; // the iCalendar file, UTF-8, CR LF
    std::size_t events = 0;
    std::vector<std::size_t> unreadableLines; // from 1, as in the file
};

// One VEVENT per event line the scheduler can read, at its local time in
// `zone`, with a reminder at its start. A line keeps its UID from one export
// to the next: the UID comes from the line's text and, for identical lines,
// from how many copies of it come before. `stamp` is the DTSTAMP of them all.
CalendarExport exportCalendar(const Lines& events, const LocalZone& zone, int currentYear,
                              std::time_t stamp);

} // namespace norvik
