// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/PhoneCard.h"
#include "interop/sync/ItemReading.h"

#include <optional>
#include <string>
#include <string_view>

namespace norvik::sync {

// Reads one .vcf item into a phone line, as the add dialog would build it
// from the card's name, address and numbers. The card's NOTE enters the line
// only when this program wrote it (`ownNote`): a note of the phone's own is
// no leftover of a line.
ItemReading readCardItem(std::string_view bytes, const FieldLabel& label, bool ownNote);

// Rewrites a card for a changed line, in the card's own version (2.1, 3.0,
// 4.0), touching only the properties of the fields that changed: FN and N,
// ADR (its PO box and extended parts kept), the TEL lines of a kind (their
// types kept), and NOTE only where it is this program's (`ownNote`, which
// comes back true once NOTE is). Nothing when the file is no single card.
std::optional<std::string> editCardItem(std::string_view bytes, const Text& base, const Text& line,
                                        const FieldLabel& label, bool& ownNote);

// A new vCard 3.0 for a phone line; `ownNote` tells whether it got a NOTE.
std::string newCardItem(const std::string& uid, const Text& line, const FieldLabel& label,
                        bool& ownNote);

// What makes two records the same one on a first sync: the name and the
// numbers, whatever the address looks like.
std::string cardPairingKey(const Text& line, const FieldLabel& label);

} // namespace norvik::sync
