// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/ReminderMemory.h"

#include "events/EventTime.h"
#include "events/EventTimes.h"

#include <algorithm>

namespace norvik {

namespace {

std::int64_t wholeSecond(std::int64_t millis) {
    return millis - millis % millisPerSecond;
}

} // namespace

void ReminderMemory::switchedOn(std::int64_t now) {
    switchedOnAt_ = wholeSecond(now);
}

void ReminderMemory::clockIs(std::int64_t now) {
    if (switchedOnAt_ != never && now < switchedOnAt_) {
        switchedOnAt_ = wholeSecond(now);
    }
}

int ReminderMemory::firstDue(const std::vector<std::int64_t>& times, const Lines& lines,
                             std::int64_t now) const {
    // Less than a second ahead, or already come: a tick that arrives late
    // (the machine slept, a reminder was being answered) still finds it.
    const std::int64_t dueBefore = now + millisPerSecond;
    if (dueBefore <= switchedOnAt_) {
        return -1;
    }
    // One unsigned comparison per line tells whether its time lies in
    // [switched on, due before): past and future lines mixed at random would
    // otherwise cost a mispredicted branch each. Unreadable lines fall outside.
    const auto from = static_cast<std::uint64_t>(switchedOnAt_);
    const auto width = static_cast<std::uint64_t>(dueBefore) - from;
    const std::size_t count = std::min(times.size(), lines.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (static_cast<std::uint64_t>(times[i]) - from >= width) {
            continue;
        }
        if (times[i] != EventTimes::unreadable && !wasAnnounced(times[i], lines[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ReminderMemory::announced(std::int64_t time, std::string_view line) {
    announced_.emplace(Text(line), time);
}

void ReminderMemory::replaced(std::string_view line) {
    const auto first = announced_.lower_bound(
        std::pair<std::string_view, std::int64_t>{line, std::numeric_limits<std::int64_t>::min()});
    auto last = first;
    while (last != announced_.end() && last->first == line) {
        ++last;
    }
    announced_.erase(first, last);
}

bool ReminderMemory::wasAnnounced(std::int64_t time, std::string_view line) const {
    return announced_.contains(std::pair<std::string_view, std::int64_t>{line, time});
}

} // namespace norvik
