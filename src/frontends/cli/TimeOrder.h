// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace norvik::cli {

// A listed line: its time, and where it is kept.
struct Listed {
    std::int64_t at = 0; // milliseconds, as momentMillis gives them
    std::size_t index = 0;
};

// Puts the lines in order of time, those of equal times in the order they
// came. Their times are used up: they are left as keys that order the same way. It takes a few
// passes over the lines whatever their order, so that a list four times as long takes four times as
// long to order.
void orderByTime(std::vector<Listed>& listed);

} // namespace norvik::cli
