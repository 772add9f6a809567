#pragma once

#include "kit/Text.h"
#include "store/LanguageLines.h"

namespace norvik {

class ListBox;
class Platform;

// What every dialog needs of the program: the platform it is shown on and
// the lines of the loaded language module. The lines are read when a dialog
// asks for them, so a module loaded later is the one it shows.
class DialogContext {
public:
    DialogContext(Platform& platform, const ListBox& language)
        : platform_(&platform), language_(&language) {}

    Platform& platform() const { return *platform_; }
    // A line of the loaded module; fails with "List index out of bounds (n)".
    Text line(Line line) const;
    // A message box whose text and title are language lines.
    int ask(Line text, Line title, int flags) const;

private:
    Platform* platform_;
    const ListBox* language_;
};

} // namespace norvik
