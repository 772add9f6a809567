// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/SimulatedTime.h"

#include "kit/Controls.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <limits>

namespace norvik::headless {

namespace {

std::optional<int> number(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string twoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10 % 10)) +
           static_cast<char>('0' + value % 10);
}

} // namespace

DateTime realLocalTime() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    DateTime time;
    time.year = local.tm_year + 1900;
    time.month = local.tm_mon + 1;
    time.day = local.tm_mday;
    time.hour = local.tm_hour;
    time.minute = local.tm_min;
    time.second = std::min(local.tm_sec, 59);
    time.millisecond = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000);
    return time;
}

std::optional<DateTime> parseDateDigits(std::string_view date) {
    if (date.size() != 10 || date[2] != '.' || date[5] != '.') {
        return std::nullopt;
    }
    const auto day = number(date.substr(0, 2));
    const auto month = number(date.substr(3, 2));
    const auto year = number(date.substr(6, 4));
    if (!day || !month || !year) {
        return std::nullopt;
    }
    DateTime result;
    result.year = *year;
    result.month = *month;
    result.day = *day;
    result.hour = result.minute = result.second = result.millisecond = 0;
    return result;
}

std::optional<DateTime> parseClock(std::string_view date, std::string_view time) {
    auto result = parseDateDigits(date);
    if (!result || !isValidDate(result->year, result->month, result->day)) {
        return std::nullopt;
    }
    if ((time.size() != 8 && time.size() != 12) || time[2] != ':' || time[5] != ':' ||
        (time.size() == 12 && time[8] != '.')) {
        return std::nullopt;
    }
    const auto hour = number(time.substr(0, 2));
    const auto minute = number(time.substr(3, 2));
    const auto second = number(time.substr(6, 2));
    const auto millis = time.size() == 12 ? number(time.substr(9, 3)) : std::optional<int>(0);
    if (!hour || !minute || !second || !millis || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    result->hour = *hour;
    result->minute = *minute;
    result->second = *second;
    result->millisecond = *millis;
    return result;
}

std::string dateText(const DateTime& date) {
    std::string year = std::to_string(date.year);
    if (year.size() < 4) {
        year.insert(0, 4 - year.size(), '0');
    }
    return twoDigits(date.day) + "." + twoDigits(date.month) + "." + year;
}

void SimulatedTime::timerChanged(Timer& timer) {
    std::erase_if(running_, [&](const Running& r) { return r.timer == &timer; });
    if (timer.isEnabled()) {
        running_.push_back({&timer, 0});
    }
}

bool SimulatedTime::running(const Timer& timer) const {
    return std::any_of(running_.begin(), running_.end(),
                       [&](const Running& r) { return r.timer == &timer; });
}

void SimulatedTime::advance(std::int64_t millis) {
    clock_ += millis;
    for (auto& r : running_) {
        r.waited += millis;
    }
}

void SimulatedTime::wait(std::int64_t millis, const std::function<void(Timer&)>& fire) {
    std::int64_t remaining = millis;
    while (true) {
        Timer* due = nullptr;
        std::int64_t untilDue = std::numeric_limits<std::int64_t>::max();
        for (const auto& r : running_) {
            if (r.timer->interval <= 0) {
                continue; // an interval of 0 never fires
            }
            const std::int64_t left = std::max<std::int64_t>(0, r.timer->interval - r.waited);
            if (left < untilDue) {
                untilDue = left;
                due = r.timer;
            }
        }
        if (due == nullptr || untilDue > remaining) {
            advance(remaining);
            return;
        }
        advance(untilDue);
        remaining -= untilDue;
        for (auto& r : running_) {
            if (r.timer == due) {
                r.waited = 0;
            }
        }
        fire(*due);
    }
}

} // namespace norvik::headless
