// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/KeyInput.h"

#include "frontends/qt/QtPlatform.h"
#include "frontends/qt/QtText.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

namespace norvik::qt {

int virtualKey(const QKeyEvent& event) {
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return key;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return 112 + (key - Qt::Key_F1);
    }
    switch (key) {
    case Qt::Key_Backspace:
        return vkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vkReturn;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return vkEscape;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return vkInsert;
    case Qt::Key_Delete:
        return vkDelete;
    default:
        return 0;
    }
}

std::optional<QChar> keyCharacter(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const int key = event.key();
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    if (alt && !ctrl) {
        return std::nullopt;
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(u'\r');
    case Qt::Key_Backspace:
        return QChar(u'\b');
    case Qt::Key_Escape:
        return QChar(u'\x1b');
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return std::nullopt;
    default:
        break;
    }
    if (ctrl && !alt) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            return QChar(static_cast<char16_t>(key - Qt::Key_A + 1));
        }
        return std::nullopt;
    }
    const QString text = event.text();
    if (text.size() != 1 || text[0].unicode() < 0x20 || text[0].unicode() == 0x7f) {
        return std::nullopt;
    }
    return text[0];
}

KeyInput::KeyInput(QtPlatform& platform, Control& control, QWidget& widget)
    : QObject(&widget), platform_(platform), control_(control), widget_(widget) {
    widget.installEventFilter(this);
}

bool KeyInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &widget_ || retyping_) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        return keyPress(static_cast<QKeyEvent&>(*event));
    }
    if (event->type() == QEvent::InputMethod) {
        return inputMethod(*event);
    }
    return false;
}

bool KeyInput::keyPress(QKeyEvent& event) {
    const int code = virtualKey(event);
    if (code != 0 && control_.onKeyDown) {
        int key = code;
        const ShiftState shift{event.modifiers().testFlag(Qt::ShiftModifier),
                               event.modifiers().testFlag(Qt::ControlModifier),
                               event.modifiers().testFlag(Qt::AltModifier)};
        const bool ran = platform_.run([this, &key, shift] { control_.onKeyDown(key, shift); });
        if (!ran || key == 0) {
            return true;
        }
    }
    const std::optional<QChar> typed = keyCharacter(event);
    if (!typed) {
        // Composed text the code page cannot hold never reaches the field.
        const QString text = event.text();
        return !text.isEmpty() && storableOnly(text) != text;
    }
    if (!storable(*typed)) {
        return true;
    }
    if (!control_.onKeyPress) {
        return false;
    }
    const Text before = fromQt(QString(*typed));
    char key = before.front();
    const bool ran = platform_.run([this, &key] { control_.onKeyPress(key); });
    if (!ran || key == 0) {
        return true;
    }
    if (key == before.front()) {
        return false;
    }
    retype(toQt(Text(1, key)));
    return true;
}

bool KeyInput::inputMethod(QEvent& event) {
    auto& input = static_cast<QInputMethodEvent&>(event);
    const QString commit = input.commitString();
    if (commit.isEmpty()) {
        return false;
    }
    // Each committed character is a typed one: it passes the key-press handler.
    QString result;
    for (const QChar character : commit) {
        if (!storable(character)) {
            continue;
        }
        char key = fromQt(QString(character)).front();
        if (control_.onKeyPress) {
            const bool ran = platform_.run([this, &key] { control_.onKeyPress(key); });
            if (!ran) {
                key = 0;
            }
        }
        if (key != 0) {
            result += toQt(Text(1, key));
        }
    }
    if (result == commit) {
        return false;
    }
    QInputMethodEvent replacement(input.preeditString(), input.attributes());
    replacement.setCommitString(result, input.replacementStart(), input.replacementLength());
    retyping_ = true;
    QCoreApplication::sendEvent(&widget_, &replacement);
    retyping_ = false;
    return true;
}

void KeyInput::retype(const QString& text) {
    int key = Qt::Key_unknown;
    if (text == QStringLiteral("\r")) {
        key = Qt::Key_Return;
    } else if (text == QStringLiteral("\b")) {
        key = Qt::Key_Backspace;
    } else if (text == QStringLiteral("\x1b")) {
        key = Qt::Key_Escape;
    }
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    retyping_ = true;
    QCoreApplication::sendEvent(&widget_, &press);
    QCoreApplication::sendEvent(&widget_, &release);
    retyping_ = false;
}

} // namespace norvik::qt
