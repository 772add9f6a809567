// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "desktop/TTrayIcon.h"
#include "events/EventLine.h"
#include "events/EventTime.h"
#include "events/EventTimes.h"
#include "events/Postponement.h"
#include "events/ReminderDecision.h"
#include "events/ReminderMemory.h"
#include "events/TMyMessageBoxF.h"
#include "kit/Failure.h"
#include "kit/Platform.h"
#include "kit/ProgramEnded.h"
#include "kit/RaisedFlag.h"
#include "language/DialogContext.h"
#include "store/DataFiles.h"
#include "store/FileStore.h"
#include "store/Settings.h"

namespace norvik {

namespace {

// Tells the platform that the reminder is over, however the dialog ends.
class ReminderOnScreen {
public:
    ReminderOnScreen(Platform& platform, std::string_view eventLine) : platform_(platform) {
        platform_.reminderShown(Text(eventLine));
    }
    ~ReminderOnScreen() { platform_.reminderAnswered(); }
    ReminderOnScreen(const ReminderOnScreen&) = delete;
    ReminderOnScreen& operator=(const ReminderOnScreen&) = delete;

private:
    Platform& platform_;
};

} // namespace

void TForm1::connectScheduler() {
    Timer.onTimer = [this] { TimerTimer(); };
}

void TForm1::CheckBox1Click() {
    // Only the user's switching on (a click, or an event added with reminders
    // on) sets the moment from which events are announced; the scheduler's
    // own switching back on after a reminder keeps it.
    if (CheckBox1.checked() && !resumingReminders_) {
        reminderMemory_->switchedOn(momentMillis(platform().now()));
    }
    Timer.setEnabled(CheckBox1.checked());
}

void TForm1::stopReminding() {
    // The timer goes first: no tick may start under the reminder.
    Timer.setEnabled(false);
    CheckBox1.setChecked(false);
}

void TForm1::resumeReminding() {
    const RaisedFlag resuming(resumingReminders_);
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
    // Time moves on while the window waits in the tray: the tooltip's count
    // follows (an announcement would have brought the window back).
    if (trayIcon.Visible()) {
        updateTrayHint();
    }
}

void TForm1::runTick() {
    if (ListBox3.empty()) {
        ListBox3.setItems(files().loadLines(settingsFile));
    }
    if (ListBox1.empty()) {
        return;
    }
    if (lookupKey(ListBox3.items(), SettingKey::LastEvent) == "1") {
        runPastEventsTick();
        return;
    }
    // Each event is announced once: the lines already announced are skipped,
    // so the scan starts again from the top after every reminder and finds
    // what fell due while it was being answered.
    for (;;) {
        const DateTime clock = platform().now();
        const std::vector<std::int64_t>& times = eventTimes_->of(ListBox1, clock.year);
        const ReminderDecision found = decideReminder(*reminderMemory_, times, ListBox1.items(),
                                                      momentMillis(clock), 0, PastEvents::Skipped);
        if (found.kind == Announcement::None) {
            return;
        }
        const std::int64_t time = times[static_cast<std::size_t>(found.index)];
        if (!remindDueEvent(found.index, clock.year, time)) {
            return;
        }
        resumeReminding();
    }
}

void TForm1::runPastEventsTick() {
    // The clock is read again after every reminder: answering one takes time,
    // and the lines after it are compared with the time it was answered.
    for (int from = 0; from < ListBox1.count();) {
        const DateTime clock = platform().now();
        const std::vector<std::int64_t>& times = eventTimes_->of(ListBox1, clock.year);
        const ReminderDecision found =
            decideReminder(*reminderMemory_, times, ListBox1.items(), momentMillis(clock), from,
                           PastEvents::Reminded);
        if (found.kind == Announcement::None) {
            return;
        }
        if (found.kind == Announcement::Past) {
            remindPastEvent(found.index, clock.year);
            return;
        }
        const std::int64_t time = times[static_cast<std::size_t>(found.index)];
        if (!remindDueEvent(found.index, clock.year, time)) {
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
    const ReminderAnswer answer = showReminderFor(index);
    if (answer.result == reminderAgain) {
        postponeEvent(index, answer.minutes, year);
        resumeReminding();
        return;
    }
    if (ask(Line::PastEventQuestion, Line::PastEventQuestionTitle, mbQuestion) == idYes) {
        // Nothing else can change the list while reminders are off, but the
        // line is looked up again rather than trusted.
        if (index < ListBox1.count()) {
            ListBox1.removeAt(index);
        }
        ask(Line::PastEventDeleted, Line::PastEventDeletedTitle, mbInformation);
        resumeReminding();
        saveEvents();
        return;
    }
    ask(Line::PastEventKept, Line::PastEventKeptTitle, mbInformation);
    stopReminding();
}

bool TForm1::remindDueEvent(int index, int year, std::int64_t time) {
    // A reminder whose window could not be brought back is not counted as
    // shown: a following tick brings it.
    if (!bringBackForReminder()) {
        return false;
    }
    ListBox1.setCurrent(index);
    ListBox1.setTopIndex(index);
    ListBox1.setFocus();
    reminderMemory_->announced(time, ListBox1.item(index));
    stopReminding();
    ReminderAnswer answer;
    {
        const RaisedFlag due(ListBox1.currentIsDue);
        answer = showReminderFor(index);
    }
    if (answer.result == reminderAgain) {
        postponeEvent(index, answer.minutes, year);
    }
    return true;
}

ReminderAnswer TForm1::showReminderFor(int index) {
    const ReminderOnScreen onScreen(platform(), ListBox1.item(index));
    return showReminder(dialogContext(), warningText);
}

void TForm1::postponeEvent(int index, int minutes, int year) {
    if (index >= ListBox1.count()) {
        return;
    }
    const Text line(ListBox1.item(index));
    // The line is read as the tick read it: a date text without a year that
    // was due on New Year's Eve stays in the old year when the answer comes
    // after midnight. The minutes count from the answer when it came after
    // the event's own time.
    const auto moved = postponeLine(line, minutes, year, platform().now());
    if (!moved) {
        throw Failure("'" + dateTextOf(line) + "' is not a valid date and time");
    }
    ListBox1.replace(index, *moved);
    reminderMemory_->replaced(*moved);
    // Saved at once, like every other change of the list: quitting must not
    // bring the old time back.
    saveEvents();
}

} // namespace norvik
