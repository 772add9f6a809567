// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"
#include "language/LanguageLines.h"

#include <string_view>
#include <vector>

namespace norvik {

class Control;
class Form;

// Line n of the loaded module; fails with "List index out of bounds (n)".
Text langLine(const Lines& lines, int n);
Text langLine(const Lines& lines, Line line);

// The caption fit rules: after a window applies the caption of one of these
// controls, the control (or its neighbour) moves or resizes depending on
// whether the new caption equals a fixed literal.
void applyFitRule(Form& form, std::string_view controlName);
// The same for a control of the window, which is how the windows call it.
void applyFitRule(Form& form, const Control& control);

// What each rule names: its window's class, the control whose caption it keys
// on, and the control it changes (the same one or a neighbour).
struct FitRuleNames {
    std::string_view window;
    std::string_view control;
    std::string_view target;
};
std::vector<FitRuleNames> fitRuleNames();

} // namespace norvik
