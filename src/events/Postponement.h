// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/DateTime.h"
#include "kit/Text.h"

#include <optional>

namespace norvik {

// The event line moved on by `minutes` from the later of its own time (the
// date and time its date text reads as) and `now`, the moment the
// postponement was chosen, to the whole second: a reminder answered late is
// still put off by the minutes chosen. The minutes carry into the hour, the
// day, the month and the year as needed, and the time is written back as a
// full DD.MM.YYYY HH:MM:SS in place of what the reader took. A line already
// in the full form keeps its length and everything from the 20th character
// on. Nothing when the date text cannot be read or the new time would not
// fit the four-digit year.
std::optional<Text> postponeLine(const Text& line, int minutes, int currentYear,
                                 const DateTime& now);

} // namespace norvik
