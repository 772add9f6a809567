// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/PhoneCard.h"

#include "phonebook/PhoneLine.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace norvik {

namespace {

// Longer rests go whole into the note: reading them back is quadratic.
constexpr std::size_t longestReadableRest = 4096;

// One optional piece after the head: its label before and after the value.
struct Piece {
    Text before;
    Text after;
};

// Splits `text` into a head and optional pieces that appear in order, each
// introduced by its label. Values may hold label texts themselves, so several
// splits can rebuild the same text; the one that accounts for the most label
// text wins ("X, street: Y" is a street, not a city holding the label; ", A, B
// region" is a city and a region), then the one with the shortest values.
// Nothing when no split rebuilds the text.
class PieceReader {
public:
    PieceReader(std::string_view text, const std::vector<Piece>& pieces)
        : text_(text), pieces_(pieces), starts_(text.size() + 1, 0), values_(pieces.size()) {
        for (std::size_t at = 0; at <= text_.size(); ++at) {
            for (std::size_t j = 0; j < pieces_.size(); ++j) {
                if (text_.substr(at).starts_with(pieces_[j].before)) {
                    starts_[at] |= 1U << j;
                }
            }
            if (starts_[at] != 0 || at == text_.size()) {
                boundaries_.push_back(at);
            }
        }
        memo_.assign((pieces_.size() + 1) * boundaries_.size(), {unknown, 0, 0});
    }

    bool read(Text& head) {
        int best = impossible;
        std::size_t headEnd = 0;
        for (const std::size_t end : boundaries_) {
            const int score = rest(0, end);
            if (score > best) {
                best = score;
                headEnd = end;
            }
        }
        if (best == impossible) {
            return false;
        }
        head = Text(text_.substr(0, headEnd));
        for (std::size_t first = 0, at = headEnd; at < text_.size();) {
            const Choice& choice = memoAt(first, at);
            const Piece& piece = pieces_[choice.piece];
            const std::size_t start = at + piece.before.size();
            values_[choice.piece] =
                Text(text_.substr(start, choice.end - piece.after.size() - start));
            first = choice.piece + 1;
            at = choice.end;
        }
        return true;
    }

    const std::vector<std::optional<Text>>& values() const { return values_; }

private:
    static constexpr int unknown = -2;
    static constexpr int impossible = -1;

    struct Choice {
        int score;
        std::size_t piece;
        std::size_t end; // where the piece, its closing label included, ends
    };

    Choice& memoAt(std::size_t first, std::size_t at) {
        const auto index = static_cast<std::size_t>(
            std::lower_bound(boundaries_.begin(), boundaries_.end(), at) - boundaries_.begin());
        return memo_[first * boundaries_.size() + index];
    }

    // The most label text pieces `first`... can account for in the text from
    // `at` (a boundary) on, or impossible.
    int rest(std::size_t first, std::size_t at) {
        if (at == text_.size()) {
            return 0;
        }
        Choice& choice = memoAt(first, at);
        if (choice.score != unknown) {
            return choice.score;
        }
        choice.score = impossible;
        for (std::size_t j = first; j < pieces_.size(); ++j) {
            if ((starts_[at] & (1U << j)) == 0) {
                continue;
            }
            const Piece& piece = pieces_[j];
            const std::size_t start = at + piece.before.size();
            for (const std::size_t end : boundaries_) {
                // The piece ends where a later piece or the text begins.
                if (end < start + piece.after.size() ||
                    (end < text_.size() && (starts_[end] >> (j + 1)) == 0) ||
                    text_.substr(end - piece.after.size(), piece.after.size()) != piece.after) {
                    continue;
                }
                const int after = rest(j + 1, end);
                if (after == impossible) {
                    continue;
                }
                const int score =
                    static_cast<int>(piece.before.size() + piece.after.size()) + after;
                if (score > choice.score) {
                    choice = {score, j, end};
                }
            }
        }
        return choice.score;
    }

    std::string_view text_;
    const std::vector<Piece>& pieces_;
    std::vector<unsigned> starts_; // per position: the pieces whose label starts there
    std::vector<std::size_t> boundaries_;
    std::vector<Choice> memo_;
    std::vector<std::optional<Text>> values_;
};

// The street part: the street, then the pieces labelled after it.
const Line streetPartLines[] = {Line::HouseLabel, Line::BuildingLabel, Line::StructureLabel,
                                Line::FlatLabel};

std::optional<PhoneRecord> recordFromRest(std::string_view rest, const FieldLabel& label) {
    const std::vector<Piece> pieces = {
        {label(Line::PostcodeLabel), ""},  {", ", ""},
        {", ", label(Line::RegionLabel)},  {label(Line::StreetLabel), ""},
        {label(Line::HouseLabel), ""},     {label(Line::BuildingLabel), ""},
        {label(Line::StructureLabel), ""}, {label(Line::FlatLabel), ""},
        {label(Line::MobileLabel), ""},    {label(Line::TelephoneLabel), ""},
        {label(Line::FaxLabel), ""},
    };
    PieceReader reader(rest, pieces);
    PhoneRecord record;
    if (!reader.read(record.country)) {
        return std::nullopt;
    }
    // A rest with no label in it is free text more likely than a country;
    // the note carries it just as well.
    if (std::none_of(reader.values().begin(), reader.values().end(),
                     [](const auto& value) { return value.has_value(); })) {
        return std::nullopt;
    }
    Text* const fields[] = {&record.postcode, &record.city,      &record.region,    &record.street,
                            &record.house,    &record.building,  &record.structure, &record.flat,
                            &record.mobile,   &record.telephone, &record.fax};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (reader.values()[i]) {
            *fields[i] = *reader.values()[i];
        }
    }
    if (record.country.empty()) {
        record.country = unsetMarker;
    }
    return record;
}

Text streetPart(const PhoneRecord& record, const FieldLabel& label) {
    Text part = record.street == unsetMarker ? Text() : record.street;
    const Text* const values[] = {&record.house, &record.building, &record.structure, &record.flat};
    for (std::size_t i = 0; i < 4; ++i) {
        if (*values[i] != unsetMarker) {
            part += label(streetPartLines[i]) + *values[i];
        }
    }
    return part;
}

bool readStreetPart(const Text& part, const FieldLabel& label, PhoneRecord& record) {
    std::vector<Piece> pieces;
    for (const Line line : streetPartLines) {
        pieces.push_back({label(line), ""});
    }
    PieceReader reader(part, pieces);
    Text street;
    if (!reader.read(street)) {
        return false;
    }
    if (!street.empty()) {
        record.street = street;
    }
    Text* const fields[] = {&record.house, &record.building, &record.structure, &record.flat};
    for (std::size_t i = 0; i < 4; ++i) {
        if (reader.values()[i]) {
            *fields[i] = *reader.values()[i];
        }
    }
    return true;
}

// An empty address part is no part at all.
Text orUnset(const Text& value) {
    return value.empty() ? Text(unsetMarker) : value;
}

} // namespace

bool PhoneCard::hasAddress() const {
    return !street.empty() || !city.empty() || !region.empty() || !postcode.empty() ||
           !country.empty();
}

PhoneCard cardFromPhoneLine(const Text& line, const FieldLabel& label) {
    PhoneCard card;
    const auto separator = line.find(phoneSeparator);
    if (separator == Text::npos) {
        card.name = line;
        return card;
    }
    card.name = line.substr(0, separator);
    const Text rest = line.substr(separator + Text(phoneSeparator).size());
    if (rest.size() <= longestReadableRest) {
        if (const auto record = recordFromRest(rest, label)) {
            auto value = [](const Text& field) { return field == unsetMarker ? Text() : field; };
            card.country = value(record->country);
            card.postcode = value(record->postcode);
            card.city = value(record->city);
            card.region = value(record->region);
            card.street = streetPart(*record, label);
            auto phone = [](const Text& field) {
                return field == unsetMarker ? std::nullopt : std::optional<Text>(field);
            };
            card.mobile = phone(record->mobile);
            card.telephone = phone(record->telephone);
            card.fax = phone(record->fax);
            // Only what a reader of the card gets back counts.
            if (phoneLineFromCard(card, label) == line) {
                return card;
            }
        }
    }
    PhoneCard whole;
    whole.name = card.name;
    if (!rest.empty()) {
        whole.note = rest;
    }
    return whole;
}

std::optional<Text> phoneLineFromCard(const PhoneCard& card, const FieldLabel& label) {
    if (card.name.empty()) {
        return std::nullopt;
    }
    const bool hasPhone = card.mobile || card.telephone || card.fax;
    if (!card.hasAddress() && !hasPhone && card.note) {
        return card.name + phoneSeparator + *card.note;
    }
    PhoneRecord record;
    record.name = card.name;
    record.country = orUnset(card.country);
    record.postcode = orUnset(card.postcode);
    record.city = orUnset(card.city);
    record.region = orUnset(card.region);
    if (!readStreetPart(card.street, label, record)) {
        record.street = orUnset(card.street);
    }
    record.mobile = card.mobile.value_or(unsetMarker);
    record.telephone = card.telephone.value_or(unsetMarker);
    record.fax = card.fax.value_or(unsetMarker);
    return buildPhoneLine(record, label);
}

} // namespace norvik
