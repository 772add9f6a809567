// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace norvik::qt {

// Answers --help and --version before any window system is touched, so that
// they work without a display; returns the exit status then. Any other
// argument is left to Qt, whose standard options (-platform, -style ...) the
// program keeps, and nothing is returned: the program runs.
std::optional<int> answerCommandLine(int argc, char** argv);

} // namespace norvik::qt
