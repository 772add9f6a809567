// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/ReminderMemory.h"

#include "events/EventTime.h"
#include "events/EventTimes.h"
#include "events/TimeScan.h"

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

int ReminderMemory::notAnnounced(const std::vector<std::int64_t>& times, const Lines& lines,
                                 std::int64_t from, std::int64_t to) const {
    if (to <= from) {
        return 0;
    }
    // The tray's tooltip counts every second over all the lines, as the tick
    // scans them: one unsigned comparison tells whether a time lies in
    // [from, to), and only the few lines there are looked up. Unreadable lines
    // fall outside.
    const auto since = static_cast<std::uint64_t>(from);
    const auto width = static_cast<std::uint64_t>(to) - since;
    const auto inSpan = [since, width](std::int64_t time) {
        return static_cast<std::uint64_t>(time) - since < width;
    };
    int count = 0;
    const std::size_t size = std::min(times.size(), lines.size());
    for (std::size_t i = 0;; ++i) {
        i = firstHit(times, i, size, inSpan);
        if (i == size) {
            break;
        }
        if (!wasAnnounced(times[i], lines[i])) {
            ++count;
        }
    }
    return count;
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

void ReminderMemory::arrived(std::int64_t time, std::string_view line, std::int64_t now) {
    if (time == EventTimes::unreadable || time >= now) {
        return;
    }
    announced_.emplace(Text(line), time);
    arrivedLate_.emplace(Text(line), time);
}

bool ReminderMemory::arrivedLate(std::int64_t time, std::string_view line) const {
    return arrivedLate_.contains(std::pair<std::string_view, std::int64_t>{line, time});
}

bool ReminderMemory::wasAnnounced(std::int64_t time, std::string_view line) const {
    return announced_.contains(std::pair<std::string_view, std::int64_t>{line, time});
}

} // namespace norvik
