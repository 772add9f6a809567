#pragma once

#include "kit/Text.h"
#include "store/LanguageLines.h"

#include <string_view>

namespace norvik {

class Form;

// Line n of the loaded module; fails with "List index out of bounds (n)".
Text langLine(const Lines& lines, int n);
Text langLine(const Lines& lines, Line line);

// The caption fit rules: after a window applies the caption of one of these
// controls, the control (or its neighbour) moves or resizes depending on
// whether the new caption equals a fixed literal.
void applyFitRule(Form& form, std::string_view controlName);

} // namespace norvik
