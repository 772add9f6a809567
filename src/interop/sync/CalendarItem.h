// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/LocalZone.h"
#include "interop/sync/ItemReading.h"
#include "kit/DateTime.h"

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvik::sync {

// The days whose occurrences a series gives lines for: from the first day's
// start to the end of the last day, local time.
struct OccurrenceWindow {
    DateTime first;
    DateTime last;

    // Whether an occurrence known by this key starts inside the window.
    bool holds(std::string_view rid) const;
};

// From today to 365 days ahead.
OccurrenceWindow windowFrom(const DateTime& today);

// The most lines one series may give; one with more is reported and skipped.
inline constexpr std::size_t seriesLineLimit = 100'000;

// Reads one .ics item: a single event gives one line, a series (RRULE or
// RDATE) one line per occurrence inside the window, with EXDATE and the
// RECURRENCE-ID overrides taken into account.
ItemReading readCalendarItem(std::string_view bytes, const OccurrenceWindow& window,
                             std::size_t limit = seriesLineLimit);

// Rewrites an item for changed lines, touching only what changed: SUMMARY
// for a new text; DTSTART for a new time, kept all-day and in its zone where
// the new time allows, with DTEND moved by the same amount. A changed
// occurrence becomes a RECURRENCE-ID override, a removed one an EXDATE.
// Nothing when the file is not an item this program can change.
std::optional<std::string> editCalendarItem(std::string_view bytes,
                                            const std::vector<ItemEdit>& edits,
                                            const LocalZone& zone, std::time_t now);

// A new item for an event line: one VEVENT with a reminder at its start, at
// the system's local time.
std::string newCalendarItem(const std::string& uid, const Text& line, const LocalZone& zone,
                            std::time_t now);

} // namespace norvik::sync
