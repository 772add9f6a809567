// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace norvik::test {

// Whether the build is fast enough for a test to bound how long work takes:
// the sanitizer build runs some fifty times slower, and checks memory, not speed.
#ifdef NORVIK_SANITIZED
inline constexpr bool speedIsMeasured = false;
#else
inline constexpr bool speedIsMeasured = true;
#endif

} // namespace norvik::test
