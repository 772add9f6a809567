// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/TextEditing.h"

#include "kit/Controls.h"
#include "kit/Dispatch.h"
#include "kit/Form.h"
#include "kit/LineBreaks.h"
#include "kit/UserActions.h"

namespace norvik::headless {

namespace {

constexpr unsigned char ctrlC = 3;
constexpr unsigned char ctrlV = 22;
constexpr unsigned char ctrlX = 24;
constexpr unsigned char charBack = 8;
constexpr unsigned char charTab = 9;
constexpr unsigned char charReturn = 13;
constexpr unsigned char charEscape = 27;
constexpr unsigned char charDel = 127;

bool isLatinLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

int keyDownCode(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 'A';
    }
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') {
        return c;
    }
    switch (c) {
    case ')':
        return '0';
    case '!':
        return '1';
    case '@':
        return '2';
    case '#':
        return '3';
    case '$':
        return '4';
    case '%':
        return '5';
    case '^':
        return '6';
    case '&':
        return '7';
    case '*':
        return '8';
    case '(':
        return '9';
    case ';':
    case ':':
        return 186;
    case '=':
    case '+':
        return 187;
    case ',':
    case '<':
        return 188;
    case '-':
    case '_':
        return 189;
    case '.':
    case '>':
        return 190;
    case '/':
    case '?':
        return 191;
    case '`':
    case '~':
        return 192;
    case '[':
    case '{':
        return 219;
    case '\\':
    case '|':
        return 220;
    case ']':
    case '}':
        return 221;
    case '\'':
    case '"':
        return 222;
    default:
        break;
    }
    // Cyrillic small letters of the code page give their capital's code.
    if (c >= 0xE0) {
        return c - 0x20;
    }
    if (c == 0xB8) {
        return 0xA8;
    }
    return c;
}

void TextEditing::type(TextControl& field, const Text& text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c == '\r' || c == '\n') {
            // Enter; a CR LF in the typed text is one Enter.
            if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
                ++at;
            }
            press(field, vkReturn, charReturn, {});
        } else {
            press(field, keyDownCode(c), c, {});
        }
        // An Enter that pressed a dialog's button closing it: what follows
        // would go to another window, and is dropped.
        if (field.form().modalResult != mrNone) {
            return;
        }
    }
}

void TextEditing::key(Control& control, const KeyStroke& stroke) {
    const ShiftState shift = stroke.shift;
    switch (stroke.key) {
    case KeyStroke::Key::Delete:
        press(control, vkDelete, std::nullopt, shift);
        return;
    case KeyStroke::Key::Insert:
        press(control, vkInsert, std::nullopt, shift);
        return;
    case KeyStroke::Key::Backspace:
        press(control, vkBack, charBack, shift);
        return;
    case KeyStroke::Key::Enter:
        press(control, vkReturn, charReturn, shift);
        return;
    case KeyStroke::Key::Escape:
        press(control, vkEscape, charEscape, shift);
        return;
    case KeyStroke::Key::Character:
        break;
    }
    const unsigned char c = stroke.character;
    std::optional<unsigned char> character = c;
    if (shift.alt) {
        character.reset(); // Alt combinations give no character
    } else if (shift.ctrl) {
        character = isLatinLetter(c) ? std::optional<unsigned char>(keyDownCode(c) - 'A' + 1)
                                     : std::nullopt;
    }
    press(control, keyDownCode(c), character, shift);
}

void TextEditing::press(Control& control, int code, std::optional<unsigned char> character,
                        ShiftState shift) {
    auto* field = dynamic_cast<TextControl*>(&control);
    // Whether the handlers left the key to the window (a failed handler took it).
    bool keyLeft = false;
    // The key-down and the character are separate messages: a failure in the
    // first skips the key's own effect, never the character.
    dispatch(platform_, [&] {
        int key = code;
        if (control.onKeyDown) {
            control.onKeyDown(key, shift);
        }
        keyLeft = key != 0;
        if (field != nullptr && key != 0) {
            keyDownEffect(*field, key, shift);
        }
    });
    if (character) {
        bool characterLeft = false;
        dispatch(platform_, [&] {
            char key = static_cast<char>(*character);
            if (control.onKeyPress) {
                control.onKeyPress(key);
            }
            characterLeft = key != 0;
            if (field != nullptr && key != 0) {
                characterEffect(*field, static_cast<unsigned char>(key));
            }
        });
        keyLeft = keyLeft && characterLeft;
    }
    // Enter and Escape that no handler took press the window's default or
    // cancel button; with a modifier held they press nothing.
    const bool plain = !shift.shift && !shift.ctrl && !shift.alt;
    if (keyLeft && plain) {
        if (Button* button = buttonForDialogKey(control, code)) {
            dispatch(platform_, [button] { pressButton(*button); });
        }
    }
}

void TextEditing::keyDownEffect(TextControl& field, int code, ShiftState shift) {
    if (code == vkDelete) {
        if (shift.shift) {
            copy(field); // Shift+Delete cuts
        }
        if (!field.readOnly) {
            deleteForward(field);
        }
    } else if (code == vkInsert && shift.shift) {
        if (!field.readOnly) {
            pasteInto(field, clipboard_);
        }
    } else if (code == vkInsert && shift.ctrl) {
        copy(field);
    }
}

void TextEditing::characterEffect(TextControl& field, unsigned char character) {
    switch (character) {
    case ctrlC:
        copy(field);
        return;
    case ctrlX:
        copy(field);
        if (!field.readOnly && field.selLength() > 0) {
            field.replaceSelection({});
        }
        return;
    case ctrlV:
        if (!field.readOnly) {
            pasteInto(field, clipboard_);
        }
        return;
    case charBack:
        if (!field.readOnly) {
            deleteBackward(field);
        }
        return;
    case charReturn:
        if (!field.readOnly && !singleLine(field)) {
            insert(field, "\r\n");
        }
        return;
    default:
        break;
    }
    if ((character < 0x20 && character != charTab) || character == charDel || field.readOnly) {
        return; // other control characters insert nothing
    }
    insert(field, Text(1, static_cast<char>(character)));
}

void TextEditing::insert(TextControl& field, const Text& text) {
    const Text fitting = pastable(text, singleLine(field), roomFor(field));
    if (fitting.size() == text.size()) {
        field.replaceSelection(fitting);
    }
}

void TextEditing::deleteForward(TextControl& field) {
    if (field.selLength() == 0) {
        const std::size_t at = field.selStart();
        if (at >= field.length()) {
            return;
        }
        field.setSelection(at, isCrLfAt(field.text(), at) ? 2 : 1);
    }
    field.replaceSelection({});
}

void TextEditing::deleteBackward(TextControl& field) {
    if (field.selLength() == 0) {
        const std::size_t at = field.selStart();
        if (at == 0) {
            return;
        }
        const std::size_t width = at >= 2 && isCrLfAt(field.text(), at - 2) ? 2 : 1;
        field.setSelection(at - width, width);
    }
    field.replaceSelection({});
}

void TextEditing::copy(TextControl& field) {
    if (field.selLength() > 0) {
        clipboard_ = field.text().substr(field.selStart(), field.selLength());
    }
}

void TextEditing::paste(TextControl& field, const Text& text) {
    dispatch(platform_, [&] { pasteInto(field, text); });
}

void TextEditing::erase(TextControl& field) {
    dispatch(platform_, [&] {
        if (field.selLength() > 0) {
            field.replaceSelection({});
        }
    });
}

void TextEditing::set(TextControl& field, const Text& text) {
    dispatch(platform_, [&] {
        const Text fitting = pastable(text, singleLine(field), roomBeside(field.maxLength, 0));
        if (fitting.empty() && field.empty()) {
            return;
        }
        field.setSelection(0, field.length());
        field.replaceSelection(fitting);
    });
}

void TextEditing::set(ComboBox& box, const Text& text) {
    dispatch(platform_, [&] {
        box.text = pastable(text, true, roomBeside(box.maxLength, 0));
        if (box.onChange) {
            box.onChange();
        }
    });
}

} // namespace norvik::headless
