// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Lines.h"

#include <string>

namespace norvik {

// User text inside the core: bytes in code page 1251, exactly as in the files.
using Text = std::string;

} // namespace norvik
