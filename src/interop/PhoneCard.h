// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"
#include "language/LanguageLines.h"

#include <functional>
#include <optional>

namespace norvik {

// What a vCard carries of a phone line, in code page 1251.
struct PhoneCard {
    Text name;
    // The address parts. The street part holds the street, then house,
    // building, structure and flat with their labels, as the line writes them.
    Text street;
    Text city;
    Text region;
    Text postcode;
    Text country;
    std::optional<Text> mobile;
    std::optional<Text> telephone;
    std::optional<Text> fax;
    // The rest of a line that its fields cannot rebuild, kept whole.
    std::optional<Text> note;

    bool hasAddress() const;
};

using FieldLabel = std::function<Text(Line label)>;

// Reads a phone line back into the fields of the add dialog, using the labels
// it was written with. When the fields read would not rebuild exactly the same
// line, the card holds the name and the whole rest as its note instead.
PhoneCard cardFromPhoneLine(const Text& line, const FieldLabel& label);

// The phone line the add dialog would build from the card's fields; a card
// with only a note gives the name, the separator and the note. Nothing for a
// card without a name, which the add dialog would refuse too.
std::optional<Text> phoneLineFromCard(const PhoneCard& card, const FieldLabel& label);

} // namespace norvik
