// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frontends/headless/InputLine.h"

#include <optional>
#include <string>

namespace norvik {
class Control;
class Form;
} // namespace norvik

namespace norvik::headless {

class WindowStack;

// What a name in an input line stands for: a window (control null) or one
// of its controls.
struct Target {
    std::string spelled; // repeated in the output exactly as written
    Form* form = nullptr;
    Control* control = nullptr;
};

// A bare name is a control of the topmost window or a window's class;
// CLASS.NAME a control of another shown window. The main window's timer and
// tray icon, which no dialog hides, can also be named bare from anywhere.
// Anything else is a ProtocolError.
Target resolveTarget(const WindowStack& windows, const Token& name);

// Why an action on the target has no effect, checked in this order:
// "blocked" (its window is behind a modal one), "hidden" (it, a parent or
// its window is not visible), "disabled", and for a text change "readonly".
std::optional<std::string> ignoredReason(const WindowStack& windows, const Target& target,
                                         bool changesText);

} // namespace norvik::headless
