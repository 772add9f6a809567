#include "app/TForm1.h"

#include "events/EventLine.h"
#include "events/EventTime.h"
#include "events/Postponement.h"
#include "events/TMyMessageBoxF.h"
#include "kit/Failure.h"
#include "kit/Platform.h"
#include "kit/ProgramEnded.h"
#include "store/Settings.h"

namespace norvik {

namespace {

const char* const settingsFile = "System.ini";
// An event is due on a tick less than this far from its time.
constexpr std::int64_t dueWindow = millisPerSecond;

// Raises a flag for the length of one step.
class Raised {
public:
    explicit Raised(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~Raised() { flag_ = previous_; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

private:
    bool& flag_;
    bool previous_;
};

enum class Announcement { None, Past, Due };

struct Found {
    int index = -1;
    Announcement kind = Announcement::None;
    std::int64_t time = 0;
};

} // namespace

void TForm1::connectScheduler() {
    Timer.onTimer = [this] { TimerTimer(); };
}

void TForm1::CheckBox1Click() {
    if (CheckBox1.checked() && !scheduler_.ownSwitching) {
        scheduler_.watchingSince = momentMillis(platform().now());
    }
    Timer.setEnabled(CheckBox1.checked());
}

void TForm1::stopReminding() {
    // The timer goes first: no tick may start under the reminder.
    Timer.setEnabled(false);
    const Raised own(scheduler_.ownSwitching);
    CheckBox1.setChecked(false);
}

void TForm1::resumeReminding() {
    const Raised own(scheduler_.ownSwitching);
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

    for (int from = 0; from < ListBox1.count();) {
        const DateTime clock = platform().now();
        const std::int64_t now = momentMillis(clock);
        // A clock set back before the moment reminders were switched on takes
        // that moment back with it.
        if (now < scheduler_.watchingSince) {
            scheduler_.watchingSince = now;
        }
        const std::vector<std::int64_t>& times = scheduler_.times.of(ListBox1, clock.year);
        if (scheduler_.announcedChecked != scheduler_.times.generation()) {
            scheduler_.announced.keepPresent(ListBox1.items(), times);
            scheduler_.announcedChecked = scheduler_.times.generation();
        }

        // Lines the scheduler cannot read are passed over: one mistyped line
        // must not silence every event after it.
        Found found;
        const int count = ListBox1.count();
        for (int i = from; i < count; ++i) {
            const std::int64_t time = times[static_cast<std::size_t>(i)];
            if (time == EventTimes::unreadable || time - now >= dueWindow) {
                continue;
            }
            if (pastEventsToo) {
                if (time < now) {
                    found = {i, Announcement::Past, time};
                    break;
                }
                if (now - time < dueWindow) {
                    found = {i, Announcement::Due, time};
                    break;
                }
                continue;
            }
            // Without past events each event is announced once, from the
            // first tick less than a second before its time, also when an
            // earlier reminder kept the user past its second; events before
            // the user switched reminders on are not.
            if (time >= scheduler_.watchingSince &&
                !scheduler_.announced.contains(time, ListBox1.item(i))) {
                found = {i, Announcement::Due, time};
                break;
            }
        }
        if (found.kind == Announcement::None) {
            return;
        }
        if (found.kind == Announcement::Past) {
            remindPastEvent(found.index);
            return;
        }
        remindDueEvent(found.index, found.time);
        resumeReminding();
        from = found.index + 1;
    }
}

void TForm1::remindPastEvent(int index) {
    bringBackForReminder();
    stopReminding();
    const ReminderAnswer answer = showReminder(*this, warningText);
    if (answer.result == reminderAgain) {
        postponeEvent(index, answer.minutes);
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

void TForm1::remindDueEvent(int index, std::int64_t time) {
    bringBackForReminder();
    ListBox1.setCurrent(index);
    ListBox1.setTopIndex(index);
    scheduler_.announced.add(time, ListBox1.item(index));
    stopReminding();
    const ReminderAnswer answer = showReminder(*this, warningText);
    if (answer.result == reminderAgain) {
        postponeEvent(index, answer.minutes);
    }
}

void TForm1::postponeEvent(int index, int minutes) {
    if (index >= ListBox1.count()) {
        return;
    }
    const Text& line = ListBox1.item(index);
    const auto moved = postponeLine(line, minutes, platform().now().year);
    if (!moved) {
        throw Failure("'" + dateTextOf(line) + "' is not a valid date and time");
    }
    ListBox1.replace(index, *moved);
    // Saved at once, like every other change of the list: quitting must not
    // bring the old time back.
    saveEvents();
}

} // namespace norvik
