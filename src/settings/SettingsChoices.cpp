// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsChoices.h"

#include "kit/LineBreaks.h"

#include <algorithm>

namespace norvik {

namespace {

constexpr int largestFontSize = 200;

// The entry from 1 on whose text equals the value, or -1.
int entryHolding(const Text& value, const Lines& entries) {
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (entries[i] == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

int colorChoiceFor(Color color, const std::array<Color, 11>& choices) {
    const auto found = std::find(choices.begin(), choices.end(), color);
    return found == choices.end() ? -1 : static_cast<int>(found - choices.begin());
}

std::optional<Color> colorOfChoice(int index, const std::array<Color, 11>& choices) {
    if (index < 0 || index >= static_cast<int>(choices.size())) {
        return std::nullopt;
    }
    return choices[static_cast<std::size_t>(index)];
}

int delimiterChoiceFor(const Text& value) {
    for (std::size_t i = 0; i < delimiterChoices.size(); ++i) {
        if (value == delimiterChoices[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::optional<Text> delimiterOfChoice(int index) {
    if (index < 0 || index >= static_cast<int>(delimiterChoices.size())) {
        return std::nullopt;
    }
    return Text(delimiterChoices[static_cast<std::size_t>(index)]);
}

int fontNameChoiceFor(const Text& value, const Lines& entries) {
    return value == defaultFontName ? 0 : entryHolding(value, entries);
}

std::optional<Text> fontNameToStore(int index, const Text& text) {
    if (index == 0) {
        return Text(defaultFontName);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    return text;
}

int fontSizeChoiceFor(const Text& value, const Lines& entries) {
    return value == defaultFontSize ? 0 : entryHolding(value, entries);
}

std::optional<Text> fontSizeToStore(int index, const Text& text) {
    if (index == 0) {
        return Text(defaultFontSize);
    }
    if (text.empty() || text.size() > 3 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const int size = std::stoi(text);
    if (size < 1 || size > largestFontSize) {
        return std::nullopt;
    }
    return text;
}

Text messageTextToStore(const Text& text) {
    return breaksToBlanks(text);
}

} // namespace norvik
