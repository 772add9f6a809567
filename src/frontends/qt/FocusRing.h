// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace norvik::qt {

// A ring around the control that has the keyboard focus in one window, in a
// colour that stands out against what lies around the control. The styles'
// own marks are thin and drawn in the highlight colour, which all but
// disappears on the dark window colours the program offers.
class FocusRing : public QWidget {
    Q_OBJECT

public:
    // `client` is the window's client area; controlOf maps a focused widget
    // (perhaps a part of a control, such as a drop-down list's field) to the
    // control's own widget, or nothing for widgets that are not controls.
    FocusRing(QWidget& client, std::function<QWidget*(QWidget*)> controlOf);
    ~FocusRing() override;

    // The control the ring is drawn around, while it has the focus.
    QWidget* target() const { return isVisible() ? target_.data() : nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* focused);
    void place();

    QWidget& client_;
    std::function<QWidget*(QWidget*)> controlOf_;
    QPointer<QWidget> target_;
};

} // namespace norvik::qt
