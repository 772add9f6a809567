// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/DateTime.h"
#include "kit/Text.h"

namespace norvik {

// The three go-to fields of the calendar panel as the user left them.
struct DateFields {
    Text day;
    Text month;
    Text year;
};

// What the check of the fields found before any date is set.
enum class DateFieldsCheck {
    dayMissing,
    monthMissing,
    yearMissing,
    yearNotFourDigits,
    ready, // the fields hold a day, month and year in range
};

// The character filter of the fields: backspace and the digits 0 to 9.
bool isDateFieldKey(char key);

// Checks the fields and corrects an out-of-range day or month the way the
// command writes it back: a one-digit day or month gets a leading zero, a day
// beyond its month becomes the month's last day, day and month 00 become 01,
// a month past 12 becomes 12. A field that is not all digits (text pasted
// past the filter) fails with "'TEXT' is not a valid integer value" at the
// step that first reads its number; the leading zeros and corrections made
// before that step stay in `fields`.
DateFieldsCheck correctDateFields(DateFields& fields);

// The date the corrected fields name; fails with "'DD.MM.YYYY' is not a valid
// date and time" when they form no date (year 0000).
DateTime dateFromFields(const DateFields& fields);

} // namespace norvik
