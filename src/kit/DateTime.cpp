// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/DateTime.h"

namespace norvik {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

bool isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

namespace {

// Days from 01.01.0001 in the proleptic Gregorian calendar, counting in
// 400-year eras that start on 1 March so that the leap day ends a year.
std::int64_t daysFromCivil(int year, int month, int day) {
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    // 306 days lie between 01.03.0000 and 01.01.0001.
    return era * 146097 + dayOfEra - 306;
}

void civilFromDays(std::int64_t days, DateTime& moment) {
    const std::int64_t z = days + 306;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    moment.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    moment.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    moment.year = static_cast<int>(yearOfEra + era * 400 + (moment.month <= 2 ? 1 : 0));
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

std::int64_t momentMillis(const DateTime& moment) {
    const std::int64_t timeOfDay =
        ((static_cast<std::int64_t>(moment.hour) * 60 + moment.minute) * 60 + moment.second) *
            1000 +
        moment.millisecond;
    return daysFromCivil(moment.year, moment.month, moment.day) * millisPerDay + timeOfDay;
}

DateTime momentFromMillis(std::int64_t millis) {
    const std::int64_t days = floorDiv(millis, millisPerDay);
    std::int64_t rest = millis - days * millisPerDay;
    DateTime moment;
    civilFromDays(days, moment);
    moment.millisecond = static_cast<int>(rest % 1000);
    rest /= 1000;
    moment.second = static_cast<int>(rest % 60);
    rest /= 60;
    moment.minute = static_cast<int>(rest % 60);
    moment.hour = static_cast<int>(rest / 60);
    return moment;
}

} // namespace norvik
