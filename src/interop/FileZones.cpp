// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/FileZones.h"

#include "interop/WallClock.h"

#include <memory>
#include <sys/stat.h>

namespace norvik {

namespace {

struct ParserFree {
    void operator()(icalparser* parser) const { icalparser_free(parser); }
};

// A zone built from the file's own definition; nothing when libical cannot use it.
icaltimezone* zoneFromSource(const ZoneSource& source) {
    if (!source.sane) {
        return nullptr;
    }
    std::unique_ptr<icalparser, ParserFree> parser(icalparser_new());
    icalcomponent* component = nullptr;
    for (const std::string& line : source.lines) {
        std::string copy = line; // the parser takes a writable line
        component = icalparser_add_line(parser.get(), copy.data());
    }
    return zoneFromComponent(component);
}

} // namespace

icaltimezone* zoneFromComponent(icalcomponent* component) {
    if (component == nullptr) {
        return nullptr;
    }
    if (icalcomponent_isa(component) != ICAL_VTIMEZONE_COMPONENT) {
        icalcomponent_free(component);
        return nullptr;
    }
    icaltimezone* zone = icaltimezone_new();
    if (zone == nullptr) {
        icalcomponent_free(component);
        return nullptr;
    }
    if (icaltimezone_set_component(zone, component) == 0) {
        icalcomponent_free(component);
        icaltimezone_free(zone, 1);
        return nullptr;
    }
    return zone;
}

icaltimetype icalTimeOf(const DateTime& wall, const icaltimezone* zone) {
    icaltimetype time = icaltime_null_time();
    time.year = wall.year;
    time.month = wall.month;
    time.day = wall.day;
    time.hour = wall.hour;
    time.minute = wall.minute;
    time.second = wall.second;
    time.zone = zone;
    return time;
}

icaltimezone* zoneFromDatabase(const std::string& tzid) {
    if (!isZoneDatabaseName(tzid)) {
        return nullptr;
    }
    const std::string path = std::string(icaltzutil_get_zone_directory()) + "/" + tzid;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return nullptr;
    }
    return icaltimezone_get_builtin_timezone(tzid.c_str());
}

FileZones::FileZones(const std::vector<std::vector<ZoneSource>>& zones) {
    for (std::size_t calendar = 0; calendar < zones.size(); ++calendar) {
        for (const ZoneSource& source : zones[calendar]) {
            defined_.emplace(std::make_pair(calendar, source.tzid), &source);
        }
    }
}

FileZones::~FileZones() {
    for (icaltimezone* zone : owned_) {
        icaltimezone_free(zone, 1);
    }
}

icaltimezone* FileZones::find(std::size_t calendar, const std::string& tzid) {
    const auto key = std::make_pair(calendar, tzid);
    if (const auto known = found_.find(key); known != found_.end()) {
        return known->second;
    }
    icaltimezone* zone = nullptr;
    if (const auto source = defined_.find(key); source != defined_.end()) {
        zone = zoneFromSource(*source->second);
        if (zone != nullptr) {
            owned_.push_back(zone);
        }
    } else {
        zone = zoneFromDatabase(tzid);
    }
    found_.emplace(key, zone);
    return zone;
}

bool isZoneDatabaseName(const std::string& tzid) {
    if (tzid.empty() || tzid.size() > 200) {
        return false;
    }
    char before = '/';
    for (const char c : tzid) {
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                             (c >= '0' && c <= '9') || c == '_' || c == '+' || c == '-' ||
                             (c == '/' && before != '/');
        if (!allowed) {
            return false;
        }
        before = c;
    }
    return before != '/';
}

std::int64_t wallSecondsIn(icaltimezone* zone, std::int64_t instant) {
    if (zone == nullptr) {
        return wallSeconds(systemWallTime(instant));
    }
    icaltimetype then = icalTimeOf(fromWallSeconds(instant), icaltimezone_get_utc_timezone());
    int daylight = 0;
    return instant + icaltimezone_get_utc_offset_of_utc_time(zone, &then, &daylight);
}

std::int64_t localSecondsOf(const icaltimetype& time, icaltimezone* zone) {
    const DateTime wall{time.year, time.month, time.day, time.hour, time.minute, time.second, 0};
    if (time.is_date) {
        return wallSeconds(DateTime{time.year, time.month, time.day, 0, 0, 0, 0});
    }
    if (zone == nullptr) {
        return wallSeconds(existingSystemTime(wall));
    }
    icaltimezone* utc = icaltimezone_get_utc_timezone();
    std::int64_t instant = wallSeconds(wall);
    if (zone != utc) {
        icaltimetype local = time;
        int daylight = 0;
        const int suggested = icaltimezone_get_utc_offset(zone, &local, &daylight);
        instant = instantOfWallTime(instant, suggested, [zone, utc](std::int64_t at) {
            icaltimetype then = icalTimeOf(fromWallSeconds(at), utc);
            int isDaylight = 0;
            return static_cast<std::int64_t>(
                icaltimezone_get_utc_offset_of_utc_time(zone, &then, &isDaylight));
        });
    }
    return wallSeconds(systemWallTime(instant));
}

} // namespace norvik
