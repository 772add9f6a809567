// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventTimes.h"

#include "events/DateTextReader.h"
#include "events/EventLine.h"
#include "events/EventTime.h"
#include "kit/ListBox.h"

#include <string_view>

namespace norvik {

std::optional<std::int64_t> eventLineTime(std::string_view line, int currentYear) {
    const auto reading = readDateText(line.substr(0, dateTextLength), currentYear);
    if (!reading) {
        return std::nullopt;
    }
    return momentMillis(reading->moment);
}

const std::vector<std::int64_t>& EventTimes::of(const ListBox& list, int currentYear) {
    if (list_ == &list && revision_ == list.itemsRevision() && year_ == currentYear && read_) {
        return times_;
    }
    const Lines& lines = list.items();
    times_.resize(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        times_[i] = eventLineTime(lines[i], currentYear).value_or(unreadable);
    }
    list_ = &list;
    revision_ = list.itemsRevision();
    year_ = currentYear;
    read_ = true;
    return times_;
}

} // namespace norvik
