// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace norvik {

class DialogContext;

// Whether the scheduler can read the date text of the event line, and so
// remind of it. When it cannot, a box says so in the program's own words and
// the answer is false: the add and edit dialogs then stay open with what was
// typed. Any loose form the scheduler reads is accepted.
bool acceptEventLine(const DialogContext& context, std::string_view line);

} // namespace norvik
