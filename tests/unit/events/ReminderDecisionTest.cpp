// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/ReminderDecision.h"

#include "events/EventTimes.h"
#include "events/ReminderMemory.h"
#include "kit/DateTime.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace norvik {
namespace {

// A moment on the day of every line below, 07.12.2026.
DateTime at(int hour, int minute, int second, int millisecond = 0) {
    return {2026, 12, 7, hour, minute, second, millisecond};
}

struct Row {
    const char* what;
    DateTime clock;
    Lines lines;
    std::optional<DateTime> switchedOn{}; // nothing: reminders never switched on
    PastEvents pastEvents = PastEvents::Skipped;
    std::vector<int> announced{}; // lines announced already, at their own times
    int from = 0;
    // What the tick announces.
    int index = -1;
    Announcement kind = Announcement::None;
};

const Row rows[] = {
    // Past events skipped: due from the switch-on moment until less than a second ahead.
    {.what = "the event's own second",
     .clock = at(12, 0, 5, 250),
     .lines = {"07.12.2026 12:00:05 >>> call"},
     .switchedOn = at(12, 0, 0),
     .index = 0,
     .kind = Announcement::Due},
    {.what = "less than a second ahead",
     .clock = at(12, 0, 5, 250),
     .lines = {"07.12.2026 12:00:06 >>> call"},
     .switchedOn = at(12, 0, 0),
     .index = 0,
     .kind = Announcement::Due},
    {.what = "a second or more ahead",
     .clock = at(12, 0, 5, 0),
     .lines = {"07.12.2026 12:00:06 >>> call", "07.12.2026 13:00:00 >>> later"},
     .switchedOn = at(12, 0, 0)},
    {.what = "a tick that comes late still finds it",
     .clock = at(12, 10, 0),
     .lines = {"07.12.2026 12:05:00 >>> call"},
     .switchedOn = at(12, 0, 0),
     .index = 0,
     .kind = Announcement::Due},
    {.what = "before the switch-on moment",
     .clock = at(12, 0, 5),
     .lines = {"07.12.2026 11:59:59 >>> call"},
     .switchedOn = at(12, 0, 0)},
    {.what = "the switch-on moment counts to the whole second",
     .clock = at(12, 0, 5),
     .lines = {"07.12.2026 11:59:59 >>> before", "07.12.2026 12:00:00 >>> call"},
     .switchedOn = at(12, 0, 0, 700),
     .index = 1,
     .kind = Announcement::Due},
    {.what = "reminders never switched on",
     .clock = at(12, 0, 5),
     .lines = {"07.12.2026 12:00:05 >>> call"}},
    {.what = "a clock set back takes the switch-on moment with it",
     .clock = at(11, 0, 0, 300),
     .lines = {"07.12.2026 10:59:59 >>> before", "07.12.2026 11:00:00 >>> call"},
     .switchedOn = at(12, 0, 0),
     .index = 1,
     .kind = Announcement::Due},
    {.what = "an announced line is passed over for the next due one",
     .clock = at(12, 0, 5),
     .lines = {"07.12.2026 12:00:05 >>> call", "07.12.2026 12:00:04 >>> write"},
     .switchedOn = at(12, 0, 0),
     .announced = {0},
     .index = 1,
     .kind = Announcement::Due},
    {.what = "identical lines share one reminder",
     .clock = at(12, 0, 5),
     .lines = {"07.12.2026 12:00:05 >>> call", "07.12.2026 12:00:05 >>> call"},
     .switchedOn = at(12, 0, 0),
     .announced = {0}},
    {.what = "an unreadable line is passed over",
     .clock = at(12, 0, 5),
     .lines = {"call back about the order", "07.12.2026 12:00:05 >>> call"},
     .switchedOn = at(12, 0, 0),
     .index = 1,
     .kind = Announcement::Due},
    {.what = "the scan starts at `from`",
     .clock = at(12, 0, 5),
     .lines = {"07.12.2026 12:00:05 >>> call", "07.12.2026 12:00:03 >>> write"},
     .switchedOn = at(12, 0, 0),
     .from = 1,
     .index = 1,
     .kind = Announcement::Due},

    // Past events reminded: the memory plays no part.
    {.what = "past, even before the switch-on moment",
     .clock = at(12, 0, 5),
     .lines = {"06.12.2026 09:00:00 >>> yesterday"},
     .switchedOn = at(12, 0, 0),
     .pastEvents = PastEvents::Reminded,
     .index = 0,
     .kind = Announcement::Past},
    {.what = "the event's own second, once the clock is past it, is past",
     .clock = at(12, 0, 5, 250),
     .lines = {"07.12.2026 12:00:05 >>> call"},
     .pastEvents = PastEvents::Reminded,
     .index = 0,
     .kind = Announcement::Past},
    {.what = "less than a second ahead is due, reminders switched on or not",
     .clock = at(12, 0, 5, 250),
     .lines = {"07.12.2026 12:00:06 >>> call"},
     .pastEvents = PastEvents::Reminded,
     .index = 0,
     .kind = Announcement::Due},
    {.what = "a second or more ahead, with past events",
     .clock = at(12, 0, 5, 0),
     .lines = {"07.12.2026 12:00:06 >>> call"},
     .pastEvents = PastEvents::Reminded},
    {.what = "the first in list order, past or due",
     .clock = at(12, 0, 5, 250),
     .lines = {"07.12.2026 18:00:00 >>> later", "07.12.2026 12:00:06 >>> due",
               "07.12.2026 08:00:00 >>> past"},
     .pastEvents = PastEvents::Reminded,
     .index = 1,
     .kind = Announcement::Due},
    {.what = "announced lines are not skipped: `from` keeps them from coming twice",
     .clock = at(12, 0, 5, 250),
     .lines = {"07.12.2026 12:00:06 >>> call", "07.12.2026 08:00:00 >>> past"},
     .switchedOn = at(12, 0, 0),
     .pastEvents = PastEvents::Reminded,
     .announced = {0},
     .index = 0,
     .kind = Announcement::Due},
    {.what = "from `from` on, past events too",
     .clock = at(12, 0, 5, 250),
     .lines = {"07.12.2026 12:00:06 >>> call", "07.12.2026 08:00:00 >>> past"},
     .pastEvents = PastEvents::Reminded,
     .from = 1,
     .index = 1,
     .kind = Announcement::Past},
    {.what = "an unreadable line is passed over, with past events",
     .clock = at(12, 0, 5),
     .lines = {"7.13.2026 >>> no such month", "06.12.2026 09:00:00 >>> yesterday"},
     .pastEvents = PastEvents::Reminded,
     .index = 1,
     .kind = Announcement::Past},
};

// A failing row is named by what it is about, not by its bytes.
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.what;
}

class ReminderDecisionTable : public ::testing::TestWithParam<Row> {};

TEST_P(ReminderDecisionTable, AnnouncesTheFirstLineDueOrPast) {
    const Row& row = GetParam();
    std::vector<std::int64_t> times;
    for (const std::string_view line : row.lines) {
        times.push_back(eventLineTime(line, row.clock.year).value_or(EventTimes::unreadable));
    }
    ReminderMemory memory;
    if (row.switchedOn) {
        memory.switchedOn(momentMillis(*row.switchedOn));
    }
    for (int index : row.announced) {
        const auto place = static_cast<std::size_t>(index);
        memory.announced(times[place], row.lines[place]);
    }
    const ReminderDecision decision =
        decideReminder(memory, times, row.lines, momentMillis(row.clock), row.from, row.pastEvents);
    EXPECT_EQ(decision.index, row.index);
    EXPECT_EQ(decision.kind, row.kind);
}

INSTANTIATE_TEST_SUITE_P(Rows, ReminderDecisionTable, ::testing::ValuesIn(rows),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             std::string name = std::to_string(info.index) + "_";
                             for (const char* c = info.param.what; *c != '\0'; ++c) {
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             }
                             return name;
                         });

// The clock set back stays remembered: once the clock is right again, the
// events between the earlier moment and the original switch-on still come.
TEST(ReminderDecisionTest, ASwitchOnMomentMovedBackStaysBack) {
    const Lines lines = {"07.12.2026 11:30:00 >>> call"};
    const std::vector<std::int64_t> times = {momentMillis(at(11, 30, 0))};
    ReminderMemory memory;
    memory.switchedOn(momentMillis(at(12, 0, 0)));
    EXPECT_EQ(
        decideReminder(memory, times, lines, momentMillis(at(11, 0, 0)), 0, PastEvents::Skipped)
            .kind,
        Announcement::None);
    EXPECT_EQ(memory.switchedOnAt(), momentMillis(at(11, 0, 0)));
    EXPECT_EQ(decideReminder(memory, times, lines, momentMillis(at(11, 30, 0, 500)), 0,
                             PastEvents::Skipped)
                  .index,
              0);
}

} // namespace
} // namespace norvik
