// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"

#include <cstdint>
#include <vector>

namespace norvik {

class ReminderMemory;

// What a tick of the reminder timer announces.
enum class Announcement {
    None, // nothing at this moment
    Due,  // an event whose time has come: the reminder
    Past, // with past events reminded: an event whose time went by
};

// The setting LastEvent: whether events whose time has passed are reminded too.
enum class PastEvents { Skipped, Reminded };

struct ReminderDecision {
    int index = -1; // the line announced; -1 with None
    Announcement kind = Announcement::None;
};

// The first line from `from` on that a tick at `now` announces. `times` are
// the lines' times as EventTimes reads them (milliseconds, see momentMillis).
//
// With past events skipped, a line is due when its time has come or is less than a
// second ahead, is not before the moment reminders were switched on, and was
// not announced yet; a clock set back before that moment takes the moment
// with it (the memory keeps that). With past events reminded, the memory
// plays no part but for lines that came in from another device already past
// (ReminderMemory::arrived), which are never announced: a line before `now`
// is past, one less than a second ahead is due, and the caller's `from` keeps
// a line from coming twice in one tick.
// Either way a line the scheduler cannot read is passed over, so that one
// mistyped line does not silence every event after it.
ReminderDecision decideReminder(ReminderMemory& memory, const std::vector<std::int64_t>& times,
                                const Lines& lines, std::int64_t now, int from,
                                PastEvents pastEvents);

} // namespace norvik
