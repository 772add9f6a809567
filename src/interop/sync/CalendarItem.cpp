// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/sync/CalendarItem.h"

#include "events/EventLine.h"
#include "events/EventTime.h"
#include "interop/ContentLines.h"
#include "interop/FileZones.h"
#include "interop/Recurrence.h"
#include "interop/WallClock.h"
#include "interop/sync/ContentDocument.h"
#include "interop/sync/SyncText.h"
#include "interop/sync/TimeValue.h"

#include <algorithm>
#include <cstdio>
#include <libical/ical.h>
#include <map>
#include <memory>
#include <set>

namespace norvik::sync {

namespace {

using Component = ContentDocument::Component;

// The most rule steps one series may take before it counts as too many,
// so that a rule stepping by seconds over years cannot hold a sync up.
constexpr std::size_t stepLimit = 2'000'000;
constexpr std::int64_t millisPerDayLocal = 86'400'000;

// The VEVENTs of a file that is one item, and what else it holds.
struct Layout {
    bool valid = false;
    std::size_t calendar = 0;        // index of the VCALENDAR component
    std::vector<std::size_t> events; // its VEVENTs, in file order
    bool others = false;             // a VTODO or VJOURNAL
};

Layout layoutOf(const ContentDocument& document, const std::vector<Component>& components) {
    Layout layout;
    // Every line is a property, and everything lies inside one VCALENDAR.
    for (const auto& property : document.properties()) {
        if (property.fields.name.empty() && !property.unfolded.empty()) {
            return layout;
        }
    }
    int calendar = -1;
    for (std::size_t i = 0; i < components.size(); ++i) {
        if (components[i].parent == -1) {
            if (calendar != -1 || components[i].name != "VCALENDAR") {
                return layout;
            }
            calendar = static_cast<int>(i);
        }
    }
    if (calendar == -1) {
        return layout;
    }
    const Component& root = components[static_cast<std::size_t>(calendar)];
    for (std::size_t i = 0; i < document.size(); ++i) {
        if ((i < root.begin || i > root.end) && !document.at(i).unfolded.empty()) {
            return layout;
        }
    }
    layout.calendar = static_cast<std::size_t>(calendar);
    for (std::size_t i = 0; i < components.size(); ++i) {
        if (components[i].parent != calendar) {
            continue;
        }
        if (components[i].name == "VEVENT") {
            layout.events.push_back(i);
        } else if (components[i].name == "VTODO" || components[i].name == "VJOURNAL") {
            layout.others = true;
        }
    }
    layout.valid = true;
    return layout;
}

const ContentDocument::Property* first(const ContentDocument& document, const Component& component,
                                       std::string_view name) {
    const auto found = document.find(component, name);
    return found.empty() ? nullptr : &document.at(found.front());
}

Text summaryOf(const ContentDocument& document, const Component& component) {
    const auto* summary = first(document, component, "SUMMARY");
    return summary == nullptr ? Text() : storableText(unescapeText(summary->fields.value));
}

Text lineAt(const DateTime& moment, const Text& text) {
    return makeEventLine(formatDateText(moment), text);
}

bool cancelled(const ContentDocument& document, const Component& component) {
    const auto* status = first(document, component, "STATUS");
    return status != nullptr &&
           (status->fields.value == "CANCELLED" || status->fields.value == "cancelled");
}

icaltimetype icalOf(const TimeValue& time) {
    icaltimetype out =
        icalTimeOf(time.fields,
                   time.kind == TimeValue::Kind::Utc ? icaltimezone_get_utc_timezone() : time.zone);
    out.is_date = time.kind == TimeValue::Kind::Date ? 1 : 0;
    return out;
}

TimeValue withFields(const TimeValue& like, const icaltimetype& time) {
    TimeValue out = like;
    out.fields = DateTime{time.year, time.month, time.day, time.hour, time.minute, time.second, 0};
    return out;
}

struct Occurrence {
    TimeValue original;
    std::int64_t localAt = 0;
};

class Expansion {
public:
    Expansion(const OccurrenceWindow& window, std::size_t limit)
        : from_(localMillis(window.first)), to_(localMillis(window.last) + millisPerDayLocal),
          limit_(limit) {}

    // False once there are too many.
    bool add(const TimeValue& time) {
        const std::int64_t at = localMillis(time.local());
        if (at < from_ || at >= to_) {
            return true;
        }
        // Past the limit nothing more is kept: the series is refused anyway.
        if (found_.size() > limit_) {
            return false;
        }
        const std::string key = time.key();
        if (seen_.insert(key).second) {
            found_.push_back({time, at});
        }
        return found_.size() <= limit_;
    }
    std::vector<Occurrence>& found() { return found_; }

private:
    std::int64_t from_;
    std::int64_t to_;
    std::size_t limit_;
    std::set<std::string> seen_;
    std::vector<Occurrence> found_;
};

// The rule's occurrences inside the window, through the import's expansion
// on the start's own wall clock; false when there are too many, or the rule
// needs more steps than `steps` left.
bool expandSeriesRule(std::string_view rule, const TimeValue& start, const OccurrenceWindow& window,
                      Expansion& expansion, std::int64_t& steps, bool& readable) {
    icaltimetype wallStart = icalOf(start);
    wallStart.zone = nullptr;
    icaltimezone* zone =
        start.kind == TimeValue::Kind::Utc ? icaltimezone_get_utc_timezone() : start.zone;
    // The window in the start's own wall clock, with two days to spare for
    // the zones' offsets.
    const std::int64_t spare = std::int64_t{2} * 86400;
    const DateTime end = momentFromMillis(localMillis(window.last) + millisPerDayLocal);
    const ScanRange range{wallSeconds(start.atLocal(window.first).fields) - spare,
                          wallSeconds(start.atLocal(end).fields) + spare};
    bool fits = true;
    const RuleExpansion outcome = expandRule(
        rule, wallStart, range, steps,
        [zone](std::int64_t instant) { return wallSecondsIn(zone, instant); },
        [&](const icaltimetype& time) { fits = expansion.add(withFields(start, time)) && fits; });
    if (outcome == RuleExpansion::Unreadable) {
        readable = false;
        return true;
    }
    return fits && outcome == RuleExpansion::Done;
}

std::vector<std::string> listValues(std::string_view value) {
    std::vector<std::string> values;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= value.size(); ++i) {
        if (i == value.size() || value[i] == ',') {
            if (i > start) {
                values.emplace_back(value.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    return values;
}

struct Override {
    std::size_t component;
    TimeValue original;
};

// The overrides of a series by the key of their RECURRENCE-ID; false when one
// cannot be read.
bool readOverrides(const ContentDocument& document, const std::vector<Component>& components,
                   const Layout& layout, Zones& zones, std::map<std::string, Override>& overrides) {
    for (const std::size_t index : layout.events) {
        const auto* id = first(document, components[index], "RECURRENCE-ID");
        if (id == nullptr) {
            continue;
        }
        const auto original = readTime(id->fields, zones);
        if (!original) {
            return false;
        }
        overrides[original->key()] = {index, *original};
    }
    return true;
}

ItemReading readSeries(const ContentDocument& document, const std::vector<Component>& components,
                       const Layout& layout, std::size_t master, const TimeValue& start,
                       Zones& zones, const OccurrenceWindow& window, std::size_t limit) {
    ItemReading reading;
    reading.series = true;
    const Component& event = components[master];
    Expansion expansion(window, limit);
    bool readable = true;
    bool fits = expansion.add(start);
    auto steps = static_cast<std::int64_t>(stepLimit);
    for (const std::size_t rule : document.find(event, "RRULE")) {
        fits = fits && expandSeriesRule(document.at(rule).fields.value, start, window, expansion,
                                        steps, readable);
    }
    for (const std::size_t dates : document.find(event, "RDATE")) {
        const ContentFields& fields = document.at(dates).fields;
        for (const auto& value : listValues(fields.value)) {
            const auto time = readTimeValue(value, fields, zones);
            if (!time) {
                readable = false;
            } else if (fits) {
                fits = expansion.add(*time);
            }
        }
    }
    std::set<std::string> excluded;
    for (const std::size_t dates : document.find(event, "EXDATE")) {
        const ContentFields& fields = document.at(dates).fields;
        for (const auto& value : listValues(fields.value)) {
            if (const auto time = readTimeValue(value, fields, zones)) {
                excluded.insert(time->key());
            }
        }
    }
    std::map<std::string, Override> overrides;
    if (!readOverrides(document, components, layout, zones, overrides)) {
        readable = false;
    }
    if (!readable) {
        reading.outcome = ItemReading::Outcome::Unreadable;
        return reading;
    }
    if (!fits) {
        reading.outcome = ItemReading::Outcome::TooMany;
        return reading;
    }
    // An override for a moment the rules do not give still stands for itself.
    for (const auto& [key, override] : overrides) {
        if (!expansion.add(override.original)) {
            reading.outcome = ItemReading::Outcome::TooMany;
            return reading;
        }
    }
    auto& found = expansion.found();
    std::stable_sort(found.begin(), found.end(), [](const Occurrence& a, const Occurrence& b) {
        return a.localAt < b.localAt;
    });
    const Text text = summaryOf(document, event);
    for (const Occurrence& occurrence : found) {
        const std::string key = occurrence.original.key();
        if (excluded.count(key) != 0) {
            continue;
        }
        const auto replaced = overrides.find(key);
        if (replaced == overrides.end()) {
            reading.lines.push_back({key, lineAt(occurrence.original.local(), text)});
            continue;
        }
        const Component& own = components[replaced->second.component];
        if (cancelled(document, own)) {
            continue;
        }
        const auto* moved = first(document, own, "DTSTART");
        const auto movedTime = moved != nullptr ? readTime(moved->fields, zones) : std::nullopt;
        const DateTime at = movedTime ? movedTime->local() : occurrence.original.local();
        const bool ownSummary = first(document, own, "SUMMARY") != nullptr;
        reading.lines.push_back({key, lineAt(at, ownSummary ? summaryOf(document, own) : text)});
    }
    reading.outcome = ItemReading::Outcome::Shown;
    return reading;
}

bool recurs(const ContentDocument& document, const Component& event) {
    return !document.find(event, "RRULE").empty() || !document.find(event, "RDATE").empty();
}

} // namespace

OccurrenceWindow windowFrom(const DateTime& today) {
    const DateTime first{today.year, today.month, today.day, 0, 0, 0, 0};
    return {first, momentFromMillis(localMillis(first) + 365 * millisPerDayLocal)};
}

bool OccurrenceWindow::holds(std::string_view rid) const {
    const auto at = localOfKey(rid);
    if (!at) {
        return false;
    }
    const std::int64_t millis = localMillis(*at);
    return millis >= localMillis(first) && millis < localMillis(last) + millisPerDayLocal;
}

ItemReading readCalendarItem(std::string_view bytes, const OccurrenceWindow& window,
                             std::size_t limit) {
    ItemReading reading;
    const ContentDocument document(bytes);
    const auto components = document.components();
    const Layout layout = layoutOf(document, components);
    if (!layout.valid) {
        return reading;
    }
    if (layout.events.empty()) {
        reading.outcome =
            layout.others ? ItemReading::Outcome::NotShown : ItemReading::Outcome::Unreadable;
        return reading;
    }
    const auto* uid = first(document, components[layout.events.front()], "UID");
    reading.uid = uid != nullptr ? unescapeText(uid->fields.value) : std::string();
    std::vector<std::size_t> masters;
    for (const std::size_t index : layout.events) {
        if (first(document, components[index], "RECURRENCE-ID") == nullptr) {
            masters.push_back(index);
        }
    }
    if (masters.size() > 1) {
        return reading; // several events in one file are no one item
    }
    Zones zones(document);
    if (masters.size() == 1 && recurs(document, components[masters.front()])) {
        const auto* startLine = first(document, components[masters.front()], "DTSTART");
        if (startLine == nullptr) {
            reading.outcome = ItemReading::Outcome::NotShown;
            return reading;
        }
        const auto start = readTime(startLine->fields, zones);
        if (!start) {
            return reading;
        }
        ItemReading series =
            readSeries(document, components, layout, masters.front(), *start, zones, window, limit);
        series.uid = reading.uid;
        return series;
    }
    // Single events: the event itself, or overrides sent without their series.
    for (const std::size_t index : layout.events) {
        const Component& event = components[index];
        const auto* startLine = first(document, event, "DTSTART");
        if (startLine == nullptr) {
            reading.outcome = ItemReading::Outcome::NotShown;
            reading.lines.clear();
            return reading;
        }
        const auto start = readTime(startLine->fields, zones);
        if (!start) {
            reading.lines.clear();
            return reading;
        }
        std::string rid;
        if (const auto* id = first(document, event, "RECURRENCE-ID")) {
            const auto original = readTime(id->fields, zones);
            if (!original) {
                reading.lines.clear();
                return reading;
            }
            rid = original->key();
            if (cancelled(document, event)) {
                continue;
            }
        }
        reading.lines.push_back({rid, lineAt(start->local(), summaryOf(document, event))});
    }
    reading.outcome = ItemReading::Outcome::Shown;
    return reading;
}

// ---- Rewriting ----

namespace {

std::string stampLine(std::time_t now) {
    std::tm utc{};
    gmtime_r(&now, &utc);
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "DTSTAMP:%04d%02d%02dT%02d%02d%02dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return buffer;
}

// A property's prefix without VALUE and TZID, for the new time's own.
std::string timePrefix(std::string_view prefix, const TimeValue& time) {
    return prefixWithout(prefix,
                         [](std::string_view upper) {
                             return upper.starts_with("VALUE=") || upper.starts_with("TZID=");
                         }) +
           time.parameterText();
}

std::string timeLine(std::string_view oldLine, const TimeValue& time) {
    return timePrefix(linePrefix(oldLine), time) + ":" + time.valueText();
}

// The system's zone as a time kind, for an all-day item given a time of day.
std::optional<TimeValue> systemKind(const LocalZone& zone, Zones& zones) {
    TimeValue kind;
    switch (zone.kind) {
    case LocalZone::Kind::Named:
        kind.kind = TimeValue::Kind::Zoned;
        kind.tzid = zone.tzid;
        kind.zone = zones.find(zone.tzid);
        if (kind.zone == nullptr) {
            return std::nullopt;
        }
        return kind;
    case LocalZone::Kind::Utc:
        kind.kind = TimeValue::Kind::Utc;
        return kind;
    case LocalZone::Kind::Floating:
        break;
    }
    kind.kind = TimeValue::Kind::Floating;
    return kind;
}

// Where new properties of a component go: before its first nested component
// (a VALARM) or its END.
std::size_t insertionPoint(const ContentDocument& document, const Component& component) {
    for (std::size_t i = component.begin + 1; i < component.end; ++i) {
        if (document.at(i).fields.name == "BEGIN") {
            return i;
        }
    }
    return component.end;
}

class Editor {
public:
    Editor(std::string_view bytes, const LocalZone& zone, std::time_t now)
        : document_(bytes), zone_(zone), now_(now) {
        refresh();
    }

    bool valid() const { return layout_.valid && !layout_.events.empty(); }
    std::string bytes() const { return document_.bytes(); }

    bool apply(const ItemEdit& edit) {
        if (edit.rid.empty()) {
            const auto master = masterIndex();
            return master && edit.line && change(*master, edit.base, *edit.line);
        }
        const auto existing = overrideFor(edit.rid);
        if (!edit.line) {
            return exclude(edit.rid, existing);
        }
        if (existing) {
            return change(*existing, edit.base, *edit.line);
        }
        const auto master = masterIndex();
        if (!master || !recurs(document_, components_[*master])) {
            return false;
        }
        if (!addOverride(*master, edit.rid)) {
            return false;
        }
        const auto added = overrideFor(edit.rid);
        return added && change(*added, edit.base, *edit.line);
    }

private:
    void refresh() {
        components_ = document_.components();
        layout_ = layoutOf(document_, components_);
    }

    std::optional<std::size_t> masterIndex() const {
        for (const std::size_t index : layout_.events) {
            if (first(document_, components_[index], "RECURRENCE-ID") == nullptr) {
                return index;
            }
        }
        return std::nullopt;
    }

    std::optional<std::size_t> overrideFor(const std::string& rid) {
        Zones zones(document_);
        for (const std::size_t index : layout_.events) {
            const auto* id = first(document_, components_[index], "RECURRENCE-ID");
            if (id == nullptr) {
                continue;
            }
            const auto original = readTime(id->fields, zones);
            if (original && original->key() == rid) {
                return index;
            }
        }
        return std::nullopt;
    }

    bool exclude(const std::string& rid, std::optional<std::size_t> existing) {
        const auto master = masterIndex();
        if (!master || !recurs(document_, components_[*master])) {
            return false;
        }
        Zones zones(document_);
        const auto* startLine = first(document_, components_[*master], "DTSTART");
        const auto start = startLine ? readTime(startLine->fields, zones) : std::nullopt;
        const auto original = start ? start->atKey(rid) : std::nullopt;
        if (!original) {
            return false;
        }
        if (existing) {
            const Component& own = components_[*existing];
            document_.removeRange(own.begin, own.end);
            refresh();
        }
        const Component& event = components_[*masterIndex()];
        document_.insertBefore(insertionPoint(document_, event),
                               "EXDATE" + original->parameterText() + ":" + original->valueText());
        refresh();
        return true;
    }

    // A copy of the series' event for one occurrence, at its own time, without
    // the rules; every other property stays as the series has it.
    bool addOverride(std::size_t master, const std::string& rid) {
        const Component event = components_[master];
        Zones zones(document_);
        const auto* startLine = first(document_, event, "DTSTART");
        const auto start = startLine ? readTime(startLine->fields, zones) : std::nullopt;
        const auto original = start ? start->atKey(rid) : std::nullopt;
        if (!original) {
            return false;
        }
        std::vector<ContentDocument::Property> copy;
        for (std::size_t i = event.begin; i <= event.end; ++i) {
            const auto& property = document_.at(i);
            const std::string& name = property.fields.name;
            if (name == "RRULE" || name == "RDATE" || name == "EXDATE" || name == "EXRULE" ||
                name == "DTSTAMP") {
                continue;
            }
            if (name == "DTSTART") {
                copy.push_back(document_.property("RECURRENCE-ID" + original->parameterText() +
                                                  ":" + original->valueText()));
                copy.push_back(document_.property(stampLine(now_)));
                copy.push_back(document_.property(timeLine(property.unfolded, *original)));
                continue;
            }
            if (name == "DTEND") {
                const auto end = readTime(property.fields, zones);
                if (!end) {
                    return false;
                }
                const TimeValue moved = end->shifted(original->scale() - start->scale());
                copy.push_back(document_.property(timeLine(property.unfolded, moved)));
                continue;
            }
            copy.push_back(property); // as the series has it, byte for byte
        }
        document_.insertBefore(components_[layout_.calendar].end, std::move(copy));
        refresh();
        return true;
    }

    void ensureZone(const TimeValue& time) {
        if (time.kind != TimeValue::Kind::Zoned || zone_.vtimezone.empty()) {
            return;
        }
        for (const auto& component : components_) {
            if (component.name == "VTIMEZONE") {
                const auto* id = first(document_, component, "TZID");
                if (id != nullptr && id->fields.value == time.tzid) {
                    return;
                }
            }
        }
        const ContentDocument zone(zone_.vtimezone);
        std::vector<std::string> lines;
        for (const auto& property : zone.properties()) {
            lines.push_back(property.unfolded);
        }
        document_.insertBefore(components_[layout_.events.front()].begin, lines);
        refresh();
    }

    bool change(std::size_t index, const Text& base, const Text& line) {
        const auto before = fullFormEvent(base);
        const auto after = fullFormEvent(line);
        if (!before || !after) {
            return false;
        }
        if (after->text != before->text) {
            const Component& event = components_[index];
            const std::string summary = "SUMMARY:" + escapeText(outsideText(after->text));
            if (const auto found = document_.find(event, "SUMMARY"); !found.empty()) {
                const std::string prefix =
                    plainPrefix(linePrefix(document_.at(found.front()).unfolded));
                document_.replace(found.front(),
                                  prefix + ":" + escapeText(outsideText(after->text)));
            } else {
                document_.insertBefore(insertionPoint(document_, event), summary);
                refresh();
            }
        }
        if (after->moment == before->moment) {
            return true;
        }
        return move(index, after->moment);
    }

    bool move(std::size_t index, const DateTime& moment) {
        const Component event = components_[index];
        Zones zones(document_);
        const auto startAt = document_.find(event, "DTSTART");
        if (startAt.empty()) {
            return false;
        }
        const auto start = readTime(document_.at(startAt.front()).fields, zones);
        if (!start) {
            return false;
        }
        TimeValue moved;
        const bool timeOfDay = moment.hour != 0 || moment.minute != 0 || moment.second != 0;
        if (start->kind == TimeValue::Kind::Date && timeOfDay) {
            // A time given to an all-day item makes it an event at that time.
            const auto kind = systemKind(zone_, zones);
            if (!kind) {
                return false;
            }
            moved = kind->atLocal(moment);
        } else {
            moved = start->atLocal(moment);
        }
        const auto endAt = document_.find(event, "DTEND");
        std::optional<TimeValue> end;
        if (!endAt.empty()) {
            const auto oldEnd = readTime(document_.at(endAt.front()).fields, zones);
            if (!oldEnd) {
                return false;
            }
            end = moved.kind == start->kind ? oldEnd->shifted(moved.scale() - start->scale())
                                            : moved.shifted(oldEnd->scale() - start->scale());
        }
        document_.replace(startAt.front(), timeLine(document_.at(startAt.front()).unfolded, moved));
        if (end) {
            const std::string old = document_.at(endAt.front()).unfolded;
            document_.replace(endAt.front(), end->kind == moved.kind && moved.kind == start->kind
                                                 ? timeLine(old, *end)
                                                 : timeLine("DTEND", *end));
        }
        ensureZone(moved);
        return true;
    }

    ContentDocument document_;
    const LocalZone& zone_;
    std::time_t now_;
    std::vector<Component> components_;
    Layout layout_;
};

std::string startText(const DateTime& moment, const LocalZone& zone) {
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02dT%02d%02d%02d", moment.year, moment.month,
                  moment.day, moment.hour, moment.minute, moment.second);
    switch (zone.kind) {
    case LocalZone::Kind::Named:
        return "DTSTART;TZID=" + zone.tzid + ":" + buffer;
    case LocalZone::Kind::Utc: {
        TimeValue local;
        local.kind = TimeValue::Kind::Utc;
        return "DTSTART:" + local.atLocal(moment).valueText();
    }
    case LocalZone::Kind::Floating:
        break;
    }
    return std::string("DTSTART:") + buffer;
}

} // namespace

std::optional<std::string> editCalendarItem(std::string_view bytes,
                                            const std::vector<ItemEdit>& edits,
                                            const LocalZone& zone, std::time_t now) {
    Editor editor(bytes, zone, now);
    if (!editor.valid()) {
        return std::nullopt;
    }
    for (const ItemEdit& edit : edits) {
        if (!editor.apply(edit)) {
            return std::nullopt;
        }
    }
    return editor.bytes();
}

std::string newCalendarItem(const std::string& uid, const Text& line, const LocalZone& zone,
                            std::time_t now) {
    const auto fields = fullFormEvent(line);
    std::string out;
    appendContentLine(out, "BEGIN:VCALENDAR");
    appendContentLine(out, "VERSION:2.0");
    appendContentLine(out, "PRODID:-//Norvik//norvik sync//EN");
    if (zone.kind == LocalZone::Kind::Named) {
        out += zone.vtimezone;
    }
    const std::string text = fields ? escapeText(outsideText(fields->text)) : std::string();
    out += "BEGIN:VEVENT\r\n";
    appendContentLine(out, "UID:" + escapeText(uid));
    appendContentLine(out, stampLine(now));
    if (fields) {
        appendContentLine(out, startText(fields->moment, zone));
    }
    appendContentLine(out, "SUMMARY:" + text);
    // Other calendars remind at the start too, as this program does.
    out += "BEGIN:VALARM\r\nACTION:DISPLAY\r\n";
    appendContentLine(out, "DESCRIPTION:" + text);
    out += "TRIGGER:PT0S\r\nEND:VALARM\r\nEND:VEVENT\r\n";
    appendContentLine(out, "END:VCALENDAR");
    return out;
}

} // namespace norvik::sync
