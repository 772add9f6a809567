// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Form.h"
#include "kit/Controls.h"

#include "kit/Dispatch.h"
#include "kit/Platform.h"

namespace norvik {

Form::Form(Platform& platform, std::string className)
    : platform_(platform), className_(std::move(className)) {}

Form::~Form() = default;

MenuItem& Form::addMenuItem(MenuItem* parent, std::string name, Text caption) {
    auto& item = add<MenuItem>(parent, std::move(name));
    item.caption = std::move(caption);
    if (parent != nullptr) {
        parent->items.push_back(&item);
    } else {
        menu_.push_back(&item);
    }
    return item;
}

Control* Form::find(std::string_view name) const {
    for (const auto& control : controls_) {
        if (control->name() == name) {
            return control.get();
        }
    }
    return nullptr;
}

int Form::showModal() {
    modalResult = mrNone;
    visible = true;
    if (onShow) {
        dispatch(platform_, onShow);
    }
    const int result = platform_.runModal(*this);
    visible = false;
    return result;
}

} // namespace norvik
