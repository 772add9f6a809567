// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/ContentHash.h"

namespace norvik {

std::uint64_t contentHash(std::string_view bytes, std::uint64_t hash) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

} // namespace norvik
