// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"

#include <QPointer>
#include <utility>
#include <vector>

class QAction;
class QMenu;

namespace norvik::qt {

class QtPlatform;

// The tray icon's right-click menu, built from the kit's menu items. Opening
// it runs the menu's own handler, which brings its texts and marks up to
// date; a chosen item's handler runs once the menu has closed, so that it may
// take the icon and its menu away.
class TrayMenu {
public:
    TrayMenu(QtPlatform& platform, MenuItem& root);
    // The menu goes once the event loop is back: it may be its own item
    // that removed the icon.
    ~TrayMenu();
    TrayMenu(const TrayMenu&) = delete;
    TrayMenu& operator=(const TrayMenu&) = delete;

    QMenu* menu() const;
    // Brings captions, marks and states up to date with the kit's items.
    void sync();

private:
    QPointer<QMenu> menu_;
    std::vector<std::pair<MenuItem*, QAction*>> actions_;
};

} // namespace norvik::qt
