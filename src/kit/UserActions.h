// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace norvik {

class Button;
class ComboBox;
class Control;
class ListBox;
class TextControl;

// What the user's actions do to the controls, the same in every front end.
// None of these runs through dispatch: each front end runs them as one
// handler run of its own, so that a failure skips the steps after it.

// A button pressed: its window takes the button's modal result (when it has
// one), then the click handler runs and may still change it.
void pressButton(Button& button);

// The button an Enter or an Escape presses once the key handlers of the
// control it was typed in have left the key alone: the window's default
// button for Enter (never from a multi-line field, where Enter starts a new
// line), its cancel button for Escape; null when the window has none, or it
// is hidden or disabled.
Button* buttonForDialogKey(const Control& control, int key);

// Lines chosen in a list: exactly these lines are marked, the last becomes
// the current line, then the click handler runs.
void chooseLines(ListBox& list, const std::vector<int>& indexes);
// Where the front end's own widget has already moved the marks and the
// current line: only the click handler runs.
void linesChosen(ListBox& list);

// An entry chosen from a drop-down list: the text becomes the entry's, then
// the click handler runs, then the change handler.
void chooseEntry(ComboBox& box, int index);

// The single-line rule: an edit field keeps one line (the notes keep many),
// and a text given to it keeps what comes before its first CR or LF.
bool singleLine(const TextControl& field);

// The room a length limit leaves beside the characters kept (nullopt: the
// field has no limit).
std::optional<std::size_t> roomBeside(std::size_t maxLength, std::size_t kept);
// The room left when the field's selection is replaced.
std::optional<std::size_t> roomFor(const TextControl& field);

// What a paste puts in: a single-line field keeps the text up to its first
// CR or LF; then the leading characters the room allows, never half of a
// CR LF.
Text pastable(const Text& text, bool singleLine, std::optional<std::size_t> room);

// A paste into a field: what the rules keep replaces the selection even
// when nothing is kept; with no selection and nothing kept, nothing changes.
void pasteInto(TextControl& field, const Text& text);

} // namespace norvik
