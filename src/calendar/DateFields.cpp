// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/DateFields.h"

#include "kit/Failure.h"

#include <algorithm>

namespace norvik {

namespace {

bool allDigits(const Text& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The fields hold at most four digits; a longer text still reads as a large
// number instead of overflowing.
int digitsValue(const Text& digits) {
    constexpr int large = 100000;
    int value = 0;
    for (const char c : digits) {
        value = std::min(value * 10 + (c - '0'), large);
    }
    return value;
}

// A field is read only when a step needs its number, so the corrections made
// before that step stay in the fields when its text turns out to be no number.
int number(const Text& field) {
    if (!allDigits(field)) {
        throw Failure("'" + field + "' is not a valid integer value");
    }
    return digitsValue(field);
}

bool isShortMonth(int month) {
    return month == 4 || month == 6 || month == 9 || month == 11;
}

// One pass of the corrections after the leading zeros; true when a field
// changed and the check has to start again with the new contents.
bool correctOnce(DateFields& fields) {
    const int day = number(fields.day);
    if (day >= 32) {
        // The month is read before its own correction: month 13 gives 31.
        fields.day = isShortMonth(number(fields.month)) ? "30" : "31";
        return true;
    }
    if (day == 0) {
        fields.day = "01";
        return true;
    }
    const int month = number(fields.month);
    if (month == 0) {
        fields.month = "01";
        return true;
    }
    if (month >= 13) {
        fields.month = "12";
        return true;
    }
    if (day == 31 && isShortMonth(month)) {
        fields.day = "30";
        return true;
    }
    if (isLeapYear(number(fields.year)) && month == 2 && day >= 30) {
        fields.day = "29";
        return true;
    }
    if (!isLeapYear(number(fields.year)) && month == 2 && day >= 29) {
        fields.day = "28";
        return true;
    }
    return false;
}

} // namespace

bool isDateFieldKey(char key) {
    return key == '\b' || (key >= '0' && key <= '9');
}

DateFieldsCheck correctDateFields(DateFields& fields) {
    // Every correction moves a field into range, so this ends after a few passes.
    for (;;) {
        if (fields.day.empty()) {
            return DateFieldsCheck::dayMissing;
        }
        if (fields.month.empty()) {
            return DateFieldsCheck::monthMissing;
        }
        if (fields.year.empty()) {
            return DateFieldsCheck::yearMissing;
        }
        if (fields.year.size() != 4) {
            return DateFieldsCheck::yearNotFourDigits;
        }
        if (fields.day.size() == 1) {
            fields.day.insert(0, "0");
        }
        if (fields.month.size() == 1) {
            fields.month.insert(0, "0");
        }
        if (!correctOnce(fields)) {
            return DateFieldsCheck::ready;
        }
    }
}

DateTime dateFromFields(const DateFields& fields) {
    const int day = allDigits(fields.day) ? digitsValue(fields.day) : 0;
    const int month = allDigits(fields.month) ? digitsValue(fields.month) : 0;
    const int year = allDigits(fields.year) ? digitsValue(fields.year) : 0;
    if (!isValidDate(year, month, day)) {
        throw Failure("'" + fields.day + "." + fields.month + "." + fields.year +
                      "' is not a valid date and time");
    }
    return DateTime{year, month, day};
}

} // namespace norvik
