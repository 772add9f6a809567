// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "desktop/TTrayIcon.h"
#include "events/EventTime.h"
#include "events/EventTimes.h"
#include "events/ReminderMemory.h"
#include "kit/Dispatch.h"
#include "kit/Platform.h"
#include "language/BuiltInText.h"

#include <string>

namespace norvik {

namespace {

// The tray menu and tooltip are the program's own texts: the language
// modules users already have keep their lines.
constexpr BuiltInText restoreText{"Восстановить", "Restore"};
constexpr BuiltInText remindersText{"Оповещение вкл.", "Reminders on"};
constexpr BuiltInText exitText{"Выход", "Exit"};
constexpr BuiltInText stillTodayText{"Сегодня ещё не объявлено: ", "Still to announce today: "};

} // namespace

void TForm1::connectTray() {
    SystemTray.onClick = [this] { SystemTrayClick(); };
    trayIcon.OnRestore = [this] { TrayIcon1Restore(); };
    onRestoreRequest = [this] { trayIcon.ApplicationRestoreCommand(); };
    onLogoff = [this] { trayIcon.LogOffNotice(); };
    TrayIcon1.popupMenu = &PopupMenu1;
    PopupMenu1.onClick = [this] { PopupMenu1Popup(); };
    N24.onClick = [this] { N24Click(); };
    N25.onClick = [this] { N25Click(); };
    N27.onClick = [this] { N27Click(); };
}

void TForm1::SystemTrayClick() {
    platform().hideMainWindow(*this);
    // The icon shows with its tooltip and menu in place.
    PopupMenu1Popup();
    // A desktop without a notification area must not leave the program
    // invisible: the failure is reported, then the window comes back.
    if (!dispatch(platform(), [this] { trayIcon.SetVisible(true); })) {
        platform().showMainWindow(*this);
    }
}

void TForm1::TrayIcon1Restore() {
    platform().showMainWindow(*this);
    trayIcon.SetVisible(false);
}

bool TForm1::bringBackForReminder() {
    // Also out of a minimised state, raised and active, so that the modal
    // reminder is never hidden behind the window.
    platform().restoreMainWindow(*this);
    if (!trayIcon.Visible()) {
        return true;
    }
    // An icon that cannot be deleted is reported here and ends the tick with
    // reminders still on: its flag is false now, so the next tick brings the
    // reminder instead of failing again.
    return dispatch(platform(), [this] { trayIcon.SetVisible(false); });
}

void TForm1::PopupMenu1Popup() {
    N24.caption = builtInText(restoreText, loadedModule_);
    N25.caption = builtInText(remindersText, loadedModule_);
    N25.checked = CheckBox1.checked();
    N27.caption = builtInText(exitText, loadedModule_);
    updateTrayHint();
}

void TForm1::N24Click() {
    trayIcon.Restore();
}

void TForm1::N25Click() {
    // The same switch as the check box, with the same effects.
    CheckBox1.setChecked(!CheckBox1.checked());
    N25.checked = CheckBox1.checked();
}

void TForm1::N27Click() {
    // Back on screen first: the close sequence may ask about the reminders
    // or the notes, and a question must have its window to stand by.
    trayIcon.Restore();
    ExitClick();
}

void TForm1::updateTrayHint() {
    const DateTime clock = platform().now();
    const std::int64_t now = momentMillis(clock);
    // From the current second (an event of this very second is still to come)
    // to the end of the day.
    const std::int64_t from = now - now % millisPerSecond;
    const std::int64_t to =
        momentMillis(DateTime{clock.year, clock.month, clock.day}) + millisPerDay;
    const int count = reminderMemory_->notAnnounced(eventTimes_->of(ListBox1, clock.year),
                                                    ListBox1.items(), from, to);
    TrayIcon1.hint = std::string(applicationTitle) + "\n" +
                     builtInText(stillTodayText, loadedModule_) + std::to_string(count);
}

} // namespace norvik
