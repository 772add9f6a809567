// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/DateTime.h"
#include "kit/Text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace norvik::sync {

// A value from another program as one line of the code page: line breaks
// become blanks, other control characters except the tab are dropped, and
// what the code page cannot hold becomes "?".
Text storableText(std::string_view utf8);

// The program's text as a value for a file of another program (UTF-8).
std::string outsideText(std::string_view text);

// An event line in the full form "DD.MM.YYYY HH:MM:SS >>> text" with a real
// date and time: the only form sync sends. Nothing for any other line.
struct EventFields {
    DateTime moment;
    Text text;
};
std::optional<EventFields> fullFormEvent(std::string_view line);

// A new item's UID: 128 random bits as hex in the usual groups.
std::string newUid();

// Whether a UID can name its file: letters, digits and "-_.@", not starting
// with a dot, at most 120 characters.
bool safeAsFileName(std::string_view uid);

} // namespace norvik::sync
