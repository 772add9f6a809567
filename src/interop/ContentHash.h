// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace norvik {

// FNV-1a over the bytes: the same on every machine and build, which
// std::hash is not. Pieces hashed in a row give the hash of their joined
// bytes when each goes on from the hash of the ones before.
inline constexpr std::uint64_t contentHashStart = 0xcbf29ce484222325ULL;
std::uint64_t contentHash(std::string_view bytes, std::uint64_t hash = contentHashStart);

} // namespace norvik
