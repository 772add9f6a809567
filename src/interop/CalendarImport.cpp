// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/CalendarImport.h"

#include "events/EventLine.h"
#include "events/EventTime.h"
#include "interop/ContentLines.h"
#include "kit/Failure.h"
#include "store/Codec1251.h"

#include <ctime>
#include <libical/ical.h>
#include <memory>
#include <vector>

namespace norvik {

namespace {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// What the file's own lines say of a VEVENT: where it begins, for messages,
// and its summary as written (libical drops blanks at the end of a value).
struct EventSource {
    std::size_t beginLine = 0;
    std::string summary;
};

// The content-line structure that libical glosses over: every line a
// property, BEGIN and END nested, everything inside VCALENDAR. Gives the
// top-level VEVENTs in file order.
std::vector<EventSource> checkStructure(std::string_view bytes, const std::string& fileName) {
    const auto lines = unfoldContentLines(bytes);
    if (lines.empty()) {
        throw Failure(fileName + ": no iCalendar data");
    }
    std::vector<std::pair<std::string, std::size_t>> open;
    std::vector<EventSource> events;
    ContentFields fields;
    for (const auto& line : lines) {
        if (!splitContentLine(line.text, fields)) {
            throw badFile(fileName, line.lineNumber, "not an iCalendar line");
        }
        const bool begins = fields.name == "BEGIN";
        if (open.empty() && !(begins && fields.value == "VCALENDAR")) {
            throw badFile(fileName, line.lineNumber, "expected BEGIN:VCALENDAR");
        }
        if (begins) {
            if (fields.value == "VEVENT" && open.size() == 1) {
                events.push_back({line.lineNumber, {}});
            }
            open.emplace_back(fields.value, line.lineNumber);
        } else if (fields.name == "END") {
            if (fields.value != open.back().first) {
                throw badFile(fileName, line.lineNumber,
                              "END:" + fields.value + " does not close BEGIN:" + open.back().first);
            }
            open.pop_back();
        } else if (fields.name == "SUMMARY" && open.size() == 2 && open.back().first == "VEVENT" &&
                   events.back().summary.empty()) {
            events.back().summary = unescapeText(fields.value);
        }
    }
    if (!open.empty()) {
        throw badFile(fileName, open.back().second,
                      "BEGIN:" + open.back().first + " is never closed");
    }
    return events;
}

DateTime fromTm(const std::tm& tm) {
    return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                    tm.tm_min,         tm.tm_sec,     0};
}

// A floating time or a date stands for itself; a zoned or UTC time is the
// system's local time at that instant.
bool isWallClock(const icaltimetype& time) {
    return time.is_date || time.zone == nullptr;
}

DateTime localTime(std::time_t instant, bool wallClock) {
    std::tm tm{};
    if (wallClock) {
        gmtime_r(&instant, &tm); // libical counts wall-clock times as if they were UTC
    } else {
        localtime_r(&instant, &tm);
    }
    return fromTm(tm);
}

DateTime startOf(const icaltimetype& start) {
    if (start.is_date) {
        return DateTime{start.year, start.month, start.day, 0, 0, 0, 0};
    }
    if (start.zone == nullptr) {
        return DateTime{start.year,   start.month,  start.day, start.hour,
                        start.minute, start.second, 0};
    }
    return localTime(icaltime_as_timet_with_zone(start, start.zone), false);
}

icaltimetype utcDay(const DateTime& day, int shiftDays) {
    icaltimetype time = icaltime_null_time();
    time.year = day.year;
    time.month = day.month;
    time.day = day.day;
    time.zone = icaltimezone_get_utc_timezone();
    icaltime_adjust(&time, shiftDays, 0, 0, 0);
    return time;
}

struct Expansion {
    std::vector<DateTime>* starts;
    bool wallClock;
};

void collectOccurrence(icalcomponent* /*event*/, icaltime_span* span, void* data) {
    auto* expansion = static_cast<Expansion*>(data);
    expansion->starts->push_back(localTime(span->start, expansion->wallClock));
}

void readEvent(icalcomponent* event, const EventSource& source, const std::string& fileName,
               const DayWindow& window, CalendarImport& result) {
    icalproperty* startProperty = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (startProperty == nullptr || icaltime_is_null_time(start) ||
        !icaltime_is_valid_time(start)) {
        ++result.unreadable;
        return;
    }
    if (icalparameter* tzid = icalproperty_get_first_parameter(startProperty, ICAL_TZID_PARAMETER);
        tzid != nullptr && start.zone == nullptr && !start.is_date) {
        const char* name = icalparameter_get_tzid(tzid);
        throw badFile(fileName, source.beginLine,
                      std::string("unknown time zone ") + (name != nullptr ? name : ""));
    }
    const Text text = oneStorableLine(source.summary, result.replaced);
    const bool recurring =
        icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY) != nullptr ||
        icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY) != nullptr;
    if (!recurring) {
        result.lines.push_back(makeEventLine(formatDateText(startOf(start)), text));
        return;
    }
    // libical compares in UTC; a wider span and an exact test on the local
    // times keep the window's edges where the user means them.
    std::vector<DateTime> starts;
    Expansion expansion{&starts, isWallClock(start)};
    icalcomponent_foreach_recurrence(event, utcDay(window.first, -2), utcDay(window.last, 3),
                                     collectOccurrence, &expansion);
    const std::int64_t from = momentMillis(window.first);
    const std::int64_t to = momentMillis(window.last) + millisPerDay;
    for (const DateTime& moment : starts) {
        const std::int64_t at = momentMillis(moment);
        if (at >= from && at < to) {
            result.lines.push_back(makeEventLine(formatDateText(moment), text));
        }
    }
}

} // namespace

CalendarImport importCalendar(std::string_view bytes, const std::string& fileName,
                              const DayWindow& window) {
    const std::vector<EventSource> sources = checkStructure(bytes, fileName);
    icalerror_set_errors_are_fatal(0);
    const std::string text(bytes);
    Component root(icalparser_parse_string(text.c_str()));
    if (!root) {
        throw Failure(fileName + ": not an iCalendar file");
    }
    std::vector<icalcomponent*> calendars;
    if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root.get());
    } else {
        for (auto* c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
             c != nullptr;
             c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT)) {
            calendars.push_back(c);
        }
    }
    CalendarImport result;
    std::size_t index = 0;
    for (icalcomponent* calendar : calendars) {
        for (auto* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             event != nullptr;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            if (index == sources.size()) {
                break; // libical found more than the lines hold; they are not the file's
            }
            readEvent(event, sources[index++], fileName, window, result);
        }
    }
    return result;
}

} // namespace norvik
