// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/VCard.h"

#include "interop/ContentLines.h"
#include "kit/Failure.h"
#include "store/Codec1251.h"

namespace norvik {

namespace {

std::string text(const Text& value) {
    return escapeText(cp1251::toUtf8(value));
}

bool hasType(const ContentFields& fields, std::string_view type) {
    for (const auto& [name, value] : fields.params) {
        if (name != "TYPE") {
            continue;
        }
        std::string upper = value;
        for (auto& c : upper) {
            if (c >= 'a' && c <= 'z') {
                c = static_cast<char>(c - 32);
            }
        }
        if (upper == type) {
            return true;
        }
    }
    return false;
}

void addNumber(std::optional<Text>& field, const Text& number) {
    field = field ? *field + ", " + number : number;
}

} // namespace

std::string writeVCards(const std::vector<PhoneCard>& cards) {
    std::string out;
    out.reserve(cards.size() * 200);
    for (const PhoneCard& card : cards) {
        out += "BEGIN:VCARD\r\nVERSION:3.0\r\n";
        const std::string name = text(card.name);
        appendContentLine(out, "FN:" + name);
        appendContentLine(out, "N:" + name + ";;;;");
        if (card.hasAddress()) {
            appendContentLine(out, "ADR:;;" + text(card.street) + ";" + text(card.city) + ";" +
                                       text(card.region) + ";" + text(card.postcode) + ";" +
                                       text(card.country));
        }
        const std::pair<const std::optional<Text>&, const char*> phones[] = {
            {card.mobile, "CELL"}, {card.telephone, "VOICE"}, {card.fax, "FAX"}};
        for (const auto& [number, type] : phones) {
            if (number) {
                appendContentLine(out, std::string("TEL;TYPE=") + type + ":" + text(*number));
            }
        }
        if (card.note) {
            appendContentLine(out, "NOTE:" + text(*card.note));
        }
        out += "END:VCARD\r\n";
    }
    return out;
}

VCardImport readVCards(std::string_view bytes, const std::string& fileName) {
    VCardImport result;
    std::optional<PhoneCard> card;
    Text structuredName;
    std::size_t cardLine = 0;
    ContentFields fields;
    for (const auto& line : unfoldContentLines(bytes)) {
        if (!splitContentLine(line.text, fields)) {
            throw badFile(fileName, line.lineNumber, "not a vCard line");
        }
        if (fields.name == "BEGIN") {
            if (card || fields.value != "VCARD") {
                throw badFile(fileName, line.lineNumber, "unexpected BEGIN:" + fields.value);
            }
            card.emplace();
            structuredName.clear();
            cardLine = line.lineNumber;
            continue;
        }
        if (!card) {
            throw badFile(fileName, line.lineNumber, "expected BEGIN:VCARD");
        }
        if (fields.name == "END") {
            if (fields.value != "VCARD") {
                throw badFile(fileName, line.lineNumber, "unexpected END:" + fields.value);
            }
            if (card->name.empty()) {
                card->name = structuredName;
            }
            result.cards.push_back(std::move(*card));
            card.reset();
            continue;
        }
        std::size_t& replaced = result.replaced;
        if (fields.name == "FN") {
            card->name = oneStorableLine(unescapeText(fields.value), replaced);
        } else if (fields.name == "N") {
            // Given and family name, as a name is written; the rest is left out.
            const auto parts = splitStructured(fields.value);
            std::string name = parts.size() > 1 ? parts[1] : "";
            if (!parts.empty() && !parts[0].empty()) {
                name += name.empty() ? parts[0] : " " + parts[0];
            }
            structuredName = oneStorableLine(name, replaced);
        } else if (fields.name == "ADR" && !card->hasAddress()) {
            auto parts = splitStructured(fields.value);
            parts.resize(7);
            card->street = oneStorableLine(parts[2], replaced);
            card->city = oneStorableLine(parts[3], replaced);
            card->region = oneStorableLine(parts[4], replaced);
            card->postcode = oneStorableLine(parts[5], replaced);
            card->country = oneStorableLine(parts[6], replaced);
        } else if (fields.name == "TEL") {
            const Text number = oneStorableLine(unescapeText(fields.value), replaced);
            if (hasType(fields, "CELL")) {
                addNumber(card->mobile, number);
            } else if (hasType(fields, "FAX")) {
                addNumber(card->fax, number);
            } else {
                addNumber(card->telephone, number);
            }
        } else if (fields.name == "NOTE") {
            card->note = oneStorableLine(unescapeText(fields.value), replaced);
        }
    }
    if (card) {
        throw badFile(fileName, cardLine, "BEGIN:VCARD is never closed");
    }
    return result;
}

} // namespace norvik
