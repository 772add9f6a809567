// SPDX-License-Identifier: GPL-3.0-or-later
// What the tray's tooltip counts: the events of a span of time that were not
// announced yet.
#include "events/ReminderMemory.h"
#include "events/EventTime.h"
#include "events/EventTimes.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

TEST(ReminderMemoryTest, CountsTheLinesOfASpanNotAnnouncedYet) {
    const std::int64_t nine = momentMillis({2026, 12, 7, 9, 0, 0});
    const std::int64_t ten = momentMillis({2026, 12, 7, 10, 0, 0});
    const std::int64_t midnight = momentMillis({2026, 12, 8, 0, 0, 0});
    const Lines lines = {"07.12.2026 09:00:00 >>> Past",
                         "07.12.2026 10:00:00 >>> Call",
                         "07.12.2026 10:00:00 >>> Call",
                         "07.12.2026 10:00:00 >>> Other",
                         "hello",
                         "08.12.2026 00:00:00 >>> Tomorrow"};
    const std::vector<std::int64_t> times = {nine, ten, ten, ten, EventTimes::unreadable, midnight};
    ReminderMemory memory;
    // From ten o'clock (an event of that second counts) to the end of the day.
    EXPECT_EQ(memory.notAnnounced(times, lines, ten, midnight), 3);
    // Identical lines share one reminder; a line edited since is a new event.
    memory.announced(ten, "07.12.2026 10:00:00 >>> Call");
    EXPECT_EQ(memory.notAnnounced(times, lines, ten, midnight), 1);
    memory.replaced("07.12.2026 10:00:00 >>> Call");
    EXPECT_EQ(memory.notAnnounced(times, lines, ten, midnight), 3);
    EXPECT_EQ(memory.notAnnounced(times, lines, nine, midnight + 1), 5);
    EXPECT_EQ(memory.notAnnounced(times, lines, midnight, midnight), 0);
}

} // namespace
} // namespace norvik
