// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"

#include <QObject>
#include <functional>

namespace norvik::qt {

// Double clicks of any button on the tray icon's own window. Where the tray
// embeds the icon as a window of ours (XEmbed trays: trayer and most X11
// panels), Qt turns only a left double click into an activation; a right or
// middle one it swallows. Watching the icon's window catches all three.
// StatusNotifier hosts draw the icon themselves, and nothing arrives here.
class TrayDoubleClicks : public QObject {
public:
    // onDoubleClick runs after the event is handled, so it may remove the icon.
    explicit TrayDoubleClicks(std::function<void(MouseButton)> onDoubleClick);
    ~TrayDoubleClicks() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(MouseButton)> onDoubleClick_;
};

} // namespace norvik::qt
