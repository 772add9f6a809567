// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace norvik {

// The first line from `from` whose time `hit` says yes to, or `count`. The
// lines go sixteen at a time without a branch each, which the compiler turns
// into a few vector instructions: every second the tick, and in the tray the
// tooltip's count, pass over a million times that `hit` says no to.
template <class Hit>
std::size_t firstHit(const std::vector<std::int64_t>& times, std::size_t from, std::size_t count,
                     Hit hit) {
    constexpr std::size_t block = 16;
    std::size_t i = from;
    for (; i + block <= count; i += block) {
        bool any = false;
        for (std::size_t k = 0; k < block; ++k) {
            any |= hit(times[i + k]);
        }
        if (any) {
            break;
        }
    }
    for (; i < count; ++i) {
        if (hit(times[i])) {
            return i;
        }
    }
    return count;
}

} // namespace norvik
