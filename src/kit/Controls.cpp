// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Controls.h"

#include "kit/Failure.h"
#include "kit/Form.h"
#include "kit/Platform.h"

#include <algorithm>
#include <string>

namespace norvik {

void CheckBox::setChecked(bool on) {
    if (checked_ == on) {
        return;
    }
    checked_ = on;
    if (onClick) {
        onClick();
    }
}

void RadioButton::setChecked(bool on) {
    if (checked_ == on) {
        return;
    }
    checked_ = on;
    if (!on) {
        return;
    }
    for (const auto& control : form().controls()) {
        if (control.get() != this && control->kind() == ControlKind::RadioButton &&
            control->parent() == parent()) {
            static_cast<RadioButton&>(*control).checked_ = false;
        }
    }
    if (onClick) {
        onClick();
    }
}

int ComboBox::itemIndex() const {
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

void ComboBox::setItemIndex(int index) {
    text = index >= 0 && index < static_cast<int>(items.size())
               ? items[static_cast<std::size_t>(index)]
               : Text();
}

void UpDown::setPosition(int value) {
    position_ = std::clamp(value, min, max);
    if (associate != nullptr) {
        associate->setText(std::to_string(position_));
    }
}

void UpDown::up() {
    if (position_ < max) {
        setPosition(position_ + 1);
    } else if (wrap) {
        setPosition(min);
    }
    if (onClick) {
        onClick();
    }
}

void UpDown::down() {
    if (position_ > min) {
        setPosition(position_ - 1);
    } else if (wrap) {
        setPosition(max);
    }
    if (onClick) {
        onClick();
    }
}

void DatePicker::setDate(const DateTime& date) {
    if (!isValidDate(date.year, date.month, date.day) || date.year < 1601) {
        throw Failure("Failed to set calendar date or time");
    }
    date_ = date;
}

void Timer::setEnabled(bool on) {
    if (enabled == on) {
        return;
    }
    enabled = on;
    form().platform().timerChanged(*this);
}

} // namespace norvik
