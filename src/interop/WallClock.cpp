// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/WallClock.h"

#include "events/EventTime.h"

#include <ctime>

namespace norvik {

namespace {

// 01.01.1970, where the C library counts from.
const std::int64_t unixEpoch = wallSeconds(DateTime{1970, 1, 1, 0, 0, 0, 0});

std::int64_t systemOffsetAt(std::int64_t instant) {
    const auto since = static_cast<std::time_t>(instant - unixEpoch);
    std::tm local{};
    if (localtime_r(&since, &local) == nullptr) {
        return 0;
    }
    return local.tm_gmtoff;
}

} // namespace

std::int64_t wallSeconds(const DateTime& wall) {
    return momentMillis(
               DateTime{wall.year, wall.month, wall.day, wall.hour, wall.minute, wall.second, 0}) /
           millisPerSecond;
}

DateTime fromWallSeconds(std::int64_t seconds) {
    return momentFromMillis(seconds * millisPerSecond);
}

std::int64_t instantOfWallTime(std::int64_t wall, std::int64_t suggestedOffset,
                               const std::function<std::int64_t(std::int64_t)>& offsetAt) {
    const std::int64_t first = offsetAt(wall - suggestedOffset);
    if (first == suggestedOffset) {
        return wall - suggestedOffset;
    }
    const std::int64_t second = offsetAt(wall - first);
    if (second == first) {
        return wall - first;
    }
    // Neither offset gives the time back: it lies in a gap between them, and
    // the smaller is the one before a spring-forward gap.
    return wall - std::min(first, second);
}

std::tm localTm(const DateTime& wall) {
    std::tm local{};
    local.tm_year = wall.year - 1900;
    local.tm_mon = wall.month - 1;
    local.tm_mday = wall.day;
    local.tm_hour = wall.hour;
    local.tm_min = wall.minute;
    local.tm_sec = wall.second;
    local.tm_isdst = -1;
    return local;
}

std::int64_t systemInstant(const DateTime& wall) {
    std::tm local = localTm(wall);
    const std::int64_t seconds = wallSeconds(wall);
    const std::time_t guess = std::mktime(&local);
    return instantOfWallTime(seconds, seconds - unixEpoch - guess, systemOffsetAt);
}

DateTime systemWallTime(std::int64_t instant) {
    return fromWallSeconds(instant + systemOffsetAt(instant));
}

DateTime existingSystemTime(const DateTime& wall) {
    DateTime shown = systemWallTime(systemInstant(wall));
    shown.millisecond = wall.millisecond;
    return shown;
}

} // namespace norvik
