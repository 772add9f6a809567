// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/TrayDoubleClicks.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

namespace norvik::qt {

TrayDoubleClicks::TrayDoubleClicks(std::function<void(MouseButton)> onDoubleClick)
    : onDoubleClick_(std::move(onDoubleClick)) {
    qApp->installEventFilter(this);
}

TrayDoubleClicks::~TrayDoubleClicks() {
    qApp->removeEventFilter(this);
}

bool TrayDoubleClicks::eventFilter(QObject* watched, QEvent* event) {
    // The icon's window on an XEmbed tray is Qt's own private widget class.
    if (event->type() != QEvent::MouseButtonDblClick || !watched->inherits("QSystemTrayIconSys")) {
        return false;
    }
    MouseButton button = MouseButton::Left;
    switch (static_cast<QMouseEvent*>(event)->button()) {
    case Qt::LeftButton:
        break;
    case Qt::RightButton:
        button = MouseButton::Right;
        break;
    case Qt::MiddleButton:
        button = MouseButton::Middle;
        break;
    default:
        return false;
    }
    // Taken here for every button, so a left one is not reported twice.
    QTimer::singleShot(0, this, [this, button] { onDoubleClick_(button); });
    return true;
}

} // namespace norvik::qt
