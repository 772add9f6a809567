// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"

#include <cstddef>

namespace norvik {

struct LineMerge {
    std::size_t added = 0;
    std::size_t skipped = 0;
};

// Appends the incoming lines that the list does not hold yet. Copies count:
// a line the list holds twice skips two identical incoming lines, so that
// importing the same file again adds nothing and a file with repeated lines
// comes into an empty list whole.
LineMerge appendNewLines(Lines& list, const Lines& incoming);

} // namespace norvik
