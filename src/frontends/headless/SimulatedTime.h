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

// Local date and time as milliseconds from 01.01.1970 00:00:00 (no zone:
// the clock holds what the program reads).
std::int64_t toMillis(const DateTime& time);
DateTime fromMillis(std::int64_t millis);
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
class SimulatedTime {
public:
    explicit SimulatedTime(const DateTime& start) : clock_(toMillis(start)) {}

    DateTime now() const { return fromMillis(clock_); }
    void setClock(const DateTime& time) { clock_ = toMillis(time); }

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
