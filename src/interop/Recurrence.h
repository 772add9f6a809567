// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <libical/ical.h>
#include <string_view>

namespace norvik {

// Wall-clock seconds (as wallSeconds counts) that the occurrences wanted lie
// between, with a margin for the zones' offsets.
struct ScanRange {
    std::int64_t from;
    std::int64_t to;
};

enum class RuleExpansion {
    Done,
    Unreadable, // the rule, or its UNTIL, cannot be read
    OutOfSteps, // the rule needs more steps than were left
};

// Calls `take` with the occurrences of the recurrence rule `rule` from
// `start` (in its zone's wall-clock time) that can lie in `range`, through
// libical's iterator. The iterator walks candidate times one period of the
// rule at a time, also where the rule's filters let none through, so each
// period walked costs one of `steps`, as does each occurrence: an import
// shares one allowance among its rules, and a rule whose periods are seconds
// but whose occurrences are years apart runs out instead of running for hours.
// A rule without COUNT starts near the range rather than at `start`.
//
// The iterator runs on the start's wall-clock time without its zone: with
// the zone, libical carries a time it moved out of a gap on to the following
// occurrences. `wallOfUtc` turns an UNTIL given in UTC into that wall-clock
// time (both as wallSeconds counts).
RuleExpansion expandRule(std::string_view rule, const icaltimetype& start, const ScanRange& range,
                         std::int64_t& steps,
                         const std::function<std::int64_t(std::int64_t)>& wallOfUtc,
                         const std::function<void(const icaltimetype&)>& take);

// Whether a date or date-time as libical read it is a real one: years 1 to
// 9999, months 1 to 12, the month's days, hours to 23, minutes to 59, seconds
// to 60 (a leap second).
bool isRealTime(const icaltimetype& time);

} // namespace norvik
