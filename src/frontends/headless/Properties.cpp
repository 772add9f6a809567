// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/Properties.h"

#include "frontends/headless/Output.h"
#include "frontends/headless/ProtocolError.h"
#include "frontends/headless/SimulatedTime.h"
#include "kit/Controls.h"
#include "kit/Form.h"
#include "store/ColorNames.h"

#include <optional>

namespace norvik::headless {

namespace {

std::string flag(bool on) {
    return on ? "1" : "0";
}

std::string number(long long value) {
    return std::to_string(value);
}

bool hasCaption(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::GroupBox:
    case ControlKind::MenuItem:
        return true;
    default:
        return false;
    }
}

std::optional<std::string> commonProperty(const Control& c, std::string_view p) {
    if (p == "enabled")
        return flag(c.enabled);
    if (p == "visible")
        return flag(c.visible);
    if (p == "left")
        return number(c.left);
    if (p == "top")
        return number(c.top);
    if (p == "width")
        return number(c.width);
    if (p == "height")
        return number(c.height);
    if (p == "hint")
        return quoted(c.hint);
    if (p == "color")
        return colorToName(c.color);
    if (p == "fontcolor")
        return colorToName(c.font.color);
    if (p == "fontname")
        return quoted(c.font.name);
    if (p == "fontsize")
        return number(c.font.size);
    if (p == "fontstyle")
        return quoted(c.font.style());
    if (p == "caption" && hasCaption(c.kind()))
        return quoted(c.caption);
    return std::nullopt;
}

std::optional<std::string> kindProperty(const Control& c, std::string_view p) {
    switch (c.kind()) {
    case ControlKind::Edit:
    case ControlKind::Memo: {
        const auto& field = static_cast<const TextControl&>(c);
        if (p == "text")
            return quoted(field.text());
        if (p == "selstart")
            return number(static_cast<long long>(field.selStart()));
        if (p == "sellength")
            return number(static_cast<long long>(field.selLength()));
        if (p == "maxlength")
            return number(static_cast<long long>(field.maxLength));
        if (p == "readonly")
            return flag(field.readOnly);
        break;
    }
    case ControlKind::ListBox: {
        const auto& list = static_cast<const ListBox&>(c);
        if (p == "count")
            return number(list.count());
        if (p == "items")
            return quotedList(list.items());
        if (p == "selected")
            return indexList(list.selectedIndexes());
        if (p == "current")
            return number(list.current());
        if (p == "topindex")
            return number(list.topIndex());
        if (p == "multiselect")
            return flag(list.multiSelect);
        break;
    }
    case ControlKind::ComboBox: {
        const auto& box = static_cast<const ComboBox&>(c);
        if (p == "text")
            return quoted(box.text);
        if (p == "items")
            return quotedList(box.items);
        if (p == "itemindex")
            return number(box.itemIndex());
        break;
    }
    case ControlKind::CheckBox:
        if (p == "checked")
            return flag(static_cast<const CheckBox&>(c).checked());
        break;
    case ControlKind::RadioButton:
        if (p == "checked")
            return flag(static_cast<const RadioButton&>(c).checked());
        break;
    case ControlKind::UpDown: {
        const auto& upDown = static_cast<const UpDown&>(c);
        if (p == "position")
            return number(upDown.position());
        if (p == "min")
            return number(upDown.min);
        if (p == "max")
            return number(upDown.max);
        break;
    }
    case ControlKind::DatePicker:
        if (p == "date")
            return quoted(dateText(static_cast<const DatePicker&>(c).date()));
        break;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace

std::string_view kindName(const Control& control) {
    switch (control.kind()) {
    case ControlKind::Label:
        return "a label";
    case ControlKind::Button:
        return "a button";
    case ControlKind::Edit:
        return "an edit field";
    case ControlKind::Memo:
        return "a memo";
    case ControlKind::ListBox:
        return "a list box";
    case ControlKind::CheckBox:
        return "a check box";
    case ControlKind::RadioButton:
        return "a radio button";
    case ControlKind::GroupBox:
        return "a frame";
    case ControlKind::ComboBox:
        return "a drop-down list";
    case ControlKind::UpDown:
        return "an up-down control";
    case ControlKind::DatePicker:
        return "a date picker";
    case ControlKind::Image:
        return "an image";
    case ControlKind::MenuItem:
        return "a menu item";
    case ControlKind::Timer:
        return "a timer";
    case ControlKind::TrayIcon:
        return "a tray icon";
    }
    return "a control";
}

std::string controlProperty(const Control& control, std::string_view property) {
    std::optional<std::string> value;
    if (control.kind() == ControlKind::Timer) {
        const auto& timer = static_cast<const Timer&>(control);
        if (property == "enabled")
            value = flag(timer.isEnabled());
        if (property == "interval")
            value = number(timer.interval);
    } else if (control.kind() == ControlKind::TrayIcon) {
        if (property == "visible")
            value = flag(control.visible);
    } else {
        value = commonProperty(control, property);
        if (!value) {
            value = kindProperty(control, property);
        }
    }
    if (!value) {
        throw ProtocolError{control.name() + " is " + std::string(kindName(control)) +
                            ", which has no property '" + std::string(property) + "'"};
    }
    return *value;
}

std::string windowProperty(const Form& form, std::string_view property) {
    if (property == "caption")
        return quoted(form.caption);
    if (property == "color")
        return colorToName(form.color);
    if (property == "visible")
        return flag(form.visible);
    if (property == "width")
        return number(form.clientWidth);
    if (property == "height")
        return number(form.clientHeight);
    if (property == "focus")
        return quoted(form.focused() != nullptr ? form.focused()->name() : std::string());
    throw ProtocolError{"a window has no property '" + std::string(property) + "'"};
}

} // namespace norvik::headless
