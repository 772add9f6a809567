// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;

namespace norvik::qt {

class FormView;
class QtPlatform;

// Enter and Escape that the focused control and its key handlers left to the
// window (a field's handler that took the key stops it before it gets here).
// Enter presses the button that has the focus, else the window's default
// button; Escape presses its cancel button. A window that names no such
// button (the reminder dialog) leaves them alone, as does a hidden or
// disabled button. Returns whether the key was Enter or Escape: Qt's own
// dialog handling of them never runs.
bool takeWindowKey(QtPlatform& platform, FormView& view, const QKeyEvent& event);

} // namespace norvik::qt
