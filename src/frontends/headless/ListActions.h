// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace norvik {
class ComboBox;
class ListBox;
class Platform;
} // namespace norvik

namespace norvik::headless {

// The user's mouse and keyboard on lists. An index out of range is a
// ProtocolError; handlers run through dispatch.

// Marks exactly the given lines; the current line moves to the last one
// given (with none it stays). Never scrolls. A single-selection list takes
// at most one line.
void selectLines(Platform& platform, ListBox& list, const std::vector<int>& indexes);
// Makes a line current, leaving the marks alone. Never scrolls.
void focusLine(ListBox& list, int index);
// Chooses an entry of a drop-down list: its text becomes the entry's.
void pickEntry(Platform& platform, ComboBox& box, int index);

} // namespace norvik::headless
