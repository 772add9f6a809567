// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Color.h"
#include "kit/Text.h"

#include <array>
#include <optional>

namespace norvik {

// What each entry of the settings dialog's lists stands for, by position, so
// that the choice works whatever the language module calls the entries.
// Entry 0 of every list is the default value.
inline constexpr std::array<Color, 11> backgroundChoices = {
    clNavy, clWhite,   clSkyBlue, clBlue,   clRed,   clGreen,
    clLime, clFuchsia, clPurple,  clMaroon, clBlack,
};
inline constexpr std::array<Color, 11> textColorChoices = {
    clWhite, clWhite,   clSkyBlue, clBlue,   clRed,   clGreen,
    clLime,  clFuchsia, clPurple,  clMaroon, clBlack,
};
// Values of the Delimeter key: a line of "=", of "-", of "+", none.
inline constexpr std::array<const char*, 4> delimiterChoices = {"1", "2", "3", "0"};
inline constexpr const char* defaultFontName = "Courier New";
inline constexpr const char* defaultFontSize = "12";

// The first entry standing for a colour, or -1.
int colorChoiceFor(Color color, const std::array<Color, 11>& choices);
// The colour entry `index` stands for; nothing when it is no entry.
std::optional<Color> colorOfChoice(int index, const std::array<Color, 11>& choices);

// The entry standing for a Delimeter value, or -1.
int delimiterChoiceFor(const Text& value);
// The Delimeter value to write for the chosen entry; nothing for a typed text.
std::optional<Text> delimiterOfChoice(int index);

// The entry of the font list standing for a stored name: entry 0 for the
// default font, else the entry holding that name; -1 when none does.
int fontNameChoiceFor(const Text& value, const Lines& entries);
// The NotebookType to write: the default font for entry 0, else any non-empty
// text the list holds.
std::optional<Text> fontNameToStore(int index, const Text& text);

// As for the font name; sizes are compared as texts.
int fontSizeChoiceFor(const Text& value, const Lines& entries);
// The NotebookSize to write: 12 for entry 0, else a whole number from 1 to
// 200, so that the next start never fails on it.
std::optional<Text> fontSizeToStore(int index, const Text& text);

// The settings file holds one entry per line: every line break in the
// message text (CR LF, a lone CR or LF) becomes one blank.
Text messageTextToStore(const Text& text);

} // namespace norvik
