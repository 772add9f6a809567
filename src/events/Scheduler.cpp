#include "app/TForm1.h"

#include "events/EventLine.h"
#include "events/EventTime.h"
#include "events/EventTimes.h"
#include "events/Postponement.h"
#include "events/TMyMessageBoxF.h"
#include "kit/Failure.h"
#include "kit/Platform.h"
#include "kit/ProgramEnded.h"
#include "store/Settings.h"

namespace norvik {

namespace {

const char* const settingsFile = "System.ini";
// An event is due on a tick less than this far from its time, either way.
constexpr std::int64_t dueWindow = millisPerSecond;

enum class Announcement { None, Past, Due };

struct Found {
    int index = -1;
    Announcement kind = Announcement::None;
};

// The first line from `from` on that a tick announces now.
Found firstToAnnounce(const std::vector<std::int64_t>& times, int from, std::int64_t now,
                      bool pastEventsToo) {
    for (int i = from; i < static_cast<int>(times.size()); ++i) {
        const std::int64_t time = times[static_cast<std::size_t>(i)];
        // A line the scheduler cannot read is passed over: one mistyped line
        // must not silence every event after it.
        if (time == EventTimes::unreadable) {
            continue;
        }
        if (pastEventsToo && time < now) {
            return {i, Announcement::Past};
        }
        if (time - now < dueWindow && now - time < dueWindow) {
            return {i, Announcement::Due};
        }
    }
    return {};
}

} // namespace

void TForm1::connectScheduler() {
    Timer.onTimer = [this] { TimerTimer(); };
}

void TForm1::CheckBox1Click() {
    Timer.setEnabled(CheckBox1.checked());
}

void TForm1::stopReminding() {
    // The timer goes first: no tick may start under the reminder.
    Timer.setEnabled(false);
    CheckBox1.setChecked(false);
}

void TForm1::resumeReminding() {
    CheckBox1.setChecked(true);
    Timer.setEnabled(true);
}

void TForm1::TimerTimer() {
    try {
        runTick();
    } catch (const ProgramEnded&) {
        throw;
    } catch (...) {
        // Reminders go off before the failure is reported, so that a failing
        // tick cannot come back every second under its own error box.
        stopReminding();
        throw;
    }
}

void TForm1::runTick() {
    if (ListBox3.empty()) {
        ListBox3.setItems(files().loadLines(settingsFile));
    }
    if (ListBox1.empty()) {
        return;
    }
    const bool pastEventsToo = lookupKey(ListBox3.items(), "LastEvent") == "1";

    // The clock is read again after every reminder: answering one takes time,
    // and the lines after it are compared with the time it was answered.
    for (int from = 0; from < ListBox1.count();) {
        const DateTime clock = platform().now();
        const std::vector<std::int64_t>& times = eventTimes_.of(ListBox1, clock.year);
        const Found found = firstToAnnounce(times, from, momentMillis(clock), pastEventsToo);
        if (found.kind == Announcement::None) {
            return;
        }
        if (found.kind == Announcement::Past) {
            remindPastEvent(found.index, clock.year);
            return;
        }
        if (!remindDueEvent(found.index, clock.year)) {
            return;
        }
        resumeReminding();
        from = found.index + 1;
    }
}

void TForm1::remindPastEvent(int index, int year) {
    if (!bringBackForReminder()) {
        return;
    }
    stopReminding();
    const ReminderAnswer answer = showReminder(*this, warningText);
    if (answer.result == reminderAgain) {
        postponeEvent(index, answer.minutes, year);
        resumeReminding();
        return;
    }
    if (ask(106, 107, mbQuestion) == idYes) {
        // Nothing else can change the list while reminders are off, but the
        // line is looked up again rather than trusted.
        if (index < ListBox1.count()) {
            ListBox1.removeAt(index);
        }
        ask(108, 109, mbInformation);
        resumeReminding();
        saveEvents();
        return;
    }
    ask(110, 111, mbInformation);
    stopReminding();
}

bool TForm1::remindDueEvent(int index, int year) {
    if (!bringBackForReminder()) {
        return false;
    }
    ListBox1.setCurrent(index);
    ListBox1.setTopIndex(index);
    stopReminding();
    const ReminderAnswer answer = showReminder(*this, warningText);
    if (answer.result == reminderAgain) {
        postponeEvent(index, answer.minutes, year);
    }
    return true;
}

void TForm1::postponeEvent(int index, int minutes, int year) {
    if (index >= ListBox1.count()) {
        return;
    }
    const Text line(ListBox1.item(index));
    // The line is read as the tick read it: a date text without a year that
    // was due on New Year's Eve stays in the old year when the answer comes
    // after midnight.
    const auto moved = postponeLine(line, minutes, year);
    if (!moved) {
        throw Failure("'" + dateTextOf(line) + "' is not a valid date and time");
    }
    ListBox1.replace(index, *moved);
    // Saved at once, like every other change of the list: quitting must not
    // bring the old time back.
    saveEvents();
}

} // namespace norvik
