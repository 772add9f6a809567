// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/DateTime.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace norvik {
class Timer;
}

namespace norvik::headless {

// The real local time now.
DateTime realLocalTime();
// "DD.MM.YYYY" and "HH:MM:SS" or "HH:MM:SS.mmm"; nothing when malformed or
// not a real date or time of day.
std::optional<DateTime> parseClock(std::string_view date, std::string_view time);
// "DD.MM.YYYY" with its digits only; the numbers are not checked.
std::optional<DateTime> parseDateDigits(std::string_view date);
std::string dateText(const DateTime& date);

// The simulated clock and the timers it drives. Only waiting moves the
// timers: a running timer fires each time it has waited its interval since
// it was switched on or last fired. Setting the clock never fires, skips or
// delays a firing.
// The clock holds local time with no zone, as milliseconds on the kit's
// date arithmetic: what the program reads.
class SimulatedTime {
public:
    explicit SimulatedTime(const DateTime& start) : clock_(momentMillis(start)) {}

    DateTime now() const { return momentFromMillis(clock_); }
    void setClock(const DateTime& time) { clock_ = momentMillis(time); }

    // The timer was switched on (its count starts anew) or off.
    void timerChanged(Timer& timer);
    bool running(const Timer& timer) const;

    // Lets `millis` pass. A firing calls `fire` with the clock at its moment;
    // the handler may wait itself (nested input), and this wait then goes on
    // for the rest of its own time.
    void wait(std::int64_t millis, const std::function<void(Timer&)>& fire);

private:
    struct Running {
        Timer* timer;
        std::int64_t waited;
    };
    void advance(std::int64_t millis);

    std::int64_t clock_;
    std::vector<Running> running_;
};

} // namespace norvik::headless
