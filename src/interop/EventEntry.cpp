// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/EventEntry.h"

#include "events/DateTextReader.h"
#include "events/EventLine.h"

#include <string_view>

namespace norvik {

std::optional<EventEntry> readEventLine(const Text& line, int currentYear) {
    const std::string_view whole(line);
    const auto reading = readDateText(whole.substr(0, dateTextLength), currentYear);
    if (!reading) {
        return std::nullopt;
    }
    std::string_view rest = whole.substr(reading->consumed);
    if (rest.starts_with(eventSeparator)) {
        rest.remove_prefix(eventSeparator.size());
    } else {
        while (!rest.empty() && rest.front() == ' ') {
            rest.remove_prefix(1);
        }
    }
    return EventEntry{reading->moment, Text(rest)};
}

} // namespace norvik
