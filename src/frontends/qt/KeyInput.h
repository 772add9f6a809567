// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Control.h"

#include <QObject>
#include <optional>

class QKeyEvent;
class QWidget;

namespace norvik::qt {

class QtPlatform;

// Windows' virtual key code of a key (0 for keys the program never looks at).
int virtualKey(const QKeyEvent& event);
// The character a key gives as the program sees it: Ctrl+letter 1 to 26,
// Enter 13, Backspace 8, Escape 27, else the typed character; nothing for
// keys without one (arrows, Delete, Tab, Alt combinations).
std::optional<QChar> keyCharacter(const QKeyEvent& event);

// Runs a control's key-down and key-press handlers before the widget applies
// the key, as the program expects: a handler may discard the key (set it to 0)
// or change the character. Characters the code page cannot hold are refused.
class KeyInput : public QObject {
public:
    KeyInput(QtPlatform& platform, Control& control, QWidget& widget);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(QKeyEvent& event);
    bool inputMethod(QEvent& event);
    // Hands a changed character to the widget as if it had been typed.
    void retype(const QString& text);

    QtPlatform& platform_;
    Control& control_;
    QWidget& widget_;
    bool retyping_ = false;
};

} // namespace norvik::qt
