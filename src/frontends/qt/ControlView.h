// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Control.h"

#include <QString>
#include <memory>

class QWidget;

namespace norvik::qt {

class QtPlatform;

// One kit control shown as a Qt widget at its design geometry. sync() brings
// the widget up to date with the control after each handler; it compares
// with what it last applied, so an unchanged control costs next to nothing.
class ControlView {
public:
    ControlView(Control& control, QWidget& widget);
    virtual ~ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    Control& control() const { return control_; }
    QWidget& widget() const { return widget_; }
    void sync();
    // Places the widget again once all its neighbours are in place.
    virtual void refit() {}

protected:
    // The kind's own state.
    virtual void syncOwn() {}
    virtual void applyGeometry();
    virtual void applyColors();
    // The font for the control's font and caption.
    virtual void applyFont();

private:
    Control& control_;
    QWidget& widget_;
    bool first_ = true;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = false;
    bool enabled_ = false;
    Font font_;
    // The caption the font was chosen for.
    Text fontCaption_;
    Color color_ = 0;
    Text hint_;
};

// The view for a control of any kind; nothing for kinds without a widget of
// their own (menu items, timers, the tray icon).
std::unique_ptr<ControlView> makeControlView(QtPlatform& platform, Control& control,
                                             QWidget& parent);

// Accelerator marks as a label shows them: "&&" is one "&", a lone "&" vanishes.
QString withoutAccelerators(const QString& caption);

} // namespace norvik::qt
