// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"

#include <functional>

namespace norvik {

class Platform;

inline constexpr const char* applicationTitle = "Norvik";

// The text of the failure report: the message with a full stop added when it
// is not empty and its last character's code is above that of ".".
Text failureReportText(const Text& message);

// Runs one handler. A failure that escapes it is shown as the failure report
// (title "Norvik", flags 16); the handler's remaining steps are skipped and
// the program runs on. Returns false when the handler failed.
bool dispatch(Platform& platform, const std::function<void()>& handler);

} // namespace norvik
