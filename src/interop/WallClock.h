// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/DateTime.h"

#include <cstdint>
#include <ctime>
#include <functional>

namespace norvik {

// Times as whole seconds counted from 01.01.0001 00:00:00, the way event
// moments are counted: a wall-clock time read as if it were UTC, or an
// instant in UTC.
std::int64_t wallSeconds(const DateTime& wall);
DateTime fromWallSeconds(std::int64_t seconds);

// The instant a wall-clock time of some zone stands for. `suggestedOffset` is
// the zone's own guess at its UTC offset (seconds east); `offsetAt` gives the
// offset in force at an instant. A time the zone skips (inside a
// spring-forward gap) is read with the offset before the gap, so it lands as
// far past the gap as it was meant to be inside it: 02:30 in a gap from 02:00
// to 03:00 is 03:30.
std::int64_t instantOfWallTime(std::int64_t wall, std::int64_t suggestedOffset,
                               const std::function<std::int64_t(std::int64_t)>& offsetAt);

// A local time as the C library's broken-down time, daylight saving left
// for mktime to find.
std::tm localTm(const DateTime& wall);

// The system's local time, as the C library reckons it.
std::int64_t systemInstant(const DateTime& wall);
DateTime systemWallTime(std::int64_t instant);
// A local time as the system's clock can show it: one inside a gap moves
// forward by the gap, others stay.
DateTime existingSystemTime(const DateTime& wall);

} // namespace norvik
