#pragma once

#include "kit/DateTime.h"

#include <cstdint>

namespace norvik {

// A local date and time as milliseconds counted from 01.01.0001 00:00:00, so
// that event times and the clock compare and move by plain arithmetic.
std::int64_t momentMillis(const DateTime& moment);
DateTime momentFromMillis(std::int64_t millis);

inline constexpr std::int64_t millisPerSecond = 1000;
inline constexpr std::int64_t millisPerMinute = 60 * millisPerSecond;
inline constexpr std::int64_t millisPerDay = millisPerMinute * 60 * 24;

} // namespace norvik
