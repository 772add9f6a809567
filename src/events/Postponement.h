#pragma once

#include "kit/Text.h"

#include <optional>

namespace norvik {

// The event line moved on by `minutes`: the date and time its date text
// reads as, plus the minutes, carried into the hour, the day, the month and
// the year as needed, written back as a full DD.MM.YYYY HH:MM:SS in place of
// what the reader took. A line already in the full form keeps its length and
// everything from the 20th character on. Nothing when the date text cannot be
// read or the new time would not fit the four-digit year.
std::optional<Text> postponeLine(const Text& line, int minutes, int currentYear);

} // namespace norvik
