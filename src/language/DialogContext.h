// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"
#include "language/BuiltInText.h"
#include "language/LanguageLines.h"

namespace norvik {

class ListBox;
class Platform;

// What every dialog needs of the program: the platform it is shown on and
// the lines of the loaded language module. The lines are read when a dialog
// asks for them, so a module loaded later is the one it shows.
class DialogContext {
public:
    // `module` is which module `language` holds (0, 1 or noModule), read
    // when a built-in text is wanted.
    DialogContext(Platform& platform, const ListBox& language, const int& module)
        : platform_(&platform), language_(&language), module_(&module) {}

    Platform& platform() const { return *platform_; }
    // A line of the loaded module; fails with "List index out of bounds (n)".
    Text line(Line line) const;
    // A message box whose text and title are language lines.
    int ask(Line text, Line title, int flags) const;
    // A text the program carries itself, in the loaded module's language.
    Text builtIn(const BuiltInText& text) const { return builtInText(text, *module_); }

private:
    Platform* platform_;
    const ListBox* language_;
    const int* module_;
};

} // namespace norvik
