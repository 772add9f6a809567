// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/PhoneCard.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace norvik {

// vCard 3.0: one card per phone card, UTF-8, folded, CR LF.
std::string writeVCards(const std::vector<PhoneCard>& cards);

struct VCardImport {
    std::vector<PhoneCard> cards;
    std::size_t replaced = 0; // characters code page 1251 cannot hold, now "?"
};

// Reads FN (or N), ADR, TEL and NOTE of every card; line breaks in values
// become blanks. Several numbers of one kind share their field, separated by
// ", ". A file that is not a vCard file fails with a message naming
// `fileName` and the line.
VCardImport readVCards(std::string_view bytes, const std::string& fileName);

} // namespace norvik
