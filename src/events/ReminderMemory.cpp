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

int ReminderMemory::notAnnounced(const std::vector<std::int64_t>& times, const Lines& lines,
                                 std::int64_t from, std::int64_t to) const {
    int count = 0;
    const std::size_t size = std::min(times.size(), lines.size());
    for (std::size_t i = 0; i < size; ++i) {
        // Unreadable lines are far below any range.
        if (times[i] >= from && times[i] < to && !wasAnnounced(times[i], lines[i])) {
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
