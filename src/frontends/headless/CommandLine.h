// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace norvik::headless {

// The program reads no arguments but --help and --version, which it answers
// without starting; any other argument is refused with exit status 2, as a
// protocol line would be. Returns the exit status when the program is not
// to run.
std::optional<int> answerCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                     std::ostream& err);

} // namespace norvik::headless
