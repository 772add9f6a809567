// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/LocalZone.h"

#include <cstdlib>
#include <fstream>
#include <libical/ical.h>
#include <optional>
#include <unistd.h>

namespace norvik {

namespace {

constexpr std::string_view zoneFolder = "zoneinfo/";

// "Europe/Moscow" from "/usr/share/zoneinfo/Europe/Moscow".
std::string afterZoneFolder(const std::string& path) {
    const auto at = path.rfind(zoneFolder);
    return at == std::string::npos ? std::string() : path.substr(at + zoneFolder.size());
}

std::string zoneName() {
    if (const char* tz = std::getenv("TZ"); tz != nullptr) {
        if (*tz == '\0') {
            return "UTC"; // what the C library takes an empty TZ for
        }
        std::string name = tz[0] == ':' ? tz + 1 : tz;
        if (!name.empty() && name[0] == '/') {
            name = afterZoneFolder(name);
        }
        return name;
    }
    char target[4096];
    const ssize_t length = ::readlink("/etc/localtime", target, sizeof target - 1);
    if (length > 0) {
        std::string name = afterZoneFolder(std::string(target, std::size_t(length)));
        if (!name.empty()) {
            return name;
        }
    }
    std::ifstream file("/etc/timezone");
    std::string name;
    std::getline(file, name);
    return name;
}

// The zone's VTIMEZONE as the zone database describes it, named by its IANA
// name so that any reader can also resolve it without the component.
std::optional<std::string> vtimezoneFor(const std::string& name) {
    icaltimezone* zone = icaltimezone_get_builtin_timezone(name.c_str());
    icalcomponent* component = zone != nullptr ? icaltimezone_get_component(zone) : nullptr;
    if (component == nullptr) {
        return std::nullopt;
    }
    icalcomponent* copy = icalcomponent_new_clone(component);
    icalproperty* tzid = icalcomponent_get_first_property(copy, ICAL_TZID_PROPERTY);
    if (tzid != nullptr) {
        icalproperty_set_tzid(tzid, name.c_str());
    }
    char* text = icalcomponent_as_ical_string_r(copy);
    std::string result(text);
    icalmemory_free_buffer(text);
    icalcomponent_free(copy);
    return result;
}

} // namespace

LocalZone systemZone() {
    const std::string name = zoneName();
    LocalZone zone;
    if (name == "UTC" || name == "Etc/UTC" || name == "UTC0" || name == "Universal" ||
        name == "Zulu" || name == "Etc/Universal" || name == "Etc/Zulu") {
        zone.kind = LocalZone::Kind::Utc;
        return zone;
    }
    if (name.empty()) {
        return zone;
    }
    if (auto vtimezone = vtimezoneFor(name)) {
        zone.kind = LocalZone::Kind::Named;
        zone.tzid = name;
        zone.vtimezone = std::move(*vtimezone);
    }
    return zone;
}

} // namespace norvik
