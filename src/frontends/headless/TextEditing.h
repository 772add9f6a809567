// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Control.h"
#include "kit/Text.h"

#include <cstddef>
#include <optional>

namespace norvik {
class Platform;
class TextControl;
class ComboBox;
} // namespace norvik

namespace norvik::headless {

// One key as the `key` action names it.
struct KeyStroke {
    enum class Key { Character, Delete, Backspace, Enter, Escape, Insert };
    Key key = Key::Character;
    unsigned char character = 0; // for Key::Character
    ShiftState shift;
};

// The key-down code of a typed character: letters give their capital's
// code, digits and the blank themselves, punctuation its key's code on a US
// layout. No character gives 46, the Delete key's code.
int keyDownCode(unsigned char character);

// The user's editing of edit fields, the notes and the text of drop-down
// lists. Every event handler runs through dispatch; text changes go through
// the control, which raises its change event.
class TextEditing {
public:
    TextEditing(Platform& platform, Text& clipboard) : platform_(platform), clipboard_(clipboard) {}

    // Types each character: key-down, key-press, then the character's effect.
    // Stops when an Enter pressed a button that closes the field's dialog.
    void type(TextControl& field, const Text& text);
    // One key on a text field (events and effect) or on another control
    // (its events only). A read-only field gets the events but no change.
    // An Enter or Escape the handlers leave alone then presses the window's
    // default or cancel button.
    void key(Control& control, const KeyStroke& stroke);
    // The context menu's Paste and Delete: no key events, no filter.
    void paste(TextControl& field, const Text& text);
    void erase(TextControl& field);
    // A paste over the whole text; the clipboard is untouched.
    void set(TextControl& field, const Text& text);
    void set(ComboBox& box, const Text& text);

private:
    // One key-down (with its effect) and, when the key gives one, one
    // key-press (with the character's effect), each its own handler run.
    void press(Control& control, int code, std::optional<unsigned char> character,
               ShiftState shift);
    void keyDownEffect(TextControl& field, int code, ShiftState shift);
    void characterEffect(TextControl& field, unsigned char character);
    // A typed character (or the CR LF of Enter): all of it or nothing.
    void insert(TextControl& field, const Text& text);
    void deleteForward(TextControl& field);
    void deleteBackward(TextControl& field);
    void copy(TextControl& field);

    Platform& platform_;
    Text& clipboard_;
};

} // namespace norvik::headless
