// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"
#include "kit/Form.h"

#include <QPointer>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

class QAction;
class QMenuBar;
class QWidget;

namespace norvik::qt {

class ControlView;
class FocusRing;
class QtPlatform;

// A kit form's client area: every control as a widget at its design
// geometry (no layouts), and its main menu as a menu bar the host window
// puts outside the client area.
class FormView {
public:
    FormView(QtPlatform& platform, Form& form, QWidget& client);
    ~FormView();
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    Form& form() const { return form_; }
    QWidget& client() const { return client_; }
    // The menu bar, or nothing when the form has no menu; the host takes it.
    QMenuBar* takeMenuBar() { return menuBar_; }
    void sync();
    QWidget* widgetOf(std::string_view controlName) const;
    // The control a widget shows, also for a part of a control's widget
    // (a drop-down list's field); nothing for other widgets.
    Control* controlAt(QWidget* widget) const;
    QWidget* controlWidgetAt(QWidget* widget) const;

private:
    void buildMenu();
    void syncMenu();

    QtPlatform& platform_;
    Form& form_;
    QWidget& client_;
    QMenuBar* menuBar_ = nullptr;
    std::vector<std::unique_ptr<ControlView>> views_;
    // A child of the client area or of a frame in it; it asks this view which
    // widget has the focus, so it goes first.
    QPointer<FocusRing> focusRing_;
    struct MenuEntry {
        MenuItem* item;
        QAction* action;
        Text caption;
        bool enabled;
        bool visible;
    };
    std::vector<MenuEntry> menu_;
    bool first_ = true;
    Text caption_;
    Color color_ = 0;
    int width_ = 0, height_ = 0;
    std::uint64_t focus_ = 0;
};

} // namespace norvik::qt
