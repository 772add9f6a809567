// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventLine.h"

#include <cstdio>

namespace norvik {

Text makeEventLine(const Text& dateText, const Text& eventText) {
    Text line;
    line.reserve(dateText.size() + eventSeparator.size() + eventText.size());
    line += dateText;
    line += eventSeparator;
    line += eventText;
    return line;
}

std::string_view eventTextView(std::string_view line) {
    if (line.size() <= eventTextStart) {
        return {};
    }
    return line.substr(eventTextStart, eventTextLimit);
}

Text eventTextOf(const Text& line) {
    return Text(eventTextView(line));
}

Text dateTextOf(const Text& line) {
    return line.substr(0, dateTextLength);
}

Text formatDateText(const DateTime& moment) {
    // Wide enough for any int fields, so a broken value shows instead of truncating.
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d %02d:%02d:%02d", moment.day, moment.month,
                  moment.year, moment.hour, moment.minute, moment.second);
    return buffer;
}

Text defaultDateText(const DateTime& calendarDay, const DateTime& now) {
    DateTime moment = calendarDay;
    moment.hour = now.hour;
    moment.minute = now.minute;
    moment.second = now.second;
    moment.millisecond = 0;
    return formatDateText(moment);
}

} // namespace norvik
