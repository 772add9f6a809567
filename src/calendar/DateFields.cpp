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
int number(const Text& digits) {
    constexpr int large = 100000;
    int value = 0;
    for (const char c : digits) {
        value = std::min(value * 10 + (c - '0'), large);
    }
    return value;
}

bool isShortMonth(int month) {
    return month == 4 || month == 6 || month == 9 || month == 11;
}

// One pass of the corrections; true when a field changed and the check has
// to start again with the new contents.
bool correctOnce(DateFields& fields) {
    if (fields.day.size() == 1) {
        fields.day.insert(0, "0");
    }
    if (fields.month.size() == 1) {
        fields.month.insert(0, "0");
    }
    const int day = number(fields.day);
    const int month = number(fields.month);
    const int year = number(fields.year);
    if (day >= 32) {
        // The month is read before its own correction: month 13 gives 31.
        fields.day = isShortMonth(month) ? "30" : "31";
        return true;
    }
    if (day == 0) {
        fields.day = "01";
        return true;
    }
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
    if (month == 2 && isLeapYear(year) && day >= 30) {
        fields.day = "29";
        return true;
    }
    if (month == 2 && !isLeapYear(year) && day >= 29) {
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
    for (const Text* field : {&fields.day, &fields.month, &fields.year}) {
        if (!allDigits(*field)) {
            throw Failure("'" + *field + "' is not a valid integer value");
        }
    }
    // Every correction moves a field into range, so this ends after a few passes.
    while (correctOnce(fields)) {
    }
    return DateFieldsCheck::ready;
}

DateTime dateFromFields(const DateFields& fields) {
    const int day = allDigits(fields.day) ? number(fields.day) : 0;
    const int month = allDigits(fields.month) ? number(fields.month) : 0;
    const int year = allDigits(fields.year) ? number(fields.year) : 0;
    if (!isValidDate(year, month, day)) {
        throw Failure("'" + fields.day + "." + fields.month + "." + fields.year +
                      "' is not a valid date and time");
    }
    return DateTime{year, month, day};
}

} // namespace norvik
