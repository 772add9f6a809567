#include "events/ReminderMemory.h"

#include "events/EventTime.h"

namespace norvik {

void ReminderMemory::switchedOn(std::int64_t now) {
    switchedOnAt_ = now - now % millisPerSecond;
}

void ReminderMemory::clockIs(std::int64_t now) {
    if (switchedOnAt_ != never && now < switchedOnAt_) {
        switchedOnAt_ = now - now % millisPerSecond;
    }
}

int ReminderMemory::firstDue(const std::vector<std::int64_t>& times, const Lines& lines,
                             std::int64_t now, std::int64_t unreadable) const {
    // Less than a second ahead, or already come: a tick that arrives late
    // (the machine slept, a reminder was being answered) still finds it.
    const std::int64_t dueBefore = now + millisPerSecond;
    for (std::size_t i = 0; i < times.size() && i < lines.size(); ++i) {
        const std::int64_t time = times[i];
        if (time == unreadable || time < switchedOnAt_ || time >= dueBefore) {
            continue;
        }
        if (!wasAnnounced(time, lines[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ReminderMemory::announced(std::int64_t time, const Text& line) {
    announced_.emplace(line, time);
}

void ReminderMemory::replaced(const Text& line) {
    const auto first = announced_.lower_bound({line, std::numeric_limits<std::int64_t>::min()});
    auto last = first;
    while (last != announced_.end() && last->first == line) {
        ++last;
    }
    announced_.erase(first, last);
}

bool ReminderMemory::wasAnnounced(std::int64_t time, const Text& line) const {
    return announced_.contains({line, time});
}

} // namespace norvik
