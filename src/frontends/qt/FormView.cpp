// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/FormView.h"

#include "frontends/qt/ControlView.h"
#include "frontends/qt/FocusRing.h"
#include "frontends/qt/Look.h"
#include "frontends/qt/QtPlatform.h"
#include "frontends/qt/QtText.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <functional>
#include <map>

namespace norvik::qt {

FormView::FormView(QtPlatform& platform, Form& form, QWidget& client)
    : platform_(platform), form_(form), client_(client) {
    std::map<const Control*, QWidget*> widgets;
    for (const auto& control : form.controls()) {
        // Parents are created before their children, so a parent's widget is known.
        QWidget* parent = &client;
        if (control->parent() != nullptr) {
            const auto found = widgets.find(control->parent());
            if (found != widgets.end()) {
                parent = found->second;
            }
        }
        auto view = makeControlView(platform, *control, *parent);
        if (view) {
            widgets[control.get()] = &view->widget();
            views_.push_back(std::move(view));
        }
    }
    if (!form.menu().empty()) {
        buildMenu();
    }
    sync();
    for (const auto& view : views_) {
        view->refit();
    }
    focusRing_ =
        new FocusRing(client, [this](QWidget* focused) { return controlWidgetAt(focused); });
}

FormView::~FormView() {
    delete focusRing_;
    // Views hand the live texts back to their controls before the widgets go.
    views_.clear();
}

void FormView::buildMenu() {
    menuBar_ = new QMenuBar;
    auto connectItem = [this](MenuItem* item, QAction* action) {
        QObject::connect(action, &QAction::triggered, action, [this, item] {
            if (item->onClick) {
                platform_.run(item->onClick);
            } else {
                platform_.syncAll();
            }
        });
        menu_.push_back({item, action, {}, true, true});
    };
    std::function<void(QMenu&, MenuItem&)> fill = [&](QMenu& menu, MenuItem& parent) {
        for (MenuItem* child : parent.items) {
            if (child->separator()) {
                menu_.push_back({child, menu.addSeparator(), {}, true, true});
            } else if (!child->items.empty()) {
                QMenu* sub = menu.addMenu(toQt(child->caption));
                menu_.push_back({child, sub->menuAction(), {}, true, true});
                fill(*sub, *child);
            } else {
                connectItem(child, menu.addAction(toQt(child->caption)));
            }
        }
    };
    for (MenuItem* item : form_.menu()) {
        if (item->items.empty()) {
            // A command on the bar itself.
            connectItem(item, menuBar_->addAction(toQt(item->caption)));
            continue;
        }
        QMenu* menu = menuBar_->addMenu(toQt(item->caption));
        menu_.push_back({item, menu->menuAction(), {}, true, true});
        if (item->onClick) {
            QObject::connect(menu, &QMenu::aboutToShow, menu,
                             [this, item] { platform_.run(item->onClick); });
        }
        fill(*menu, *item);
    }
}

void FormView::syncMenu() {
    for (MenuEntry& entry : menu_) {
        const MenuItem& item = *entry.item;
        if (first_ || item.caption != entry.caption) {
            entry.caption = item.caption;
            if (!item.separator()) {
                entry.action->setText(toQt(item.caption));
            }
        }
        if (first_ || item.enabled != entry.enabled) {
            entry.enabled = item.enabled;
            entry.action->setEnabled(item.enabled);
        }
        if (first_ || item.visible != entry.visible) {
            entry.visible = item.visible;
            entry.action->setVisible(item.visible);
        }
    }
}

void FormView::sync() {
    if (first_ || form_.clientWidth != width_ || form_.clientHeight != height_) {
        width_ = form_.clientWidth;
        height_ = form_.clientHeight;
        client_.setFixedSize(width_, height_);
    }
    if (first_ || form_.color != color_) {
        color_ = form_.color;
        paintSurface(client_, form_.color, form_.font.color, true);
    }
    if (first_ || form_.caption != caption_) {
        caption_ = form_.caption;
        client_.window()->setWindowTitle(toQt(form_.caption));
    }
    for (const auto& view : views_) {
        view->sync();
    }
    syncMenu();
    if (form_.focusRevision() != focus_) {
        focus_ = form_.focusRevision();
        // The program moved the focus (a due or found line): the widget takes
        // it, also while the window is inactive, so it has it when it comes back.
        if (QWidget* widget =
                form_.focused() != nullptr ? widgetOf(form_.focused()->name()) : nullptr) {
            widget->setFocus(Qt::OtherFocusReason);
        }
    }
    first_ = false;
}

Control* FormView::controlAt(QWidget* widget) const {
    for (QWidget* part = widget; part != nullptr && part != &client_; part = part->parentWidget()) {
        for (const auto& view : views_) {
            if (&view->widget() == part) {
                return &view->control();
            }
        }
    }
    return nullptr;
}

QWidget* FormView::controlWidgetAt(QWidget* widget) const {
    Control* control = controlAt(widget);
    return control != nullptr ? widgetOf(control->name()) : nullptr;
}

QWidget* FormView::widgetOf(std::string_view controlName) const {
    for (const auto& view : views_) {
        if (view->control().name() == controlName) {
            return &view->widget();
        }
    }
    return nullptr;
}

} // namespace norvik::qt
