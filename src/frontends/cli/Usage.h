// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace norvik::cli {

// What --help prints.
extern const char* const usageText;

} // namespace norvik::cli
