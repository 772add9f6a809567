// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/WindowKeys.h"

#include "frontends/qt/FormView.h"
#include "frontends/qt/QtPlatform.h"
#include "kit/UserActions.h"

#include <QApplication>
#include <QKeyEvent>

namespace norvik::qt {

bool takeWindowKey(QtPlatform& platform, FormView& view, const QKeyEvent& event) {
    const int key = event.key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!enter && key != Qt::Key_Escape) {
        return false;
    }
    // With a modifier held the keys press nothing (the keypad's Enter counts as plain).
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return true;
    }
    Form& form = view.form();
    Control* focused = view.controlAt(QApplication::focusWidget());
    if (form.modalResult != mrNone || focused == nullptr) {
        return true;
    }
    Button* button = nullptr;
    if (enter && focused->kind() == ControlKind::Button && focused->showing() &&
        focused->usable()) {
        // A button with the focus is the one Enter means, as on every desktop.
        button = static_cast<Button*>(focused);
    } else {
        button = buttonForDialogKey(*focused, enter ? vkReturn : vkEscape);
    }
    if (button != nullptr) {
        platform.run([button] { pressButton(*button); });
    }
    return true;
}

} // namespace norvik::qt
