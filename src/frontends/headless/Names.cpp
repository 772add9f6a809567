// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/Names.h"

#include "frontends/headless/ProtocolError.h"
#include "frontends/headless/WindowStack.h"
#include "kit/Controls.h"
#include "kit/Form.h"

namespace norvik::headless {

namespace {

bool nonVisual(const Control& control) {
    return control.kind() == ControlKind::Timer || control.kind() == ControlKind::TrayIcon;
}

} // namespace

Target resolveTarget(const WindowStack& windows, const Token& name) {
    if (name.quoted) {
        throw ProtocolError{"a control or window is named by a plain word, not " + name.spelled};
    }
    Target target;
    target.spelled = name.spelled;
    const std::string& word = name.value;
    const auto dot = word.find('.');
    if (dot != std::string::npos) {
        const std::string className = word.substr(0, dot);
        target.form = windows.find(className);
        if (target.form == nullptr) {
            throw ProtocolError{"no shown window " + className};
        }
        target.control = target.form->find(word.substr(dot + 1));
        if (target.control == nullptr) {
            throw ProtocolError{className + " has no control " + word.substr(dot + 1)};
        }
        return target;
    }
    if (Form* window = windows.find(word)) {
        target.form = window;
        return target;
    }
    Form* topmost = windows.topmost();
    if (topmost == nullptr) {
        throw ProtocolError{"no window is shown yet"};
    }
    if (Control* control = topmost->find(word)) {
        target.form = topmost;
        target.control = control;
        return target;
    }
    if (Form* main = windows.main()) {
        Control* control = main->find(word);
        if (control != nullptr && nonVisual(*control)) {
            target.form = main;
            target.control = control;
            return target;
        }
    }
    throw ProtocolError{"the topmost window " + topmost->className() + " has no control " + word};
}

std::optional<std::string> ignoredReason(const WindowStack& windows, const Target& target,
                                         bool changesText) {
    if (target.form != windows.topmost()) {
        return "blocked";
    }
    if (target.control == nullptr) {
        return target.form->visible ? std::nullopt : std::optional<std::string>("hidden");
    }
    const Control& control = *target.control;
    if (!control.showing()) {
        return "hidden";
    }
    if (!control.usable()) {
        return "disabled";
    }
    if (changesText) {
        const auto* field = dynamic_cast<const TextControl*>(&control);
        if (field != nullptr && field->readOnly) {
            return "readonly";
        }
    }
    return std::nullopt;
}

} // namespace norvik::headless
