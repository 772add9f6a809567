// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/WindowStack.h"

#include "kit/Form.h"

#include <algorithm>

namespace norvik::headless {

void WindowStack::pushDialog(Form& form) {
    dialogs_.push_back(&form);
}

void WindowStack::popDialog(Form& form) {
    const auto found = std::find(dialogs_.rbegin(), dialogs_.rend(), &form);
    if (found != dialogs_.rend()) {
        dialogs_.erase(std::next(found).base());
    }
    std::erase(reactivated_, &form);
}

Form* WindowStack::topmost() const {
    return dialogs_.empty() ? main_ : dialogs_.back();
}

Form* WindowStack::find(std::string_view className) const {
    for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it) {
        if ((*it)->className() == className) {
            return *it;
        }
    }
    if (main_ != nullptr && main_->className() == className) {
        return main_;
    }
    return nullptr;
}

void WindowStack::markReactivated(Form& form) {
    if (std::find(reactivated_.begin(), reactivated_.end(), &form) == reactivated_.end()) {
        reactivated_.push_back(&form);
    }
}

bool WindowStack::takeReactivated(Form& form) {
    const auto found = std::find(reactivated_.begin(), reactivated_.end(), &form);
    if (found == reactivated_.end()) {
        return false;
    }
    reactivated_.erase(found);
    return true;
}

} // namespace norvik::headless
