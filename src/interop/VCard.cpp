// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/VCard.h"

#include "interop/ContentLines.h"
#include "interop/ControlCharacters.h"
#include "interop/LegacyEncodings.h"
#include "kit/Failure.h"
#include "store/Codec1251.h"

namespace norvik {

namespace {

std::string text(const Text& value) {
    return escapeText(cp1251::toUtf8(withoutControls(value)));
}

// TYPE=CELL, TYPE="voice,cell" (vCard 4) and a bare CELL (vCard 2.1) alike.
bool hasType(const ContentFields& fields, std::string_view type) {
    for (const auto& [name, value] : fields.params) {
        if (name != "TYPE") {
            continue;
        }
        bool found = false;
        forEachPart(upperCased(value), ",", [&](std::string_view each) { found |= each == type; });
        if (found) {
            return true;
        }
    }
    return false;
}

bool isQuotedPrintable(const ContentFields& fields) {
    return upperCased(paramValue(fields, "ENCODING")) == "QUOTED-PRINTABLE" ||
           hasType(fields, "QUOTED-PRINTABLE");
}

// The value as UTF-8 text, still escaped as the version writes it.
std::string decodedValue(const ContentFields& fields) {
    std::string value = fields.value;
    if (isQuotedPrintable(fields)) {
        value = quotedPrintableDecoded(value);
    }
    return utf8FromCharset(value, paramValue(fields, "CHARSET"));
}

// "tel:+1-555-0100" (vCard 4) is the number "+1-555-0100". No number keeps
// the scheme, so that an exported number reads back the same.
std::string_view withoutTelScheme(std::string_view number) {
    while (number.size() >= 4 && upperCased(number.substr(0, 4)) == "TEL:") {
        number.remove_prefix(4);
    }
    return number;
}

std::string joined(const std::vector<std::string>& parts, std::string_view between) {
    std::string out;
    for (const std::string& part : parts) {
        if (part.empty()) {
            continue;
        }
        if (!out.empty()) {
            out += between;
        }
        out += part;
    }
    return out;
}

// One card as it is read, before it becomes a phone card.
struct CardFields {
    Text name;
    Text structuredName;
    Text organisation;
    std::optional<std::vector<std::string>> address; // the ADR parts, UTF-8
    std::vector<Text> mobile;
    std::vector<Text> telephone;
    std::vector<Text> fax;
    std::optional<Text> note;
    std::size_t line = 0;
};

// Numbers of one kind share their field, separated by ", ", and are exported
// one per TEL split there: a number keeps no blank after a comma (a comma
// is a dialling pause), so that it stays one number.
Text oneNumber(const Text& number) {
    Text out;
    out.reserve(number.size());
    for (const char c : number) {
        if (c != ' ' || out.empty() || out.back() != ',') {
            out += c;
        }
    }
    return out;
}

class CardReader {
public:
    explicit CardReader(std::size_t& replaced) : replaced_(replaced) {}

    void take(CardFields& card, const ContentFields& fields) {
        const std::string value = decodedValue(fields);
        const std::string& name = fields.name;
        if (name == "FN") {
            card.name = storable(unescapeText(value));
        } else if (name == "N") {
            // Given and family name, as a name is written; the rest is left out.
            const auto parts = splitStructured(value);
            card.structuredName = storable(
                joined({parts.size() > 1 ? parts[1] : "", parts.empty() ? "" : parts[0]}, " "));
        } else if (name == "ORG") {
            card.organisation = storable(joined(splitStructured(value), ", "));
        } else if (name == "ADR" && !card.address) {
            card.address = splitStructured(value);
            card.address->resize(7);
        } else if (name == "TEL") {
            const Text number = oneNumber(Text(withoutTelScheme(storable(unescapeText(value)))));
            if (hasType(fields, "CELL") || hasType(fields, "MOBILE")) {
                card.mobile.push_back(number);
            } else if (hasType(fields, "FAX")) {
                card.fax.push_back(number);
            } else {
                card.telephone.push_back(number);
            }
        } else if (name == "NOTE") {
            card.note = storable(unescapeText(value));
        }
    }

    PhoneCard finish(CardFields& card) {
        PhoneCard phone;
        phone.name = !card.name.empty()             ? card.name
                     : !card.structuredName.empty() ? card.structuredName
                                                    : card.organisation;
        if (card.address) {
            auto& parts = *card.address;
            // Some programs put the whole address in the PO box or the
            // extended part: every part of the street is kept.
            phone.street = storable(joined({parts[2], parts[1], parts[0]}, ", "));
            phone.city = storable(parts[3]);
            phone.region = storable(parts[4]);
            phone.postcode = storable(parts[5]);
            phone.country = storable(parts[6]);
        }
        // Empty numbers too: a line's field may be checked but empty.
        auto numbers = [](const std::vector<Text>& found) -> std::optional<Text> {
            if (found.empty()) {
                return std::nullopt;
            }
            Text all = found.front();
            for (std::size_t i = 1; i < found.size(); ++i) {
                all += ", " + found[i];
            }
            return all;
        };
        phone.mobile = numbers(card.mobile);
        phone.telephone = numbers(card.telephone);
        phone.fax = numbers(card.fax);
        phone.note = card.note;
        return phone;
    }

private:
    Text storable(std::string_view utf8) {
        return withoutSeparators(oneStorableLine(utf8, replaced_));
    }

    std::size_t& replaced_;
};

} // namespace

std::string withoutSeparators(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t run = 0;
        while (i + run < text.size() && text[i + run] == '>') {
            ++run;
        }
        if (run == 0) {
            out += text[i++];
            continue;
        }
        for (std::size_t k = 0; k < run; ++k) {
            if (k > 0 && run >= 3) {
                out += ' ';
            }
            out += '>';
        }
        i += run;
    }
    return out;
}

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
        for (const auto& [numbers, type] : phones) {
            if (!numbers) {
                continue;
            }
            // One number per TEL, so that a phone can dial each.
            forEachPart(*numbers, ", ", [&out, type = type](std::string_view number) {
                appendContentLine(out, std::string("TEL;TYPE=") + type + ":" + text(Text(number)));
            });
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
    CardReader reader(result.replaced);
    std::optional<CardFields> card;
    ContentLineReader lines(bytes);
    ContentLine line;
    ContentFields fields;
    bool any = false;
    while (lines.next(line)) {
        any = true;
        if (!splitContentLine(line.text, fields)) {
            throw badFile(fileName, line.lineNumber, "not a vCard line");
        }
        // A quoted-printable value goes on after a soft line break, an "=" at
        // the end of the line, on the next line, which starts without a blank.
        if (isQuotedPrintable(fields)) {
            ContentLine more;
            while (!fields.value.empty() && fields.value.back() == '=' &&
                   lines.nextPhysical(more)) {
                fields.value.pop_back();
                fields.value += more.text;
            }
        }
        const bool begins = fields.name == "BEGIN";
        const bool ends = fields.name == "END";
        const std::string component = begins || ends ? componentName(fields.value) : "";
        if (begins) {
            if (card || component != "VCARD") {
                throw badFile(fileName, line.lineNumber, "unexpected BEGIN:" + fields.value);
            }
            card.emplace();
            card->line = line.lineNumber;
            continue;
        }
        if (!card) {
            throw badFile(fileName, line.lineNumber, "expected BEGIN:VCARD");
        }
        if (ends) {
            if (component != "VCARD") {
                throw badFile(fileName, line.lineNumber, "unexpected END:" + fields.value);
            }
            result.cards.push_back(reader.finish(*card));
            card.reset();
            continue;
        }
        reader.take(*card, fields);
    }
    if (!any) {
        throw Failure(fileName + ": no vCard data");
    }
    if (card) {
        throw badFile(fileName, card->line, "BEGIN:VCARD is never closed");
    }
    return result;
}

} // namespace norvik
