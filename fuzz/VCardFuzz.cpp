// SPDX-License-Identifier: GPL-3.0-or-later
// The vCard reader and the phone lines made from its cards. Every line an
// import makes holds no control character, keeps the card's name before its
// first separator, and comes back the same when exported and imported again.
#include "FuzzCheck.h"
#include "interop/ControlCharacters.h"
#include "interop/PhoneCard.h"
#include "interop/VCard.h"
#include "kit/Failure.h"
#include "language/LanguageLines.h"
#include "phonebook/PhoneLine.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

const std::vector<norvik::Text> labels = {
    ", postcode ",   " region",  ", street: ", ", house: ", ", building: ",
    ", structure: ", ", flat: ", ", mobile: ", ", phone: ", ", fax: "};

norvik::Text labelOf(norvik::Line line) {
    return labels.at(static_cast<std::size_t>(static_cast<int>(line) -
                                              static_cast<int>(norvik::Line::PostcodeLabel)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    norvik::VCardImport import;
    try {
        import = norvik::readVCards(bytes, "fuzz.vcf");
    } catch (const norvik::Failure&) {
        return 0;
    }
    for (const norvik::PhoneCard& card : import.cards) {
        const auto line = norvik::phoneLineFromCard(card, labelOf);
        if (!line) {
            continue;
        }
        FUZZ_CHECK(norvik::withoutControls(*line) == *line);
        FUZZ_CHECK(line->substr(0, line->find(norvik::phoneSeparator)) == card.name);
        const norvik::PhoneCard exported = norvik::cardFromPhoneLine(*line, labelOf);
        const norvik::VCardImport again =
            norvik::readVCards(norvik::writeVCards({exported}), "again.vcf");
        FUZZ_CHECK(again.cards.size() == 1);
        FUZZ_CHECK(norvik::phoneLineFromCard(again.cards[0], labelOf) == line);
    }
    return 0;
}
