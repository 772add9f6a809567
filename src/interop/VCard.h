// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/PhoneCard.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace norvik {

// vCard 3.0: one card per phone card, UTF-8, folded, CR LF, one TEL per
// number (a field holding several, separated by ", ", gives one each).
// Control characters in the fields are left out.
std::string writeVCards(const std::vector<PhoneCard>& cards);

struct VCardImport {
    std::vector<PhoneCard> cards;
    std::size_t replaced = 0; // characters code page 1251 cannot hold, now "?"
};

// Reads the name (FN, else N, else ORG), ADR, TEL and NOTE of every card of
// vCard 2.1, 3.0 and 4.0 files as phones and mail programs write them:
// grouped properties (item1.TEL), quoted-printable values with soft line
// breaks, CHARSET, tel: URIs. Line breaks in values become blanks and other
// control characters are dropped; three or more ">" in a row get blanks
// between them, so that no field can hold the phone line's separator.
// Several numbers of one kind share their field, separated by ", ". A file
// without cards, or that is not a vCard file, fails with a message naming
// `fileName` (and the line).
VCardImport readVCards(std::string_view bytes, const std::string& fileName);

// Runs of three or more ">" with blanks between them (">>>" becomes "> > >").
std::string withoutSeparators(std::string_view text);

} // namespace norvik
