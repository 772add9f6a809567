// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Control.h"

#include "kit/Form.h"

namespace norvik {

bool Control::showing() const {
    if (!visible) {
        return false;
    }
    return parent_ != nullptr ? parent_->showing() : form_.visible;
}

bool Control::usable() const {
    if (!enabled) {
        return false;
    }
    return parent_ == nullptr || parent_->usable();
}

void Control::setFocus() {
    form_.setFocused(*this);
}

} // namespace norvik
