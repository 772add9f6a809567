// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace norvik {

// A local date and time as the clock reports it.
struct DateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    bool operator==(const DateTime&) const = default;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidDate(int year, int month, int day);

// A local date and time as milliseconds counted from 01.01.0001 00:00:00, so
// that event times and clocks compare and move by plain arithmetic.
std::int64_t momentMillis(const DateTime& moment);
DateTime momentFromMillis(std::int64_t millis);

inline constexpr std::int64_t millisPerSecond = 1000;
inline constexpr std::int64_t millisPerMinute = 60 * millisPerSecond;
inline constexpr std::int64_t millisPerDay = millisPerMinute * 60 * 24;

} // namespace norvik
