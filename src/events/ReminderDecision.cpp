// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/ReminderDecision.h"

#include "events/EventTime.h"
#include "events/EventTimes.h"
#include "events/ReminderMemory.h"

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
    // One unsigned comparison per line tells whether its time lies in
    // [switched on, due before): past and future lines mixed at random would
    // otherwise cost a mispredicted branch each. Unreadable lines fall outside.
    const auto since = static_cast<std::uint64_t>(switchedOnAt);
    const auto width = static_cast<std::uint64_t>(dueBefore) - since;
    const std::size_t count = std::min(times.size(), lines.size());
    for (auto i = static_cast<std::size_t>(std::max(from, 0)); i < count; ++i) {
        if (static_cast<std::uint64_t>(times[i]) - since >= width) {
            continue;
        }
        if (times[i] != EventTimes::unreadable && !memory.wasAnnounced(times[i], lines[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// A line that came in from another device already past is no past event here.
ReminderDecision firstDueOrPast(const ReminderMemory& memory,
                                const std::vector<std::int64_t>& times, const Lines& lines,
                                int from, std::int64_t now) {
    const int count = static_cast<int>(std::min(times.size(), lines.size()));
    for (int i = std::max(from, 0); i < count; ++i) {
        const std::int64_t time = times[static_cast<std::size_t>(i)];
        if (time == EventTimes::unreadable ||
            memory.arrivedLate(time, lines[static_cast<std::size_t>(i)])) {
            continue;
        }
        if (time < now) {
            return {i, Announcement::Past};
        }
        if (time - now < dueWindow && now - time < dueWindow) {
            return {i, Announcement::Due};
        }
    }
    return {};
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
