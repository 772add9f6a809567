// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/Postponement.h"

#include "events/DateTextReader.h"
#include "events/EventLine.h"
#include "events/EventTime.h"

#include <algorithm>
#include <string_view>

namespace norvik {

namespace {

constexpr int lastYear = 9999;

} // namespace

std::optional<Text> postponeLine(const Text& line, int minutes, int currentYear,
                                 const DateTime& now) {
    const std::string_view dateText = std::string_view(line).substr(0, dateTextLength);
    const auto reading = readDateText(dateText, currentYear);
    if (!reading) {
        return std::nullopt;
    }
    DateTime wholeSecond = now;
    wholeSecond.millisecond = 0;
    const std::int64_t from = std::max(momentMillis(reading->moment), momentMillis(wholeSecond));
    const DateTime moved = momentFromMillis(from + minutes * millisPerMinute);
    if (moved.year > lastYear) {
        return std::nullopt;
    }
    return formatDateText(moved) + line.substr(reading->consumed);
}

} // namespace norvik
