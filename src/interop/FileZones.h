// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/CalendarSource.h"
#include "kit/DateTime.h"

#include <cstddef>
#include <cstdint>
#include <libical/ical.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace norvik {

// The time zones an iCalendar file's times name: its own VTIMEZONEs first,
// then the system's zone database. A TZID is a zone name, never a path: ".."
// and names from the root are unknown, and so is anything in the database
// that is not a regular file (a folder, a FIFO that would hang the reading).
class FileZones {
public:
    explicit FileZones(const std::vector<std::vector<ZoneSource>>& zones);
    ~FileZones();
    FileZones(const FileZones&) = delete;
    FileZones& operator=(const FileZones&) = delete;

    // The zone `tzid` names in the file's calendar `calendar`; nothing when
    // neither the calendar nor the zone database defines it.
    icaltimezone* find(std::size_t calendar, const std::string& tzid);

private:
    // The first definition of each name in each calendar.
    std::map<std::pair<std::size_t, std::string>, const ZoneSource*> defined_;
    std::map<std::pair<std::size_t, std::string>, icaltimezone*> found_;
    std::vector<icaltimezone*> owned_;
};

// A zone of a parsed VTIMEZONE, which it takes over; nothing (and the
// component freed) when it is none or libical cannot use it.
icaltimezone* zoneFromComponent(icalcomponent* component);

// Whether a TZID may be looked up in the zone database: a relative name of
// letters, digits and "_+-", in parts separated by single slashes.
bool isZoneDatabaseName(const std::string& tzid);
// The zone of that name from the system's database; none for a name that is
// no database name, or whose entry is not a regular file (a folder or a pipe
// would hang the reading).
icaltimezone* zoneFromDatabase(const std::string& tzid);

// A time of day in `zone` (floating when it is null) as libical holds it.
icaltimetype icalTimeOf(const DateTime& wall, const icaltimezone* zone);

// The local wall-clock time (as wallSeconds counts) of a time in `zone`:
// floating when the zone is null, read as the system's local time then; a
// time the zone skips moves forward by the gap.
std::int64_t localSecondsOf(const icaltimetype& time, icaltimezone* zone);

// The wall-clock time in `zone` (the system's local time when it is null)
// of an instant, both as wallSeconds counts.
std::int64_t wallSecondsIn(icaltimezone* zone, std::int64_t instant);

} // namespace norvik
