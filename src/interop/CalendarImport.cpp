// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/CalendarImport.h"

#include "events/EventLine.h"
#include "interop/CalendarSource.h"
#include "interop/ContentLines.h"
#include "interop/FileZones.h"
#include "interop/Recurrence.h"
#include "interop/WallClock.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <libical/ical.h>
#include <set>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace norvik {

namespace {

constexpr std::int64_t secondsPerDay = 86400;
// Each line an import may give pays for this many steps of recurrence expansion.
constexpr std::int64_t stepsPerLine = 5;
// How much of a UID a message quotes.
constexpr std::size_t quotedUidLength = 80;

// An event that cannot be read: it is counted and left out.
struct Unreadable {};

// A date or date-time value as libical reads it, once its shape is one:
// YYYYMMDD, or YYYYMMDDTHHMMSS with an optional Z. Anything else, and
// impossible values (month 13, hour 25, year 0), cannot be read.
icaltimetype readTimeValue(std::string_view text) {
    std::string value = upperCased(text);
    const bool date = value.size() == 8;
    const bool dateTime =
        (value.size() == 15 || (value.size() == 16 && value[15] == 'Z')) && value[8] == 'T';
    if (!date && !dateTime) {
        throw Unreadable();
    }
    for (std::size_t i = 0; i < 15 && i < value.size(); ++i) {
        if (i != 8 && std::isdigit(static_cast<unsigned char>(value[i])) == 0) {
            throw Unreadable();
        }
    }
    const icaltimetype time = icaltime_from_string(value.c_str());
    if (icaltime_is_null_time(time) || !isRealTime(time)) {
        throw Unreadable();
    }
    return time;
}

// What an event says happens, read: its start and the text of its lines.
struct ReadEvent {
    icaltimetype start;
    icaltimezone* zone;
    Text text;
};

// One occurrence to write: its local time and which event's text it carries.
struct Occurrence {
    std::int64_t at;
    std::size_t text;
};

class CalendarReader {
public:
    CalendarReader(const CalendarSource& source, const std::string& fileName,
                   const DayWindow& window, std::size_t lineLimit)
        : source_(source), fileName_(fileName), zones_(source.zones), lineLimit_(lineLimit),
          steps_(static_cast<std::int64_t>(lineLimit) * stepsPerLine),
          windowFrom_(wallSeconds(window.first)),
          windowTo_(wallSeconds(window.last) + secondsPerDay),
          // The rules run in the zones' wall-clock time: a day either side
          // covers every offset from the system's.
          range_{windowFrom_ - 2 * secondsPerDay, windowTo_ + 2 * secondsPerDay} {}

    CalendarImport read() {
        const auto& events = source_.events;
        // An override belongs to the first event of its UID without one.
        std::unordered_map<std::string_view, std::size_t> series;
        for (std::size_t i = 0; i < events.size(); ++i) {
            if (!events[i].recurrenceId && !events[i].uid.empty()) {
                series.emplace(events[i].uid, i);
            }
        }
        std::vector<std::vector<std::size_t>> overrides(events.size());
        std::vector<bool> belongs(events.size(), false);
        for (std::size_t i = 0; i < events.size(); ++i) {
            if (!events[i].recurrenceId) {
                continue;
            }
            if (const auto master = series.find(events[i].uid); master != series.end()) {
                overrides[master->second].push_back(i);
                belongs[i] = true;
            }
        }
        for (std::size_t i = 0; i < events.size(); ++i) {
            if (!belongs[i]) {
                readSeries(events[i], overrides[i]);
            }
        }
        return std::move(result_);
    }

private:
    icaltimezone* zoneOf(const EventSource& event, const EventProperty& property,
                         const icaltimetype& time) {
        if (time.is_date) {
            return nullptr;
        }
        if (time.zone != nullptr) {
            return icaltimezone_get_utc_timezone(); // the value ends in Z
        }
        if (property.tzid.empty()) {
            return nullptr;
        }
        icaltimezone* zone = zones_.find(event.calendar, property.tzid);
        if (zone == nullptr) {
            throw badFile(fileName_, property.lineNumber, "unknown time zone " + property.tzid);
        }
        return zone;
    }

    std::int64_t localOf(const EventSource& event, const EventProperty& property,
                         std::string_view value) {
        const icaltimetype time = readTimeValue(value);
        return localSecondsOf(time, zoneOf(event, property, time));
    }

    bool inWindow(std::int64_t at) const { return at >= windowFrom_ && at < windowTo_; }

    std::string nameOf(const EventSource& event) const {
        if (event.uid.empty()) {
            return "the event";
        }
        std::string uid = event.uid.substr(0, quotedUidLength);
        return "the series \"" + uid + (event.uid.size() > uid.size() ? "...\"" : "\"");
    }

    [[noreturn]] void tooManyLines(const EventSource& event) const {
        throw ImportTooLarge(fileName_ + ":" + std::to_string(event.beginLine) + ": " +
                             nameOf(event) + " would make the import give more than " +
                             std::to_string(lineLimit_) + " event lines");
    }

    [[noreturn]] void tooDense(const EventSource& event) const {
        throw ImportTooLarge(fileName_ + ":" + std::to_string(event.beginLine) + ": " +
                             nameOf(event) + " recurs too densely to expand within " +
                             std::to_string(lineLimit_) + " event lines");
    }

    ReadEvent readEvent(const EventSource& event) {
        if (!event.start) {
            throw Unreadable();
        }
        const icaltimetype start = readTimeValue(event.start->value);
        return ReadEvent{start, zoneOf(event, *event.start, start),
                         oneStorableLine(event.summary, result_.replaced)};
    }

    void expand(const EventSource& event, const EventProperty& rule, const ReadEvent& read,
                const std::function<void(std::int64_t)>& take) {
        icaltimetype start = read.start;
        start.zone = nullptr;
        const RuleExpansion outcome = expandRule(
            rule.value, start, range_, steps_,
            [&read](std::int64_t instant) { return wallSecondsIn(read.zone, instant); },
            [&](const icaltimetype& time) { take(localSecondsOf(time, read.zone)); });
        if (outcome == RuleExpansion::Unreadable) {
            throw Unreadable();
        }
        if (outcome == RuleExpansion::OutOfSteps) {
            tooDense(event);
        }
    }

    // The local times of a recurring event inside the window, without those
    // `excluded` names.
    std::set<std::int64_t> occurrences(const EventSource& event, const ReadEvent& read,
                                       std::unordered_set<std::int64_t>& excluded) {
        for (const EventProperty& dates : event.exceptionDates) {
            forEachPart(dates.value, ",", [&](std::string_view value) {
                if (const std::int64_t at = localOf(event, dates, value); inWindow(at)) {
                    excluded.insert(at);
                }
            });
        }
        for (const EventProperty& rule : event.exceptionRules) {
            expand(event, rule, read, [&](std::int64_t at) {
                if (inWindow(at)) {
                    excluded.insert(at);
                    if (excluded.size() > lineLimit_) {
                        tooManyLines(event);
                    }
                }
            });
        }
        std::set<std::int64_t> found;
        const auto take = [&](std::int64_t at) {
            if (inWindow(at) && !excluded.contains(at) && found.insert(at).second &&
                result_.lines.size() + found.size() > lineLimit_) {
                tooManyLines(event);
            }
        };
        take(localSecondsOf(read.start, read.zone));
        for (const EventProperty& rule : event.rules) {
            expand(event, rule, read, take);
        }
        for (const EventProperty& dates : event.dates) {
            forEachPart(dates.value, ",", [&](std::string_view value) {
                // A period counts from its start.
                const auto slash = value.find('/');
                if (dates.period || slash != std::string_view::npos) {
                    value = value.substr(0, slash);
                }
                take(localOf(event, dates, value));
            });
        }
        return found;
    }

    // An event with its overrides: every occurrence in time order, each
    // moved one at its new time, each cancelled one gone. When the event
    // cannot be read, neither can its overrides.
    void readSeries(const EventSource& event, const std::vector<std::size_t>& overrideIndexes) {
        if (event.recurrenceId && event.cancelled) {
            return; // a cancelled occurrence of a series the file does not hold
        }
        const std::size_t wholeSeries = 1 + overrideIndexes.size();
        ReadEvent read;
        try {
            read = readEvent(event);
        } catch (const Unreadable&) {
            result_.unreadable += wholeSeries;
            return;
        }
        std::vector<Text> texts{read.text};
        std::vector<Occurrence> found;
        std::unordered_set<std::int64_t> excluded;
        std::size_t unreadableOverrides = 0;
        for (const std::size_t index : overrideIndexes) {
            const EventSource& moved = source_.events[index];
            try {
                const std::int64_t replaces =
                    localOf(moved, *moved.recurrenceId, moved.recurrenceId->value);
                if (!moved.cancelled) {
                    ReadEvent movedRead = readEvent(moved);
                    const std::int64_t at = localSecondsOf(movedRead.start, movedRead.zone);
                    if (!event.recurs() || inWindow(at)) {
                        texts.push_back(moved.summary.empty() ? read.text
                                                              : std::move(movedRead.text));
                        found.push_back({at, texts.size() - 1});
                    }
                }
                excluded.insert(replaces);
            } catch (const Unreadable&) {
                ++unreadableOverrides;
            }
        }
        try {
            if (!event.recurs()) {
                const std::int64_t at = localSecondsOf(read.start, read.zone);
                if (!excluded.contains(at)) {
                    found.push_back({at, 0});
                }
            } else {
                for (const std::int64_t at : occurrences(event, read, excluded)) {
                    found.push_back({at, 0});
                }
            }
        } catch (const Unreadable&) {
            result_.unreadable += wholeSeries;
            return;
        }
        result_.unreadable += unreadableOverrides;
        if (result_.lines.size() + found.size() > lineLimit_) {
            tooManyLines(event);
        }
        std::stable_sort(found.begin(), found.end(),
                         [](const Occurrence& a, const Occurrence& b) { return a.at < b.at; });
        for (const Occurrence& occurrence : found) {
            result_.lines.push_back(makeEventLine(formatDateText(fromWallSeconds(occurrence.at)),
                                                  texts[occurrence.text]));
        }
    }

    const CalendarSource& source_;
    const std::string& fileName_;
    FileZones zones_;
    std::size_t lineLimit_;
    std::int64_t steps_;
    std::int64_t windowFrom_;
    std::int64_t windowTo_;
    ScanRange range_;
    CalendarImport result_;
};

} // namespace

CalendarImport importCalendar(std::string_view bytes, const std::string& fileName,
                              const DayWindow& window, std::size_t lineLimit) {
    icalerror_set_errors_are_fatal(0);
    const CalendarSource source = readCalendarSource(bytes, fileName);
    CalendarReader reader(source, fileName, window, lineLimit);
    return reader.read();
}

} // namespace norvik
