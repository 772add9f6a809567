#pragma once

class QKeyEvent;

namespace norvik::qt {

class FormView;
class QtPlatform;

// Enter and Escape that the focused control and its key handlers left to the
// window (a field's handler that took the key stops it before it gets here).
// Enter presses the button that has the focus, else the window's default
// button; Escape presses the cancel button, and in a dialog without one gives
// the close box's result. A hidden or disabled button is not pressed. Returns
// whether the key was Enter or Escape: Qt's own dialog handling of them never
// runs.
bool takeWindowKey(QtPlatform& platform, FormView& view, const QKeyEvent& event, bool dialog);

} // namespace norvik::qt
