// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/TrayMenu.h"

#include "frontends/qt/QtPlatform.h"
#include "frontends/qt/QtText.h"

#include <QAction>
#include <QMenu>

namespace norvik::qt {

TrayMenu::TrayMenu(QtPlatform& platform, MenuItem& root) : menu_(new QMenu) {
    for (MenuItem* item : root.items) {
        if (item->separator()) {
            actions_.emplace_back(item, menu_->addSeparator());
            continue;
        }
        QAction* action = menu_->addAction(toQt(item->caption));
        QObject::connect(
            action, &QAction::triggered, menu_,
            [&platform, item] {
                if (item->onClick) {
                    platform.run(item->onClick);
                }
            },
            Qt::QueuedConnection);
        actions_.emplace_back(item, action);
    }
    QObject::connect(menu_, &QMenu::aboutToShow, menu_, [&platform, &root] {
        if (root.onClick) {
            platform.run(root.onClick);
        }
    });
    sync();
}

TrayMenu::~TrayMenu() {
    if (menu_) {
        menu_->deleteLater();
    }
}

QMenu* TrayMenu::menu() const {
    return menu_;
}

void TrayMenu::sync() {
    for (const auto& [item, action] : actions_) {
        if (item->separator()) {
            continue;
        }
        const QString caption = toQt(item->caption);
        if (action->text() != caption) {
            action->setText(caption);
        }
        // Only a checked item shows a mark; the others keep the plain look.
        action->setCheckable(item->checked);
        action->setChecked(item->checked);
        action->setEnabled(item->enabled);
        action->setVisible(item->visible);
    }
}

} // namespace norvik::qt
