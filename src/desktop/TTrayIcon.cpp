// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/TTrayIcon.h"

#include "kit/Controls.h"
#include "kit/Failure.h"
#include "kit/Form.h"
#include "kit/Platform.h"

namespace norvik {

TTrayIcon::TTrayIcon(TrayIcon& icon) : icon_(icon) {
    icon_.visible = false;
    icon_.onMouse = [this](MouseButton button, bool doubleClick) {
        DoMessage(button, doubleClick);
    };
}

void TTrayIcon::SetVisible(bool on) {
    Platform& platform = icon_.form().platform();
    if (on) {
        if (!added_ && !platform.addTrayIcon(icon_)) {
            // The flag stays false: no later reminder may try to remove an
            // icon that was never there.
            throw Failure("Cannot Create System Shell Notification Icon");
        }
        added_ = true;
        icon_.visible = true;
        Hide = true;
        hooked_ = true;
        return;
    }
    if (!icon_.visible && !hooked_) {
        return;
    }
    icon_.visible = false;
    // An icon the desktop already took away (at a log-off notice) is simply
    // gone: there is nothing left to fail on.
    if (added_ && !platform.removeTrayIcon(icon_)) {
        throw Failure("Cannot Remove System Shell Notification Icon");
    }
    added_ = false;
    Hide = false;
    hooked_ = false;
}

void TTrayIcon::DoMessage(MouseButton button, bool doubleClick) {
    if (doubleClick) {
        DoDblClick();
        if ((button == MouseButton::Left && RestoreOn == TTrayIconMessage::imLeftDoubleClick) ||
            (button == MouseButton::Right && RestoreOn == TTrayIconMessage::imRightDoubleClick)) {
            Restore();
        }
        return;
    }
    DoMouseDown(button);
    if (button == MouseButton::Left) {
        DoClick();
    }
    DoMouseUp(button);
    if ((button == MouseButton::Left && RestoreOn == TTrayIconMessage::imLeftClickUp) ||
        (button == MouseButton::Right && RestoreOn == TTrayIconMessage::imRightClickUp)) {
        Restore();
    }
}

void TTrayIcon::DoClick() {
    if (OnClick) {
        OnClick();
    }
    if (RestoreOn == TTrayIconMessage::imClick) {
        Restore();
    }
}

void TTrayIcon::DoDblClick() {
    if (RestoreOn == TTrayIconMessage::imDoubleClick) {
        Restore();
    }
}

void TTrayIcon::DoMouseDown(MouseButton button) {
    if (OnMouseDown) {
        OnMouseDown(button);
    }
    if (RestoreOn == TTrayIconMessage::imMouseDown) {
        Restore();
    }
}

void TTrayIcon::DoMouseUp(MouseButton button) {
    if (OnMouseUp) {
        OnMouseUp(button);
    }
    if (RestoreOn == TTrayIconMessage::imMouseUp) {
        Restore();
    }
}

void TTrayIcon::Restore() {
    Form& window = icon_.form();
    window.platform().restoreMainWindow(window);
    if (OnRestore) {
        OnRestore();
    }
}

void TTrayIcon::ApplicationRestoreCommand() {
    if (hooked_) {
        Restore();
    }
}

void TTrayIcon::LogOffNotice() {
    if (!added_) {
        return;
    }
    // Only the icon goes: Visible keeps its value and the hook stays, so the
    // task bar's restore command still brings the window back.
    if (icon_.form().platform().removeTrayIcon(icon_)) {
        added_ = false;
    }
}

} // namespace norvik
