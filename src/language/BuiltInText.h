// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"

#include <string_view>

namespace norvik {

// The language module whose lines are loaded: 0 Russian, 1 English, or none.
inline constexpr int noModule = -1;

// A text the program carries itself in both languages, for what no line of a
// language module says: the modules users already have keep their lines.
// Written in UTF-8 at the place that shows it.
struct BuiltInText {
    std::string_view russian;
    std::string_view english;
};

// The text in the language of the loaded module; with none loaded, both,
// Russian first, as in the boxes shown before any module is read.
Text builtInText(const BuiltInText& text, int module);

} // namespace norvik
