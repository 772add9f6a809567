// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/Recurrence.h"

#include "interop/ContentLines.h"
#include "interop/WallClock.h"
#include "kit/DateTime.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <string>

namespace norvik {

namespace {

constexpr std::int64_t secondsPerDay = 86400;
// Far enough that no range reaches it, near enough that sums cannot overflow.
constexpr std::int64_t farAway = std::numeric_limits<std::int64_t>::max() / 4;

struct IteratorFree {
    void operator()(icalrecur_iterator* iterator) const { icalrecur_iterator_free(iterator); }
};

std::int64_t wallOf(const icaltimetype& time) {
    return wallSeconds(DateTime{time.year, time.month, time.day, time.is_date ? 0 : time.hour,
                                time.is_date ? 0 : time.minute, time.is_date ? 0 : time.second, 0});
}

icaltimetype withWall(icaltimetype time, std::int64_t seconds) {
    const DateTime wall = fromWallSeconds(seconds);
    time.year = wall.year;
    time.month = wall.month;
    time.day = wall.day;
    if (!time.is_date) {
        time.hour = wall.hour;
        time.minute = wall.minute;
        time.second = wall.second;
    }
    return time;
}

// The shortest span one period of the rule can take.
std::int64_t periodSeconds(const icalrecurrencetype& rule) {
    const std::int64_t interval = std::max<std::int64_t>(1, rule.interval);
    switch (rule.freq) {
    case ICAL_SECONDLY_RECURRENCE:
        return interval;
    case ICAL_MINUTELY_RECURRENCE:
        return interval * 60;
    case ICAL_HOURLY_RECURRENCE:
        return interval * 3600;
    case ICAL_DAILY_RECURRENCE:
        return interval * secondsPerDay;
    case ICAL_WEEKLY_RECURRENCE:
        return interval * 7 * secondsPerDay;
    case ICAL_MONTHLY_RECURRENCE:
        return interval * 28 * secondsPerDay;
    default:
        return interval * 365 * secondsPerDay;
    }
}

// A start moved forward by whole periods to just before `from`: the rule
// gives the same times from there on (without COUNT, which counts from the
// real start). Months and years move only where every one of them has the
// start's day. The moved start itself comes out of the iterator first whether
// or not the rule's filters allow it; it lies before the range, so it is
// never taken.
icaltimetype movedNear(const icaltimetype& start, const icalrecurrencetype& rule,
                       std::int64_t from) {
    const std::int64_t at = wallOf(start);
    if (at >= from) {
        return start;
    }
    const std::int64_t interval = std::max<std::int64_t>(1, rule.interval);
    if (rule.freq <= ICAL_WEEKLY_RECURRENCE) {
        const std::int64_t period = periodSeconds(rule);
        const std::int64_t shift = (from - at) / period * period;
        if (start.is_date && shift % secondsPerDay != 0) {
            return start;
        }
        return withWall(start, at + shift);
    }
    const DateTime target = fromWallSeconds(from);
    icaltimetype moved = start;
    if (rule.freq == ICAL_MONTHLY_RECURRENCE && start.day <= 28) {
        const std::int64_t months = (static_cast<std::int64_t>(target.year) - start.year) * 12 +
                                    (target.month - start.month);
        const std::int64_t whole = months / interval * interval - interval;
        if (whole > 0) {
            const std::int64_t month = start.month - 1 + whole;
            moved.year = static_cast<int>(start.year + month / 12);
            moved.month = static_cast<int>(month % 12 + 1);
        }
    } else if (rule.freq == ICAL_YEARLY_RECURRENCE && !(start.month == 2 && start.day == 29)) {
        const std::int64_t whole =
            (static_cast<std::int64_t>(target.year) - start.year) / interval * interval - interval;
        if (whole > 0) {
            moved.year = static_cast<int>(start.year + whole);
        }
    }
    return moved;
}

} // namespace

bool isRealTime(const icaltimetype& time) {
    if (time.year < 1 || time.year > 9999 || time.month < 1 || time.month > 12 || time.day < 1 ||
        time.day > daysInMonth(time.year, time.month)) {
        return false;
    }
    return time.is_date || (time.hour >= 0 && time.hour <= 23 && time.minute >= 0 &&
                            time.minute <= 59 && time.second >= 0 && time.second <= 60);
}

RuleExpansion expandRule(std::string_view text, const icaltimetype& start, const ScanRange& range,
                         std::int64_t& steps,
                         const std::function<std::int64_t(std::int64_t)>& wallOfUtc,
                         const std::function<void(const icaltimetype&)>& take) {
    // The rule's words in any case, as its property's name.
    icalrecurrencetype rule = icalrecurrencetype_from_string(upperCased(text).c_str());
    if (rule.freq == ICAL_NO_RECURRENCE ||
        (!icaltime_is_null_time(rule.until) && !isRealTime(rule.until))) {
        return RuleExpansion::Unreadable;
    }
    if (!icaltime_is_null_time(rule.until) && rule.until.zone != nullptr && !rule.until.is_date) {
        rule.until = withWall(start, wallOfUtc(wallOf(rule.until)));
    }
    // COUNT is counted here, so that UNTIL can bound the iterator's walk:
    // libical takes no rule with both.
    const int count = rule.count;
    rule.count = 0;
    const icaltimetype first = count > 0 ? start : movedNear(start, rule, range.from);
    const std::int64_t from = wallOf(first);
    if (from > range.to) {
        return RuleExpansion::Done;
    }
    const std::int64_t period = periodSeconds(rule);
    const std::int64_t affordable =
        steps >= (farAway - from) / period ? farAway : from + steps * period;
    std::int64_t end = std::min(range.to, affordable);
    bool endIsAffordable = affordable < range.to;
    if (!icaltime_is_null_time(rule.until) && wallOf(rule.until) <= end) {
        end = wallOf(rule.until);
        endIsAffordable = false;
    } else {
        rule.until = withWall(first, std::max(end, from));
    }
    std::unique_ptr<icalrecur_iterator, IteratorFree> iterator(icalrecur_iterator_new(rule, first));
    if (!iterator) {
        return RuleExpansion::Unreadable;
    }
    std::int64_t taken = 0;
    std::int64_t reached = end;
    while (true) {
        const icaltimetype next = icalrecur_iterator_next(iterator.get());
        if (icaltime_is_null_time(next)) {
            break;
        }
        ++taken;
        reached = wallOf(next);
        if ((count > 0 && taken > count) || reached > range.to) {
            break;
        }
        if ((reached - from) / period + taken > steps) {
            steps = 0;
            return RuleExpansion::OutOfSteps;
        }
        take(next);
        reached = end;
    }
    const std::int64_t spent = std::max<std::int64_t>(0, reached - from) / period + taken;
    steps = std::max<std::int64_t>(0, steps - spent);
    if (reached == end && endIsAffordable && (count == 0 || taken < count)) {
        return RuleExpansion::OutOfSteps;
    }
    return RuleExpansion::Done;
}

} // namespace norvik
