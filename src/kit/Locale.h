// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace norvik {

// The locale that names the language of a program's messages: the first of
// LC_ALL, LC_MESSAGES and LANG that is set and not empty, in the order the C
// library weighs them; empty when none is. `variable` reads one environment
// variable (the front ends pass std::getenv), so the core itself never looks
// at the environment.
std::string messagesLocale(const std::function<const char*(const char*)>& variable);

} // namespace norvik
