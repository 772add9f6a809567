// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/DateTime.h"
#include "kit/Text.h"

#include <functional>
#include <string>

namespace norvik {

class Form;
class Timer;
class TrayIcon;

// Message box flags: icon and buttons.
inline constexpr int mbError = 16;            // error icon, OK
inline constexpr int mbQuestion = 36;         // question icon, Yes and No
inline constexpr int mbWarningYesNo = 52;     // warning icon, Yes and No
inline constexpr int mbInformation = 64;      // information icon, OK
inline constexpr int mbInformationYesNo = 68; // information icon, Yes and No
// Added to the flags of a Yes/No box: No is the default button, so that a
// hurried Enter answers the harmless way.
inline constexpr int mbDefaultButton2 = 256;

inline constexpr int idOk = 1;
// A Yes/No box dismissed with Escape or its close button: the answer that
// changes nothing.
inline constexpr int idCancel = 2;
inline constexpr int idYes = 6;
inline constexpr int idNo = 7;

inline bool isYesNo(int flags) {
    const int buttons = flags & ~mbDefaultButton2;
    return buttons == mbQuestion || buttons == mbWarningYesNo || buttons == mbInformationYesNo;
}

// The one interface between the core and the outside world. The Qt front end
// implements it with real windows, the headless one with a line protocol.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal box with no owner window; returns the answer (idYes, idNo, idOk,
    // or idCancel when a Yes/No box was dismissed).
    virtual int messageBox(const Text& text, const Text& title, int flags) = 0;
    // Shows a window modally and runs its loop until form.modalResult is set;
    // returns the modal result. The form's show handler has already run.
    virtual int runModal(Form& form) = 0;
    // The main window: shown (from hidden), hidden, brought back to the front.
    virtual void showMainWindow(Form& form) = 0;
    virtual void hideMainWindow(Form& form) = 0;
    virtual void restoreMainWindow(Form& form) = 0;

    virtual DateTime now() = 0;
    // The timer was switched on or off, or its interval changed.
    virtual void timerChanged(Timer& timer) = 0;

    // Hands a document or address to the desktop; false when nothing opened it.
    virtual bool shellOpen(const Text& verb, const Text& target) = 0;

    // The notification-area icon; false when the desktop refused.
    virtual bool addTrayIcon(TrayIcon& icon) = 0;
    virtual bool removeTrayIcon(TrayIcon& icon) = 0;

    // A reminder dialog opened for an event line, and was answered. A front
    // end that can also tell the desktop (a notification, since a desktop may
    // refuse to bring the window forward) does so; the others ignore it.
    virtual void reminderShown(const Text& /*eventLine*/) {}
    virtual void reminderAnswered() {}

    // Ends the program; the caller returns at once and nothing else runs.
    virtual void terminate() = 0;

    // Runs a task, inside dispatch, once every handler running now has
    // returned and no dialog or box is open; tasks run in the order given.
    virtual void runWhenIdle(std::function<void()> task) = 0;
    // Whether a dialog or a message box is open.
    virtual bool modalOpen() = 0;

    // A language module was loaded (0 Russian, 1 English): the platform's own
    // texts (box buttons, the calendar, context menus) may follow it.
    virtual void languageChosen(int /*module*/) {}

    // The desktop's locale for messages (such as "en_GB.UTF-8"), empty when
    // none is set: a new data directory takes its language from it.
    virtual std::string desktopLocale() { return {}; }
};

} // namespace norvik
