// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/sync/CardItem.h"

#include "interop/ContentLines.h"
#include "interop/VCard.h"
#include "interop/sync/ContentDocument.h"
#include "interop/sync/SyncText.h"
#include "kit/Failure.h"

#include <algorithm>
#include <vector>

namespace norvik::sync {

namespace {

using Component = ContentDocument::Component;

enum class Kind { Mobile, Telephone, Fax };

Kind kindOf(const ContentFields& tel) {
    if (hasParameterValue(tel, "TYPE", "CELL")) {
        return Kind::Mobile;
    }
    if (hasParameterValue(tel, "TYPE", "FAX")) {
        return Kind::Fax;
    }
    return Kind::Telephone;
}

std::vector<Text> numbersOf(const std::optional<Text>& field) {
    std::vector<Text> numbers;
    if (!field) {
        return numbers;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = field->find(", ", start);
        numbers.push_back(field->substr(start, comma - start));
        if (comma == Text::npos) {
            return numbers;
        }
        start = comma + 2;
    }
}

// The one card of a file, with its version; nothing for anything else.
struct CardLayout {
    Component card;
    std::string version;
};

std::optional<CardLayout> layoutOf(const ContentDocument& document) {
    const auto components = document.components();
    std::optional<CardLayout> layout;
    for (const auto& component : components) {
        if (component.parent != -1) {
            continue;
        }
        if (component.name != "VCARD" || layout) {
            return std::nullopt;
        }
        layout = CardLayout{component, {}};
    }
    if (!layout) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < document.size(); ++i) {
        const bool inside = i >= layout->card.begin && i <= layout->card.end;
        if (!inside && !document.at(i).unfolded.empty()) {
            return std::nullopt;
        }
    }
    const auto version = document.find(layout->card, "VERSION");
    layout->version = version.empty() ? "3.0" : document.at(version.front()).fields.value;
    return layout;
}

class CardEditor {
public:
    CardEditor(std::string_view bytes, const CardLayout& layout)
        : document_(bytes), version_(layout.version) {}

    ContentDocument& document() { return document_; }

    Component card() const {
        for (const auto& component : document_.components()) {
            if (component.parent == -1) {
                return component;
            }
        }
        return {};
    }

    bool oldVersion() const { return version_ == "2.1"; }

    // A text value in the card's version: 3.0 and 4.0 escape, 2.1 names its
    // character set instead.
    std::string value(const Text& text, bool structured) const {
        std::string utf8 = outsideText(text);
        if (!oldVersion()) {
            return escapeText(utf8);
        }
        if (!structured) {
            return utf8;
        }
        std::string out;
        for (const char c : utf8) {
            if (c == ';' || c == '\\') {
                out += '\\';
            }
            out += c;
        }
        return out;
    }

    std::string prefixFor(std::string_view oldPrefix, const std::string& value) const {
        std::string prefix = plainPrefix(oldPrefix);
        const bool ascii = std::all_of(value.begin(), value.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (oldVersion() && !ascii) {
            prefix += ";CHARSET=UTF-8";
        }
        return prefix;
    }

    void set(std::size_t index, const std::string& newValue) {
        const std::string old = document_.at(index).unfolded;
        document_.replace(index, prefixFor(linePrefix(old), newValue) + ":" + newValue);
    }

    void insert(std::string_view prefix, const std::string& newValue, std::size_t before) {
        document_.insertBefore(before, prefixFor(prefix, newValue) + ":" + newValue);
    }

    void setName(const Text& name) {
        const Component whole = card();
        const auto fn = document_.find(whole, "FN");
        const std::string fnValue = value(name, false);
        if (fn.empty()) {
            insert("FN", fnValue, whole.end);
        } else {
            set(fn.front(), fnValue);
        }
        const Component again = card();
        const auto n = document_.find(again, "N");
        if (n.empty()) {
            return;
        }
        // "Given Family" as the structured name phones sort by.
        const auto blank = name.rfind(' ');
        const Text family = blank == Text::npos ? name : name.substr(blank + 1);
        const Text given = blank == Text::npos ? Text() : name.substr(0, blank);
        set(n.front(), value(family, true) + ";" + value(given, true) + ";;;");
    }

    // Only the parts that changed are written; the street as a line reads it
    // holds the extended part and the PO box too, so a new street takes
    // their place.
    void setAddress(const PhoneCard& before, const PhoneCard& after) {
        const Component whole = card();
        const auto adr = document_.find(whole, "ADR");
        if (!after.hasAddress()) {
            if (!adr.empty()) {
                document_.remove(adr.front());
            }
            return;
        }
        std::vector<std::string> parts(7);
        if (!adr.empty()) {
            const std::string_view old = lineValue(document_.at(adr.front()).unfolded);
            std::size_t start = 0;
            for (std::size_t part = 0; part < parts.size() && start <= old.size(); ++part) {
                std::size_t end = start;
                while (end < old.size() && old[end] != ';') {
                    end += old[end] == '\\' ? 2 : 1;
                }
                end = std::min(end, old.size());
                parts[part] = std::string(old.substr(start, end - start));
                start = end + 1;
            }
        }
        const std::pair<const Text*, const Text*> fields[] = {{&before.street, &after.street},
                                                              {&before.city, &after.city},
                                                              {&before.region, &after.region},
                                                              {&before.postcode, &after.postcode},
                                                              {&before.country, &after.country}};
        for (std::size_t i = 0; i < 5; ++i) {
            if (adr.empty() || *fields[i].first != *fields[i].second) {
                parts[i + 2] = value(*fields[i].second, true);
                if (i == 0) {
                    parts[0].clear();
                    parts[1].clear();
                }
            }
        }
        std::string joined = parts[0];
        for (std::size_t i = 1; i < parts.size(); ++i) {
            joined += ";" + parts[i];
        }
        if (adr.empty()) {
            insert("ADR", joined, insertionPoint(whole, "TEL"));
        } else {
            set(adr.front(), joined);
        }
    }

    void setNumbers(Kind kind, const std::optional<Text>& field) {
        const std::vector<Text> numbers = numbersOf(field);
        const Component whole = card();
        std::vector<std::size_t> tels;
        for (const std::size_t index : document_.find(whole, "TEL")) {
            if (kindOf(document_.at(index).fields) == kind) {
                tels.push_back(index);
            }
        }
        // Removed from the end first, so that the indexes before stay.
        for (std::size_t i = tels.size(); i > numbers.size(); --i) {
            document_.remove(tels[i - 1]);
        }
        const std::size_t kept = std::min(tels.size(), numbers.size());
        for (std::size_t i = 0; i < kept; ++i) {
            set(tels[i], telValue(tels[i], numbers[i]));
        }
        if (numbers.size() <= tels.size()) {
            return;
        }
        const char* defaults[] = {"TEL;TYPE=CELL", "TEL;TYPE=VOICE", "TEL;TYPE=FAX"};
        std::string prefix = defaults[static_cast<int>(kind)];
        std::size_t before = insertionPoint(card(), "NOTE");
        if (!tels.empty()) {
            // New numbers of a kind follow its last one and take its types,
            // not its group, which ties other lines to that one number.
            prefix = plainPrefix(linePrefix(document_.at(tels[kept - 1]).unfolded));
            if (const auto dot = prefix.find('.');
                dot != std::string::npos && dot < prefix.find_first_of(";:")) {
                prefix.erase(0, dot + 1);
            }
            before = tels[kept - 1] + 1;
        }
        for (std::size_t i = kept; i < numbers.size(); ++i) {
            insert(prefix, value(numbers[i], false), before++);
        }
    }

    void setNote(const std::optional<Text>& note) {
        const Component whole = card();
        const auto found = document_.find(whole, "NOTE");
        if (!note) {
            if (!found.empty()) {
                document_.remove(found.front());
            }
            return;
        }
        if (found.empty()) {
            insert("NOTE", value(*note, false), whole.end);
        } else {
            set(found.front(), value(*note, false));
        }
    }

private:
    std::string telValue(std::size_t index, const Text& number) const {
        const std::string_view old = lineValue(document_.at(index).unfolded);
        if (old.starts_with("tel:") || old.starts_with("TEL:")) {
            std::string uri = "tel:" + outsideText(number);
            std::replace(uri.begin(), uri.end(), ' ', '-');
            return uri;
        }
        return value(number, false);
    }

    // Before the first property of that name, else before the card's END.
    std::size_t insertionPoint(const Component& whole, std::string_view name) const {
        const auto found = document_.find(whole, name);
        return found.empty() ? whole.end : found.front();
    }

    ContentDocument document_;
    std::string version_;
};

std::optional<PhoneCard> readCard(std::string_view bytes) {
    try {
        VCardImport import = readVCards(bytes, "item");
        if (import.cards.size() != 1) {
            return std::nullopt;
        }
        return std::move(import.cards.front());
    } catch (const Failure&) {
        return std::nullopt;
    }
}

} // namespace

ItemReading readCardItem(std::string_view bytes, const FieldLabel& label, bool ownNote) {
    ItemReading reading;
    const ContentDocument document(bytes);
    const auto layout = layoutOf(document);
    auto card = layout ? readCard(bytes) : std::nullopt;
    if (!card) {
        return reading;
    }
    if (const auto uid = document.find(layout->card, "UID"); !uid.empty()) {
        reading.uid = unescapeText(document.at(uid.front()).fields.value);
    }
    if (!ownNote) {
        card->note.reset();
    }
    const auto line = phoneLineFromCard(*card, label);
    if (!line) {
        reading.outcome = ItemReading::Outcome::NotShown;
        return reading;
    }
    reading.lines.push_back({std::string(), *line});
    reading.outcome = ItemReading::Outcome::Shown;
    return reading;
}

std::optional<std::string> editCardItem(std::string_view bytes, const Text& base, const Text& line,
                                        const FieldLabel& label, bool& ownNote) {
    const ContentDocument document(bytes);
    const auto layout = layoutOf(document);
    if (!layout) {
        return std::nullopt;
    }
    const PhoneCard before = cardFromPhoneLine(base, label);
    const PhoneCard after = cardFromPhoneLine(line, label);
    CardEditor editor(bytes, *layout);
    if (after.name != before.name) {
        editor.setName(after.name);
    }
    if (after.street != before.street || after.city != before.city ||
        after.region != before.region || after.postcode != before.postcode ||
        after.country != before.country) {
        editor.setAddress(before, after);
    }
    if (after.mobile != before.mobile) {
        editor.setNumbers(Kind::Mobile, after.mobile);
    }
    if (after.telephone != before.telephone) {
        editor.setNumbers(Kind::Telephone, after.telephone);
    }
    if (after.fax != before.fax) {
        editor.setNumbers(Kind::Fax, after.fax);
    }
    if (after.note != before.note) {
        const bool phoneNote = !editor.document().find(editor.card(), "NOTE").empty() && !ownNote;
        if (!phoneNote) {
            editor.setNote(after.note);
            ownNote = after.note.has_value();
        }
    }
    return editor.document().bytes();
}

std::string newCardItem(const std::string& uid, const Text& line, const FieldLabel& label,
                        bool& ownNote) {
    const PhoneCard card = cardFromPhoneLine(line, label);
    ownNote = card.note.has_value();
    std::string bytes = writeVCards({card});
    const std::string version = "VERSION:3.0\r\n";
    std::string uidLine;
    appendContentLine(uidLine, "UID:" + escapeText(uid));
    const auto at = bytes.find(version);
    bytes.insert(at == std::string::npos ? 0 : at + version.size(), uidLine);
    return bytes;
}

std::string cardPairingKey(const Text& line, const FieldLabel& label) {
    const PhoneCard card = cardFromPhoneLine(line, label);
    std::vector<std::string> numbers;
    for (const auto* field : {&card.mobile, &card.telephone, &card.fax}) {
        for (const Text& number : numbersOf(*field)) {
            std::string digits;
            for (const char c : number) {
                if ((c >= '0' && c <= '9') || (c == '+' && digits.empty())) {
                    digits += c;
                }
            }
            numbers.push_back(digits);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    std::string key = card.name;
    for (const auto& number : numbers) {
        key += '\t';
        key += number;
    }
    return key;
}

} // namespace norvik::sync
