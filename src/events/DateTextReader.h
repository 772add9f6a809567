// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/DateTime.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace norvik {

struct DateTextReading {
    DateTime moment;
    // How many characters from the start the date and time took (blanks
    // before them included, anything after them not).
    std::size_t consumed = 0;
};

// Reads a date text as the user may have typed it: blanks before every
// number and separator, "D.M[.Y[.]]" with one or more digits per field
// (a number stops once it reaches 1000, so at most four digits count), then
// either nothing but blanks (midnight) or "H:M[:S]" with an optional AM/PM
// marker; whatever follows a complete time is ignored. A year of one or two
// digits falls in the century that puts it no earlier than fifty years
// before the current year; without a year the current year is taken.
// Nothing when the text is not a real date and time of day.
std::optional<DateTextReading> readDateText(std::string_view text, int currentYear);

} // namespace norvik
