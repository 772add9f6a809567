// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/UserActions.h"

#include "kit/Controls.h"
#include "kit/Form.h"
#include "kit/LineBreaks.h"

namespace norvik {

namespace {

// What a single-line field keeps of a text: what comes before its first CR or LF.
Text firstLine(const Text& text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

} // namespace

void pressButton(Button& button) {
    if (button.modalResult != mrNone) {
        button.form().modalResult = button.modalResult;
    }
    if (button.onClick) {
        button.onClick();
    }
}

Button* buttonForDialogKey(const Control& control, int key) {
    Button* button = nullptr;
    if (key == vkReturn && control.kind() != ControlKind::Memo) {
        button = control.form().defaultButton;
    } else if (key == vkEscape) {
        button = control.form().cancelButton;
    }
    if (button == nullptr || !button->showing() || !button->usable()) {
        return nullptr;
    }
    return button;
}

void chooseLines(ListBox& list, const std::vector<int>& indexes) {
    list.clearSelection();
    for (const int index : indexes) {
        list.setSelected(index, true);
    }
    if (!indexes.empty()) {
        list.setCurrent(indexes.back());
    }
    linesChosen(list);
}

void linesChosen(ListBox& list) {
    if (list.onClick) {
        list.onClick();
    }
}

void chooseEntry(ComboBox& box, int index) {
    box.setItemIndex(index);
    if (box.onClick) {
        box.onClick();
    }
    if (box.onChange) {
        box.onChange();
    }
}

bool singleLine(const TextControl& field) {
    return field.kind() == ControlKind::Edit;
}

std::optional<std::size_t> roomBeside(std::size_t maxLength, std::size_t kept) {
    if (maxLength == 0) {
        return std::nullopt;
    }
    return maxLength > kept ? maxLength - kept : 0;
}

std::optional<std::size_t> roomFor(const TextControl& field) {
    return roomBeside(field.maxLength, field.length() - field.selLength());
}

Text pastable(const Text& text, bool singleLine, std::optional<std::size_t> room) {
    Text result = singleLine ? firstLine(text) : text;
    if (room && result.size() > *room) {
        const bool splitsCrLf = *room > 0 && isCrLfAt(result, *room - 1);
        result.resize(*room);
        if (splitsCrLf) {
            result.pop_back();
        }
    }
    return result;
}

void pasteInto(TextControl& field, const Text& text) {
    const Text fitting = pastable(text, singleLine(field), roomFor(field));
    if (!fitting.empty() || field.selLength() > 0) {
        field.replaceSelection(fitting);
    }
}

} // namespace norvik
