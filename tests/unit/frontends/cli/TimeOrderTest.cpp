// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/TimeOrder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace norvik::cli {
namespace {

// Whatever the times (before 1970, whole seconds or not, far apart or all
// alike), the order is the one a stable sort by time gives.
TEST(TimeOrderTest, OrdersAsAStableSortByTime) {
    std::mt19937_64 random(2026);
    const std::int64_t spans[] = {0, 1000, 86'400'000, 3'000'000'000'000, INT64_MAX / 2};
    for (int round = 0; round < 60; ++round) {
        const std::int64_t span = spans[round % 5];
        const bool wholeSeconds = round % 3 != 0;
        std::vector<Listed> listed(random() % 3000);
        for (std::size_t i = 0; i < listed.size(); ++i) {
            // Few distinct times, so that many are equal.
            std::int64_t at =
                span == 0 ? 0 : static_cast<std::int64_t>(random() % 50) * (span / 50);
            at -= span / 2;
            if (wholeSeconds) {
                at -= at % 1000;
            } else {
                at += static_cast<std::int64_t>(random() % 7);
            }
            listed[i] = {at, i};
        }
        std::vector<Listed> expected = listed;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const Listed& a, const Listed& b) { return a.at < b.at; });
        orderByTime(listed);
        ASSERT_EQ(listed.size(), expected.size());
        for (std::size_t i = 0; i < listed.size(); ++i) {
            ASSERT_EQ(listed[i].index, expected[i].index) << "round " << round << ", place " << i;
        }
    }
}

} // namespace
} // namespace norvik::cli
