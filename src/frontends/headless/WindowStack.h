// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

namespace norvik {
class Form;
}

namespace norvik::headless {

// The windows input can reach: the main window and the modal dialogs open
// over it, innermost last.
class WindowStack {
public:
    void setMain(Form& form) { main_ = &form; }
    Form* main() const { return main_; }

    void pushDialog(Form& form);
    void popDialog(Form& form);
    bool hasDialog() const { return !dialogs_.empty(); }
    // The innermost dialog, else the main window (null before there is one).
    Form* topmost() const;
    // A shown window by its class: the innermost dialog of that class, else
    // the main window (which can be named for the whole run once it exists).
    Form* find(std::string_view className) const;

    // A dialog that becomes topmost again when a window over it closes runs
    // its activate handler once; these marks remember which dialogs owe it.
    void markReactivated(Form& form);
    bool takeReactivated(Form& form);

private:
    Form* main_ = nullptr;
    std::vector<Form*> dialogs_;
    std::vector<Form*> reactivated_;
};

} // namespace norvik::headless
