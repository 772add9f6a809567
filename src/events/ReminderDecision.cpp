// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/ReminderDecision.h"

#include "events/EventTime.h"
#include "events/EventTimes.h"
#include "events/ReminderMemory.h"
#include "events/TimeScan.h"

#include <algorithm>

namespace norvik {

namespace {

// Less than a second ahead, or already come: a tick that arrives late (the
// machine slept, a reminder was being answered) still finds the event.
constexpr std::int64_t dueWindow = millisPerSecond;

int firstDue(const ReminderMemory& memory, const std::vector<std::int64_t>& times,
             const Lines& lines, std::int64_t now, int from) {
    const std::int64_t dueBefore = now + dueWindow;
    const std::int64_t switchedOnAt = memory.switchedOnAt();
    if (dueBefore <= switchedOnAt) {
        return -1;
    }
    // One unsigned comparison tells whether a time lies in [switched on, due
    // before). Unreadable lines fall outside.
    const auto since = static_cast<std::uint64_t>(switchedOnAt);
    const auto width = static_cast<std::uint64_t>(dueBefore) - since;
    const auto inWindow = [since, width](std::int64_t time) {
        return static_cast<std::uint64_t>(time) - since < width;
    };
    const std::size_t count = std::min(times.size(), lines.size());
    for (auto i = static_cast<std::size_t>(std::max(from, 0));; ++i) {
        i = firstHit(times, i, count, inWindow);
        if (i == count) {
            return -1;
        }
        if (times[i] != EventTimes::unreadable && !memory.wasAnnounced(times[i], lines[i])) {
            return static_cast<int>(i);
        }
    }
}

// A line that came in from another device already past is no past event here.
ReminderDecision firstDueOrPast(const ReminderMemory& memory,
                                const std::vector<std::int64_t>& times, const Lines& lines,
                                int from, std::int64_t now) {
    const std::size_t count = std::min(times.size(), lines.size());
    // Past or due is all a time below this can be (an unreadable one too):
    // only the few lines left are looked at further.
    const std::int64_t dueBefore = now + dueWindow;
    const auto pastOrDue = [dueBefore](std::int64_t time) { return time < dueBefore; };
    for (auto i = static_cast<std::size_t>(std::max(from, 0));; ++i) {
        i = firstHit(times, i, count, pastOrDue);
        if (i == count) {
            return {};
        }
        const std::int64_t time = times[i];
        if (time != EventTimes::unreadable && !memory.arrivedLate(time, lines[i])) {
            return {static_cast<int>(i), time < now ? Announcement::Past : Announcement::Due};
        }
    }
}

} // namespace

ReminderDecision decideReminder(ReminderMemory& memory, const std::vector<std::int64_t>& times,
                                const Lines& lines, std::int64_t now, int from,
                                PastEvents pastEvents) {
    if (pastEvents == PastEvents::Reminded) {
        return firstDueOrPast(memory, times, lines, from, now);
    }
    memory.clockIs(now);
    const int index = firstDue(memory, times, lines, now, from);
    if (index < 0) {
        return {};
    }
    return {index, Announcement::Due};
}

} // namespace norvik
