// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Color.h"
#include "kit/Text.h"

#include <string_view>

namespace norvik {

// An identifier of the colour table (ignoring case), else an integer: optional
// sign and decimal digits, or "$" and hex digits. Anything else fails with
// "'TEXT' is not a valid integer value".
Color colorFromName(std::string_view text);
// The identifier when the value is in the table, else "$" and eight
// upper-case hex digits.
Text colorToName(Color color);
// The integer syntax alone, for sizes and counts; fails as above.
int parseInteger(std::string_view text);

} // namespace norvik
