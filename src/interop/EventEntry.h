// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/DateTime.h"
#include "kit/Text.h"

#include <optional>

namespace norvik {

// An event line as the scheduler understands it: the moment its date text
// reads as, and the event text after it.
struct EventEntry {
    DateTime moment;
    Text text;
};

// Nothing when the scheduler cannot read the line's date text (its first 19
// characters). The text starts after the separator; a line whose date was
// typed in a looser form has its text after the date and the separator, or
// after the blanks that follow the date when the separator is not there.
std::optional<EventEntry> readEventLine(const Text& line, int currentYear);

} // namespace norvik
