// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/ListActions.h"
#include "frontends/headless/Properties.h"
#include "frontends/headless/ProtocolError.h"
#include "frontends/headless/Session.h"
#include "kit/Controls.h"
#include "kit/Dispatch.h"
#include "kit/Form.h"
#include "kit/UserActions.h"

#include <algorithm>

namespace norvik::headless {

namespace {

void expectWordCount(const std::vector<Token>& words, std::size_t low, std::size_t high) {
    if (words.size() < low || words.size() > high) {
        throw ProtocolError{"wrong number of words for " + words.front().spelled};
    }
}

const Text& textArgument(const Token& word) {
    if (!word.quoted) {
        throw ProtocolError{"a TEXT in double quotes was expected, not " + word.spelled};
    }
    return word.value;
}

[[noreturn]] void wrongKind(const Control& control, const std::string& command) {
    throw ProtocolError{command + " does not apply to " + control.name() + ", " +
                        std::string(kindName(control))};
}

TextControl* asTextControl(Control& control) {
    if (control.kind() == ControlKind::Edit || control.kind() == ControlKind::Memo) {
        return static_cast<TextControl*>(&control);
    }
    return nullptr;
}

KeyStroke parseKeyStroke(const std::vector<Token>& words) {
    KeyStroke stroke;
    const Token& key = words[2];
    const std::string& name = key.spelled;
    if (name == "Delete") {
        stroke.key = KeyStroke::Key::Delete;
    } else if (name == "Backspace") {
        stroke.key = KeyStroke::Key::Backspace;
    } else if (name == "Enter") {
        stroke.key = KeyStroke::Key::Enter;
    } else if (name == "Escape") {
        stroke.key = KeyStroke::Key::Escape;
    } else if (name == "Insert") {
        stroke.key = KeyStroke::Key::Insert;
    } else {
        const Text bytes = bytesOf(key);
        if (bytes.size() != 1) {
            throw ProtocolError{"a key is Delete, Backspace, Enter, Escape, Insert or one "
                                "character, not " +
                                name};
        }
        stroke.character = static_cast<unsigned char>(bytes[0]);
    }
    for (std::size_t i = 3; i < words.size(); ++i) {
        const std::string& modifier = words[i].spelled;
        bool* flag = modifier == "shift"  ? &stroke.shift.shift
                     : modifier == "ctrl" ? &stroke.shift.ctrl
                     : modifier == "alt"  ? &stroke.shift.alt
                                          : nullptr;
        if (flag == nullptr || *flag || words[i].quoted) {
            throw ProtocolError{"a key takes shift, ctrl and alt, each once, not " + modifier};
        }
        *flag = true;
    }
    return stroke;
}

bool isCrLfMiddle(const Text& text, std::size_t at) {
    return at > 0 && at < text.size() && text[at - 1] == '\r' && text[at] == '\n';
}

} // namespace

Form& Session::mainWindow() {
    if (windows_.main() == nullptr) {
        throw ProtocolError{"the main window does not exist yet"};
    }
    return *windows_.main();
}

Control* Session::actionTarget(const Token& name, bool changesText) {
    const Target target = resolveTarget(windows_, name);
    if (target.control == nullptr) {
        throw ProtocolError{name.spelled + " is a window, not a control"};
    }
    if (const auto reason = ignoredReason(windows_, target, changesText)) {
        output_.line("ignored " + target.spelled + " " + *reason);
        return nullptr;
    }
    return target.control;
}

void Session::click(const std::vector<Token>& words) {
    expectWordCount(words, 2, 2);
    const Target target = resolveTarget(windows_, words[1]);
    if (target.control == nullptr) {
        throw ProtocolError{words[1].spelled + " is a window, not a control"};
    }
    Control& control = *target.control;
    switch (control.kind()) {
    case ControlKind::MenuItem: {
        const auto& item = static_cast<MenuItem&>(control);
        if (!item.items.empty() || item.separator()) {
            throw ProtocolError{control.name() + " is a menu or a separator, not a command"};
        }
        break;
    }
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::Label:
    case ControlKind::Image:
        break;
    default:
        wrongKind(control, "click");
    }
    if (actionTarget(words[1], false) == nullptr) {
        return;
    }
    switch (control.kind()) {
    case ControlKind::Button: {
        auto& button = static_cast<Button&>(control);
        dispatch(platform_, [&] { pressButton(button); });
        break;
    }
    case ControlKind::CheckBox: {
        auto& box = static_cast<CheckBox&>(control);
        dispatch(platform_, [&] { box.setChecked(!box.checked()); });
        break;
    }
    case ControlKind::RadioButton: {
        auto& radio = static_cast<RadioButton&>(control);
        if (!radio.checked()) {
            dispatch(platform_, [&] { radio.setChecked(true); });
        }
        break;
    }
    default:
        if (control.onClick) {
            dispatch(platform_, control.onClick);
        }
    }
}

void Session::textAction(const std::vector<Token>& words) {
    const std::string& command = words.front().spelled;
    const bool erase = command == "erase";
    expectWordCount(words, erase ? 2 : 3, erase ? 2 : 3);
    const Target target = resolveTarget(windows_, words[1]);
    TextControl* field = target.control != nullptr ? asTextControl(*target.control) : nullptr;
    if (field == nullptr) {
        throw ProtocolError{command + " needs an edit field or the notes, not " + words[1].spelled};
    }
    const Text text = erase ? Text() : textArgument(words[2]);
    if (actionTarget(words[1], true) == nullptr) {
        return;
    }
    if (command == "type") {
        editing_.type(*field, text);
    } else if (command == "paste") {
        editing_.paste(*field, text);
    } else {
        editing_.erase(*field);
    }
}

void Session::keyAction(const std::vector<Token>& words) {
    expectWordCount(words, 3, 6);
    const Target target = resolveTarget(windows_, words[1]);
    if (target.control == nullptr) {
        throw ProtocolError{words[1].spelled + " is a window, not a control"};
    }
    const ControlKind kind = target.control->kind();
    if (kind != ControlKind::Edit && kind != ControlKind::Memo && kind != ControlKind::ListBox &&
        kind != ControlKind::ComboBox) {
        wrongKind(*target.control, "key");
    }
    const KeyStroke stroke = parseKeyStroke(words);
    if (Control* control = actionTarget(words[1], false)) {
        editing_.key(*control, stroke);
    }
}

void Session::setAction(const std::vector<Token>& words) {
    expectWordCount(words, 3, 3);
    const Target target = resolveTarget(windows_, words[1]);
    if (target.control == nullptr) {
        throw ProtocolError{words[1].spelled + " is a window, not a control"};
    }
    Control& control = *target.control;
    const Text& text = textArgument(words[2]);
    if (TextControl* field = asTextControl(control)) {
        if (actionTarget(words[1], true) != nullptr) {
            editing_.set(*field, text);
        }
    } else if (control.kind() == ControlKind::ComboBox) {
        auto& box = static_cast<ComboBox&>(control);
        if (!box.editable &&
            std::find(box.items.begin(), box.items.end(), text) == box.items.end()) {
            throw ProtocolError{control.name() + " takes only its entries"};
        }
        if (actionTarget(words[1], true) != nullptr) {
            editing_.set(box, text);
        }
    } else if (control.kind() == ControlKind::DatePicker) {
        auto& picker = static_cast<DatePicker&>(control);
        const auto day = parseDateDigits(text);
        if (!day) {
            throw ProtocolError{"a date picker takes \"DD.MM.YYYY\""};
        }
        if (actionTarget(words[1], true) != nullptr) {
            dispatch(platform_, [&] {
                DateTime date = picker.date();
                date.year = day->year;
                date.month = day->month;
                date.day = day->day;
                picker.setDate(date);
                if (picker.onChange) {
                    picker.onChange();
                }
            });
        }
    } else {
        wrongKind(control, "set");
    }
}

void Session::caretAction(const std::vector<Token>& words) {
    expectWordCount(words, 3, 4);
    const Target target = resolveTarget(windows_, words[1]);
    TextControl* field = target.control != nullptr ? asTextControl(*target.control) : nullptr;
    if (field == nullptr) {
        throw ProtocolError{"caret needs an edit field or the notes, not " + words[1].spelled};
    }
    const auto start = static_cast<std::size_t>(parseIndex(words[2].spelled, "a caret position"));
    const auto length =
        words.size() == 4 ? static_cast<std::size_t>(parseIndex(words[3].spelled, "a length")) : 0;
    const Text text = field->text();
    if (start > text.size() || length > text.size() - start || isCrLfMiddle(text, start) ||
        isCrLfMiddle(text, start + length)) {
        throw ProtocolError{"caret " + std::to_string(start) + " " + std::to_string(length) +
                            " is past the end or inside a CR LF"};
    }
    if (actionTarget(words[1], false) != nullptr) {
        field->setSelection(start, length);
    }
}

void Session::listAction(const std::vector<Token>& words) {
    const std::string& command = words.front().spelled;
    const bool select = command == "select";
    expectWordCount(words, select ? 2 : 3, select ? words.size() : 3);
    const Target target = resolveTarget(windows_, words[1]);
    if (target.control == nullptr) {
        throw ProtocolError{words[1].spelled + " is a window, not a control"};
    }
    const ControlKind wanted = command == "pick" ? ControlKind::ComboBox : ControlKind::ListBox;
    if (target.control->kind() != wanted) {
        wrongKind(*target.control, command);
    }
    std::vector<int> indexes;
    for (std::size_t i = 2; i < words.size(); ++i) {
        indexes.push_back(parseIndex(words[i].spelled, "a line index"));
    }
    if (actionTarget(words[1], false) == nullptr) {
        return;
    }
    if (command == "pick") {
        pickEntry(platform_, static_cast<ComboBox&>(*target.control), indexes.front());
    } else if (select) {
        selectLines(platform_, static_cast<ListBox&>(*target.control), indexes);
    } else {
        focusLine(static_cast<ListBox&>(*target.control), indexes.front());
    }
}

void Session::upDownAction(const std::vector<Token>& words) {
    expectWordCount(words, 2, 3);
    const Target target = resolveTarget(windows_, words[1]);
    if (target.control == nullptr || target.control->kind() != ControlKind::UpDown) {
        throw ProtocolError{words.front().spelled + " needs an up-down control, not " +
                            words[1].spelled};
    }
    const int presses = words.size() == 3 ? parseIndex(words[2].spelled, "a count") : 1;
    if (presses < 1) {
        throw ProtocolError{"a count of presses starts at 1"};
    }
    if (actionTarget(words[1], false) == nullptr) {
        return;
    }
    auto& upDown = static_cast<UpDown&>(*target.control);
    const bool up = words.front().spelled == "up";
    for (int i = 0; i < presses; ++i) {
        dispatch(platform_, [&] { up ? upDown.up() : upDown.down(); });
    }
}

void Session::trayAction(const std::vector<Token>& words) {
    expectWordCount(words, 3, 3);
    const std::string& action = words[1].spelled;
    const std::string& buttonName = words[2].spelled;
    if (action != "click" && action != "dblclick") {
        throw ProtocolError{"tray takes click or dblclick, not " + action};
    }
    MouseButton button = MouseButton::Left;
    if (buttonName == "right") {
        button = MouseButton::Right;
    } else if (buttonName == "middle") {
        button = MouseButton::Middle;
    } else if (buttonName != "left") {
        throw ProtocolError{"tray takes left, right or middle, not " + buttonName};
    }
    TrayIcon* icon = nullptr;
    for (const auto& control : mainWindow().controls()) {
        if (control->kind() == ControlKind::TrayIcon) {
            icon = static_cast<TrayIcon*>(control.get());
            break;
        }
    }
    if (icon == nullptr) {
        throw ProtocolError{"the main window has no tray icon"};
    }
    // The icon's Visible may outlive the icon itself (a log-off notice takes
    // only the icon away): what counts is whether the desktop shows one.
    if (!platform_.trayIconShown()) {
        output_.line("ignored " + icon->name() + " hidden");
        return;
    }
    if (icon->onMouse) {
        const bool doubleClick = action == "dblclick";
        dispatch(platform_, [&] { icon->onMouse(button, doubleClick); });
    }
}

void Session::windowAction(const std::string& command) {
    if (command == "restore" || command == "logoff") {
        Form& main = mainWindow();
        const auto& hook = command == "restore" ? main.onRestoreRequest : main.onLogoff;
        if (hook) {
            dispatch(platform_, hook);
        }
        return;
    }
    Form* topmost = windows_.topmost();
    if (topmost == nullptr) {
        throw ProtocolError{"no window is shown"};
    }
    if (command == "activate") {
        if (!windows_.hasDialog()) {
            throw ProtocolError{"activate needs an open dialog"};
        }
        if (topmost->onActivate) {
            dispatch(platform_, topmost->onActivate);
        }
        return;
    }
    // close: the close box of the topmost window.
    if (windows_.hasDialog()) {
        topmost->close(mrCancel);
    } else if (!topmost->visible) {
        output_.line("ignored " + topmost->className() + " hidden");
    } else if (topmost->onCloseRequest) {
        dispatch(platform_, topmost->onCloseRequest);
    }
}

} // namespace norvik::headless
