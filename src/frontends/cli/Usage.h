// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace norvik::cli {

// What --help prints: the commands and options from the command table.
std::string usageText();

} // namespace norvik::cli
