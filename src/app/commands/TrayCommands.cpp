// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "desktop/TTrayIcon.h"
#include "kit/Dispatch.h"
#include "kit/Platform.h"

namespace norvik {

void TForm1::connectTray() {
    SystemTray.onClick = [this] { SystemTrayClick(); };
    trayIcon.OnRestore = [this] { TrayIcon1Restore(); };
    onRestoreRequest = [this] { trayIcon.ApplicationRestoreCommand(); };
    onLogoff = [this] { trayIcon.LogOffNotice(); };
}

void TForm1::SystemTrayClick() {
    platform().hideMainWindow(*this);
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

} // namespace norvik
