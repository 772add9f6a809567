// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/sync/TimeValue.h"

#include "events/EventTime.h"
#include "interop/ContentLines.h"
#include "interop/FileZones.h"
#include "interop/WallClock.h"

#include <cstdio>
#include <ctime>
#include <libical/ical.h>

namespace norvik::sync {

namespace {

bool isDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

int number(std::string_view digits) {
    int value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

constexpr std::size_t maxZoneParts = 400;

DateTime fromTm(const std::tm& tm) {
    return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                    tm.tm_min,         tm.tm_sec,     0};
}

std::int64_t unixWallSeconds(const DateTime& moment) {
    std::tm tm = localTm(moment);
    return static_cast<std::int64_t>(timegm(&tm));
}

DateTime wallOf(std::int64_t seconds) {
    const auto instant = static_cast<std::time_t>(seconds);
    std::tm tm{};
    gmtime_r(&instant, &tm);
    return fromTm(tm);
}

DateTime localOfInstant(std::int64_t seconds) {
    const auto instant = static_cast<std::time_t>(seconds);
    std::tm tm{};
    localtime_r(&instant, &tm);
    return fromTm(tm);
}

std::int64_t instantOfLocal(const DateTime& moment) {
    std::tm tm = localTm(moment);
    return static_cast<std::int64_t>(std::mktime(&tm));
}

std::int64_t instantInZone(const DateTime& fields, icaltimezone* zone) {
    return static_cast<std::int64_t>(icaltime_as_timet_with_zone(icalTimeOf(fields, zone), zone));
}

DateTime fieldsInZone(std::int64_t instant, icaltimezone* zone) {
    const icaltimetype time = icaltime_from_timet_with_zone(static_cast<time_t>(instant), 0, zone);
    return DateTime{time.year, time.month, time.day, time.hour, time.minute, time.second, 0};
}

std::string dateDigits(const DateTime& moment) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", moment.year, moment.month, moment.day);
    return buffer;
}

std::string timeDigits(const DateTime& moment) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02dT%02d%02d%02d", moment.year, moment.month,
                  moment.day, moment.hour, moment.minute, moment.second);
    return buffer;
}

// YYYYMMDD or YYYYMMDDTHHMMSS (a trailing Z is the caller's); nothing when
// the digits are no real date and time of day.
std::optional<DateTime> parseDigits(std::string_view text) {
    if (text.size() != 8 && text.size() != 15) {
        return std::nullopt;
    }
    if (!isDigits(text.substr(0, 8)) ||
        (text.size() == 15 && (text[8] != 'T' || !isDigits(text.substr(9))))) {
        return std::nullopt;
    }
    DateTime moment{number(text.substr(0, 4)),
                    number(text.substr(4, 2)),
                    number(text.substr(6, 2)),
                    0,
                    0,
                    0,
                    0};
    if (moment.year < 1 || !isValidDate(moment.year, moment.month, moment.day)) {
        return std::nullopt;
    }
    if (text.size() == 15) {
        moment.hour = number(text.substr(9, 2));
        moment.minute = number(text.substr(11, 2));
        moment.second = number(text.substr(13, 2));
        if (moment.hour > 23 || moment.minute > 59 || moment.second > 60) {
            return std::nullopt;
        }
        moment.second = std::min(moment.second, 59); // a leap second counts as the one before
    }
    return moment;
}

} // namespace

Zones::Zones(const ContentDocument& document) {
    for (const auto& component : document.components()) {
        if (component.name != "VTIMEZONE") {
            continue;
        }
        const auto ids = document.find(component, "TZID");
        if (ids.empty()) {
            continue;
        }
        Own own;
        own.tzid = unescapeText(document.at(ids.front()).fields.value);
        std::size_t nested = 0;
        for (std::size_t i = component.begin; i <= component.end; ++i) {
            nested += document.at(i).fields.name == "BEGIN" ? 1 : 0;
            own.text += document.at(i).raw;
            if (!own.text.ends_with('\n')) {
                own.text += "\r\n";
            }
        }
        // A zone is a few rules; one nested deeper than that is no zone, and
        // libical would take it apart recursively.
        own.tried = nested > maxZoneParts;
        own_.push_back(std::move(own));
    }
}

Zones::~Zones() {
    for (auto& own : own_) {
        if (own.zone != nullptr) {
            icaltimezone_free(own.zone, 1);
        }
    }
}

icaltimezone* Zones::find(const std::string& tzid) {
    for (auto& own : own_) {
        if (own.tzid != tzid) {
            continue;
        }
        if (!own.tried) {
            own.tried = true;
            own.zone = zoneFromComponent(icalparser_parse_string(own.text.c_str()));
        }
        if (own.zone != nullptr) {
            return own.zone;
        }
    }
    // A zone name, never a path; and only a file of the database.
    return zoneFromDatabase(tzid);
}

DateTime TimeValue::local() const {
    switch (kind) {
    case Kind::Date:
        return DateTime{fields.year, fields.month, fields.day, 0, 0, 0, 0};
    case Kind::Floating:
        return fields;
    case Kind::Utc:
        return localOfInstant(unixWallSeconds(fields));
    case Kind::Zoned:
        return localOfInstant(instantInZone(fields, zone));
    }
    return fields;
}

std::int64_t TimeValue::scale() const {
    switch (kind) {
    case Kind::Date:
    case Kind::Floating:
    case Kind::Utc:
        return unixWallSeconds(fields);
    case Kind::Zoned:
        return instantInZone(fields, zone);
    }
    return 0;
}

TimeValue TimeValue::shifted(std::int64_t seconds) const {
    TimeValue moved = *this;
    switch (kind) {
    case Kind::Date: {
        const std::int64_t days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
        moved.fields = wallOf(unixWallSeconds(fields) + days * 86400);
        break;
    }
    case Kind::Floating:
    case Kind::Utc:
        moved.fields = wallOf(unixWallSeconds(fields) + seconds);
        break;
    case Kind::Zoned:
        moved.fields = fieldsInZone(instantInZone(fields, zone) + seconds, zone);
        break;
    }
    if (kind == Kind::Date) {
        moved.fields.hour = moved.fields.minute = moved.fields.second = 0;
    }
    return moved;
}

TimeValue TimeValue::atLocal(const DateTime& moment) const {
    TimeValue placed = *this;
    switch (kind) {
    case Kind::Date:
        placed.fields = DateTime{moment.year, moment.month, moment.day, 0, 0, 0, 0};
        break;
    case Kind::Floating:
        placed.fields = moment;
        placed.fields.millisecond = 0;
        break;
    case Kind::Utc:
        placed.fields = wallOf(instantOfLocal(moment));
        break;
    case Kind::Zoned:
        placed.fields = fieldsInZone(instantOfLocal(moment), zone);
        break;
    }
    return placed;
}

std::optional<TimeValue> TimeValue::atKey(std::string_view key) const {
    const bool utc = key.ends_with('Z');
    if (utc) {
        key.remove_suffix(1);
    }
    const auto moment = parseDigits(key);
    if (!moment || (kind == Kind::Date) != (key.size() == 8)) {
        return std::nullopt;
    }
    TimeValue placed = *this;
    switch (kind) {
    case Kind::Date:
    case Kind::Floating:
        if (utc) {
            return std::nullopt;
        }
        placed.fields = *moment;
        break;
    case Kind::Utc:
    case Kind::Zoned:
        if (!utc) {
            return std::nullopt;
        }
        placed.fields = kind == Kind::Utc ? *moment : fieldsInZone(unixWallSeconds(*moment), zone);
        break;
    }
    return placed;
}

std::string TimeValue::valueText() const {
    switch (kind) {
    case Kind::Date:
        return dateDigits(fields);
    case Kind::Floating:
    case Kind::Zoned:
        return timeDigits(fields);
    case Kind::Utc:
        return timeDigits(fields) + "Z";
    }
    return {};
}

std::string TimeValue::parameterText() const {
    if (kind == Kind::Date) {
        return ";VALUE=DATE";
    }
    if (kind == Kind::Zoned) {
        return ";TZID=" + tzid;
    }
    return {};
}

std::string TimeValue::key() const {
    switch (kind) {
    case Kind::Date:
        return dateDigits(fields);
    case Kind::Floating:
        return timeDigits(fields);
    case Kind::Utc:
        return timeDigits(fields) + "Z";
    case Kind::Zoned:
        return timeDigits(wallOf(instantInZone(fields, zone))) + "Z";
    }
    return {};
}

std::optional<TimeValue> readTimeValue(std::string_view value, const ContentFields& fields,
                                       Zones& zones) {
    if (const auto slash = value.find('/'); slash != std::string_view::npos) {
        value = value.substr(0, slash); // a PERIOD starts where it starts
    }
    TimeValue time;
    const bool utc = value.ends_with('Z') || value.ends_with('z');
    if (utc) {
        value.remove_suffix(1);
    }
    const auto moment = parseDigits(value);
    if (!moment) {
        return std::nullopt;
    }
    time.fields = *moment;
    const std::string type = paramValue(fields, "VALUE");
    if (value.size() == 8) {
        if (utc) {
            return std::nullopt;
        }
        time.kind = TimeValue::Kind::Date;
        return time;
    }
    if (type == "DATE" || type == "date") {
        return std::nullopt; // a time where a date was announced
    }
    if (utc) {
        time.kind = TimeValue::Kind::Utc;
        return time;
    }
    const std::string tzid = paramValue(fields, "TZID");
    if (tzid.empty()) {
        time.kind = TimeValue::Kind::Floating;
        return time;
    }
    time.zone = zones.find(tzid);
    if (time.zone == nullptr) {
        return std::nullopt;
    }
    time.kind = TimeValue::Kind::Zoned;
    time.tzid = tzid;
    return time;
}

std::optional<TimeValue> readTime(const ContentFields& fields, Zones& zones) {
    std::string_view value = fields.value;
    if (const auto comma = value.find(','); comma != std::string_view::npos) {
        value = value.substr(0, comma);
    }
    return readTimeValue(value, fields, zones);
}

std::optional<DateTime> localOfKey(std::string_view key) {
    const bool utc = key.ends_with('Z');
    if (utc) {
        key.remove_suffix(1);
    }
    const auto moment = parseDigits(key);
    if (!moment) {
        return std::nullopt;
    }
    return utc ? localOfInstant(unixWallSeconds(*moment)) : *moment;
}

std::int64_t localMillis(const DateTime& moment) {
    return momentMillis(moment);
}

} // namespace norvik::sync
