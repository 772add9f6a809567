#include "frontends/qt/WindowKeys.h"

#include "frontends/qt/FormView.h"
#include "frontends/qt/QtPlatform.h"
#include "kit/UserActions.h"

#include <QApplication>
#include <QKeyEvent>

namespace norvik::qt {

namespace {

Button* pressable(Control* control) {
    if (control == nullptr || control->kind() != ControlKind::Button) {
        return nullptr;
    }
    auto* button = static_cast<Button*>(control);
    return button->showing() && button->usable() ? button : nullptr;
}

} // namespace

bool takeWindowKey(QtPlatform& platform, FormView& view, const QKeyEvent& event, bool dialog) {
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
    if (form.modalResult != mrNone) {
        return true;
    }
    Button* button = nullptr;
    if (enter) {
        // A button with the focus is the one Enter means, as on every desktop.
        button = pressable(view.controlAt(QApplication::focusWidget()));
        if (button == nullptr) {
            button = pressable(form.defaultButton);
        }
    } else {
        button = pressable(form.cancelButton);
        if (button == nullptr && dialog) {
            platform.run([&form] { form.modalResult = mrCancel; });
            return true;
        }
    }
    if (button != nullptr) {
        platform.run([button] { pressButton(*button); });
    }
    return true;
}

} // namespace norvik::qt
