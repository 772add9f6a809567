#include "events/AnnouncedEvents.h"

#include <algorithm>

namespace norvik {

bool AnnouncedEvents::contains(std::int64_t time, const Text& line) const {
    return std::any_of(events_.begin(), events_.end(), [&](const auto& event) {
        return event.first == time && event.second == line;
    });
}

void AnnouncedEvents::add(std::int64_t time, const Text& line) {
    if (!contains(time, line)) {
        events_.emplace_back(time, line);
    }
}

void AnnouncedEvents::keepPresent(const Lines& lines, const std::vector<std::int64_t>& times) {
    if (events_.empty()) {
        return;
    }
    const auto [lowest, highest] =
        std::minmax_element(events_.begin(), events_.end(),
                            [](const auto& a, const auto& b) { return a.first < b.first; });
    const std::int64_t from = lowest->first;
    const std::int64_t to = highest->first;
    std::vector<bool> present(events_.size(), false);
    // Only lines with a time in the announced range need their text compared.
    for (std::size_t i = 0; i < lines.size() && i < times.size(); ++i) {
        if (times[i] < from || times[i] > to) {
            continue;
        }
        for (std::size_t e = 0; e < events_.size(); ++e) {
            if (!present[e] && events_[e].first == times[i] && events_[e].second == lines[i]) {
                present[e] = true;
            }
        }
    }
    std::vector<std::pair<std::int64_t, Text>> kept;
    for (std::size_t e = 0; e < events_.size(); ++e) {
        if (present[e]) {
            kept.push_back(std::move(events_[e]));
        }
    }
    events_ = std::move(kept);
}

} // namespace norvik
