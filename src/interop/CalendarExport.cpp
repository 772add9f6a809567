// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/CalendarExport.h"

#include "interop/ContentHash.h"
#include "interop/ContentLines.h"
#include "interop/ControlCharacters.h"
#include "interop/EventEntry.h"
#include "interop/WallClock.h"
#include "store/Codec1251.h"

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <unordered_map>

namespace norvik {

namespace {

std::string uidFor(std::string_view line, std::size_t copiesBefore) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "UID:%016llx-%zu@norvik",
                  static_cast<unsigned long long>(contentHash(line)), copiesBefore);
    return buffer;
}

std::string stampText(std::time_t stamp) {
    std::tm utc{};
    gmtime_r(&stamp, &utc);
    char buffer[80]; // room for any int fields
    std::snprintf(buffer, sizeof buffer, "DTSTAMP:%04d%02d%02dT%02d%02d%02dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return buffer;
}

std::string startText(const DateTime& moment, const LocalZone& zone) {
    char buffer[80]; // room for any int fields
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02dT%02d%02d%02d", moment.year, moment.month,
                  moment.day, moment.hour, moment.minute, moment.second);
    switch (zone.kind) {
    case LocalZone::Kind::Named:
        return "DTSTART;TZID=" + zone.tzid + ":" + buffer;
    case LocalZone::Kind::Utc:
        return std::string("DTSTART:") + buffer + "Z";
    case LocalZone::Kind::Floating:
        break;
    }
    return std::string("DTSTART:") + buffer;
}

} // namespace

CalendarExport exportCalendar(const Lines& events, const LocalZone& zone, int currentYear,
                              std::time_t stamp) {
    CalendarExport result;
    std::string& out = result.bytes;
    out.reserve(events.size() * 300 + zone.vtimezone.size() + 200);
    appendContentLine(out, "BEGIN:VCALENDAR");
    appendContentLine(out, "VERSION:2.0");
    appendContentLine(out, "PRODID:-//Norvik//norvik-cli//EN");
    appendContentLine(out, "CALSCALE:GREGORIAN");
    out += zone.vtimezone;

    const std::string stampLine = stampText(stamp);
    std::unordered_map<std::string_view, std::size_t> copies;
    copies.reserve(events.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        // The count is keyed by a view of the list's own line, which lives on.
        const std::string_view held = events[i];
        const Text line(held);
        const auto entry = readEventLine(line, currentYear);
        if (!entry) {
            result.unreadableLines.push_back(i + 1);
            continue;
        }
        const std::string text = escapeText(cp1251::toUtf8(withoutControls(entry->text)));
        out += "BEGIN:VEVENT\r\n";
        appendContentLine(out, uidFor(line, copies[held]++));
        appendContentLine(out, stampLine);
        // A time the clock skips (inside a spring-forward gap) is given as
        // the time it comes to, as other calendars read it.
        appendContentLine(out, startText(existingSystemTime(entry->moment), zone));
        appendContentLine(out, "SUMMARY:" + text);
        // Other calendars remind at the start too, as this program does.
        out += "BEGIN:VALARM\r\nACTION:DISPLAY\r\n";
        appendContentLine(out, "DESCRIPTION:" + text);
        out += "TRIGGER:PT0S\r\nEND:VALARM\r\nEND:VEVENT\r\n";
        ++result.events;
    }
    appendContentLine(out, "END:VCALENDAR");
    return result;
}

} // namespace norvik
