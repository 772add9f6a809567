// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace norvik {

// How exported times name the system's time zone.
struct LocalZone {
    enum class Kind { Named, Utc, Floating } kind = Kind::Floating;
    std::string tzid;      // the IANA name, for Named
    std::string vtimezone; // its VTIMEZONE component, folded, CR LF, for Named
};

// The zone the C library converts local times with: TZ when it names a zone,
// else the zone /etc/localtime points at, else /etc/timezone. A zone the
// zone database does not know leaves the times floating (local, unnamed).
LocalZone systemZone();

} // namespace norvik
