// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/TimeOrder.h"

#include "store/LargePages.h"

#include <algorithm>
#include <array>
#include <memory>
#include <span>
#include <utility>

namespace norvik::cli {

namespace {

// Eleven bits of the time at a time, lowest first: each pass keeps the order
// the pass before left among equal digits, so the last leaves them in time
// order. A list within 272 years of whole seconds takes three passes.
constexpr unsigned digitBits = 11;
constexpr std::size_t digits = std::size_t{1} << digitBits;

} // namespace

void orderByTime(std::vector<Listed>& listed) {
    if (listed.size() < 2) {
        return;
    }
    const auto [least, most] = std::minmax_element(
        listed.begin(), listed.end(), [](const Listed& a, const Listed& b) { return a.at < b.at; });
    // Times as their distance from the earliest: bytes above the greatest
    // distance's are the same in all, and take no pass.
    const auto earliest = static_cast<std::uint64_t>(least->at);
    // Lines are dated to the second: their times are counted in seconds when
    // all are whole, which saves a pass. The times are not needed past the
    // ordering, so each becomes its key in place.
    const bool wholeSeconds =
        std::all_of(listed.begin(), listed.end(), [earliest](const Listed& line) {
            return (static_cast<std::uint64_t>(line.at) - earliest) % 1000 == 0;
        });
    const std::uint64_t unit = wholeSeconds ? 1000 : 1;
    const std::uint64_t span = (static_cast<std::uint64_t>(most->at) - earliest) / unit;
    for (Listed& line : listed) {
        line.at =
            static_cast<std::int64_t>((static_cast<std::uint64_t>(line.at) - earliest) / unit);
    }
    const auto keyOf = [](const Listed& line) { return static_cast<std::uint64_t>(line.at); };
    const auto spare = std::make_unique_for_overwrite<Listed[]>(listed.size());
    preferLargePages(spare.get(), listed.size() * sizeof(Listed));
    std::span<Listed> from(listed);
    std::span<Listed> to(spare.get(), listed.size());
    for (unsigned shift = 0; shift < 64 && (span >> shift) != 0; shift += digitBits) {
        std::array<std::size_t, digits> starts{};
        for (const Listed& line : from) {
            ++starts[(keyOf(line) >> shift) & (digits - 1)];
        }
        std::size_t start = 0;
        for (std::size_t& count : starts) {
            start += std::exchange(count, start);
        }
        for (const Listed& line : from) {
            to[starts[(keyOf(line) >> shift) & (digits - 1)]++] = line;
        }
        std::swap(from, to);
    }
    if (from.data() != listed.data()) {
        std::copy(from.begin(), from.end(), listed.begin());
    }
}

} // namespace norvik::cli
