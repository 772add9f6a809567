// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"

#include <functional>

namespace norvik {

// The mouse action on the icon that restores the application.
enum class TTrayIconMessage {
    imClick,
    imDoubleClick,
    imMouseDown,
    imMouseUp,
    imLeftClickUp,
    imLeftDoubleClick,
    imRightClickUp,
    imRightDoubleClick,
    imNone,
};

// The notification-area icon component. It drives the main window's kit
// control (TrayIcon1), whose visible flag is the component's Visible: set by
// adding the icon, cleared by deleting it; the platform adds and deletes the
// icon itself. While the icon is shown the component answers the
// application's restore command (its hook on the application window).
class TTrayIcon {
public:
    explicit TTrayIcon(TrayIcon& icon);
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    bool Visible() const { return icon_.visible; }
    // Adds or deletes the icon. Adding fails with "Cannot Create System Shell
    // Notification Icon" and leaves the icon hidden; deleting fails with
    // "Cannot Remove System Shell Notification Icon" after the flag went
    // false, with the hook still in place.
    void SetVisible(bool on);

    // A press and release, or a double click, on the icon, as the desktop
    // reports it.
    void DoMessage(MouseButton button, bool doubleClick);
    // The application's restore command (from the task bar): restores while
    // the hook is installed, otherwise it is none of the icon's business.
    void ApplicationRestoreCommand();
    // The desktop's log-off or shut-down notice: the icon is deleted, whether
    // or not the session really ends; Visible and the hook stay as they were.
    void LogOffNotice();

    // Brings the application back, then raises OnRestore.
    void Restore();

    // Set when the icon is added, cleared when it is deleted.
    bool Hide = true;
    TTrayIconMessage RestoreOn = TTrayIconMessage::imDoubleClick;

    std::function<void()> OnRestore;
    std::function<void()> OnClick;
    std::function<void(MouseButton)> OnMouseDown;
    std::function<void(MouseButton)> OnMouseUp;

private:
    void DoClick();
    void DoDblClick();
    void DoMouseDown(MouseButton button);
    void DoMouseUp(MouseButton button);

    TrayIcon& icon_;
    // The desktop holds the icon (a log-off notice may delete it while the
    // window still waits in the tray).
    bool added_ = false;
    bool hooked_ = false;
};

} // namespace norvik
