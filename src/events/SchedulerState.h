#pragma once

#include "events/AnnouncedEvents.h"
#include "events/EventTimes.h"

#include <cstdint>

namespace norvik {

// What the reminder scheduler keeps between ticks.
struct SchedulerState {
    EventTimes times;
    // The list generation `announced` was last checked against.
    std::uint64_t announcedChecked = 0;
    AnnouncedEvents announced;
    // The moment the user last switched reminders on. Without past-event
    // reminding only events from that moment on are announced.
    std::int64_t watchingSince = 0;
    // Set while the scheduler itself switches reminders off and on around a
    // reminder: that is not the user switching them on.
    bool ownSwitching = false;
};

} // namespace norvik
