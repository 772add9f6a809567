// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/CalendarSource.h"

#include "interop/ContentLines.h"
#include "kit/Failure.h"

namespace norvik {

namespace {

// The line as libical's parser takes it: the names upper-cased, the blanks
// after them gone, parameter values quoted where they hold separators.
std::string lineForLibical(const ContentFields& fields) {
    std::string line = fields.name;
    for (const auto& [name, value] : fields.params) {
        line += ';';
        line += name;
        line += '=';
        if (value.find_first_of(":;,") != std::string::npos) {
            line += '"' + value + '"';
        } else {
            line += value;
        }
    }
    line += ':';
    line += fields.value;
    return line;
}

// A zone observance that libical can expand in bounded time: yearly, no
// finer than the day.
bool saneZoneRule(std::string_view rule) {
    const std::string upper = upperCased(rule);
    return upper.find("FREQ=YEARLY") != std::string::npos &&
           upper.find("BYHOUR") == std::string::npos &&
           upper.find("BYMINUTE") == std::string::npos &&
           upper.find("BYSECOND") == std::string::npos &&
           upper.find("BYYEARDAY") == std::string::npos &&
           upper.find("BYWEEKNO") == std::string::npos;
}

EventProperty propertyOf(const ContentFields& fields, std::size_t lineNumber) {
    EventProperty property;
    property.value = fields.value;
    property.tzid = paramValue(fields, "TZID");
    property.period = upperCased(paramValue(fields, "VALUE")) == "PERIOD";
    property.lineNumber = lineNumber;
    return property;
}

void takeEventProperty(EventSource& event, const ContentFields& fields, std::size_t lineNumber) {
    const std::string& name = fields.name;
    if (name == "UID") {
        if (event.uid.empty()) {
            event.uid = fields.value;
        }
    } else if (name == "SUMMARY") {
        if (event.summary.empty()) {
            event.summary = unescapeText(fields.value);
        }
    } else if (name == "DTSTART") {
        if (!event.start) {
            event.start = propertyOf(fields, lineNumber);
        }
    } else if (name == "RECURRENCE-ID") {
        if (!event.recurrenceId) {
            event.recurrenceId = propertyOf(fields, lineNumber);
        }
    } else if (name == "RRULE") {
        event.rules.push_back(propertyOf(fields, lineNumber));
    } else if (name == "EXRULE") {
        event.exceptionRules.push_back(propertyOf(fields, lineNumber));
    } else if (name == "RDATE") {
        event.dates.push_back(propertyOf(fields, lineNumber));
    } else if (name == "EXDATE") {
        event.exceptionDates.push_back(propertyOf(fields, lineNumber));
    } else if (name == "STATUS") {
        event.cancelled = componentName(fields.value) == "CANCELLED";
    }
}

} // namespace

CalendarSource readCalendarSource(std::string_view bytes, const std::string& fileName) {
    CalendarSource source;
    ContentLineReader reader(bytes);
    ContentLine line;
    ContentFields fields;
    std::vector<std::pair<std::string, std::size_t>> open;
    bool inZone = false;
    bool any = false;
    while (reader.next(line)) {
        any = true;
        if (!splitContentLine(line.text, fields)) {
            throw badFile(fileName, line.lineNumber, "not an iCalendar line");
        }
        const bool begins = fields.name == "BEGIN";
        const bool ends = fields.name == "END";
        if (begins || ends) {
            fields.value = componentName(fields.value);
        }
        if (open.empty() && !(begins && fields.value == "VCALENDAR")) {
            throw badFile(fileName, line.lineNumber, "expected BEGIN:VCALENDAR");
        }
        if (begins) {
            if (open.size() == deepestNesting) {
                throw badFile(fileName, line.lineNumber,
                              "components nested deeper than " + std::to_string(deepestNesting));
            }
            if (open.empty()) {
                source.zones.emplace_back();
            } else if (open.size() == 1 && fields.value == "VEVENT") {
                EventSource event;
                event.calendar = source.zones.size() - 1;
                event.beginLine = line.lineNumber;
                source.events.push_back(std::move(event));
            } else if (open.size() == 1 && fields.value == "VTIMEZONE") {
                source.zones.back().emplace_back();
                inZone = true;
            }
            open.emplace_back(fields.value, line.lineNumber);
        } else if (ends) {
            if (fields.value != open.back().first) {
                throw badFile(fileName, line.lineNumber,
                              "END:" + fields.value + " does not close BEGIN:" + open.back().first);
            }
            open.pop_back();
        }
        if (inZone) {
            ZoneSource& zone = source.zones.back().back();
            zone.lines.push_back(lineForLibical(fields));
            if (open.size() == 2 && fields.name == "TZID") {
                zone.tzid = fields.value;
            } else if (open.size() == 3 && fields.name == "RRULE" && !saneZoneRule(fields.value)) {
                zone.sane = false;
            }
            inZone = open.size() > 1;
        } else if (open.size() == 2 && !begins && open.back().first == "VEVENT") {
            takeEventProperty(source.events.back(), fields, line.lineNumber);
        }
    }
    if (!any) {
        throw Failure(fileName + ": no iCalendar data");
    }
    if (!open.empty()) {
        throw badFile(fileName, open.back().second,
                      "BEGIN:" + open.back().first + " is never closed");
    }
    return source;
}

} // namespace norvik
