// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/PhoneCard.h"

#include "phonebook/PhoneLine.h"
#include "store/Codec1251.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace norvik {

namespace {

// Longer rests go whole into the note, and longer streets are taken whole:
// the reader keeps a table the size of the text for every piece.
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
//
// The best split of the text from a place where a label starts, using pieces
// from some piece on, is worked out for every such place from the end of the
// text back: a piece's value runs to any later place where a following piece
// starts, and the best of those is kept as a running maximum for each piece,
// so the work grows with the text and not with its square.
class PieceReader {
public:
    PieceReader(std::string_view text, const std::vector<Piece>& pieces)
        : text_(text), pieces_(pieces), values_(pieces.size()) {
        std::vector<unsigned> starts;
        for (std::size_t at = 0; at <= text_.size(); ++at) {
            unsigned here = 0;
            for (std::size_t j = 0; j < pieces_.size(); ++j) {
                if (text_.substr(at).starts_with(pieces_[j].before)) {
                    here |= 1U << j;
                }
            }
            if (here != 0 || at == text_.size()) {
                boundaries_.push_back(at);
                starts.push_back(here);
            }
        }
        solve(starts);
    }

    bool read(Text& head) {
        int best = impossible;
        std::size_t headEnd = 0;
        for (std::size_t i = 0; i < boundaries_.size(); ++i) {
            const int score = bestFrom(0, i).score;
            if (score > best) {
                best = score;
                headEnd = i;
            }
        }
        if (best == impossible) {
            return false;
        }
        head = Text(text_.substr(0, boundaries_[headEnd]));
        for (std::size_t first = 0, at = headEnd; boundaries_[at] < text_.size();) {
            const Choice& choice = bestFrom(first, at);
            const Piece& piece = pieces_[choice.piece];
            const std::size_t start = boundaries_[at] + piece.before.size();
            const std::size_t end = boundaries_[choice.end];
            values_[choice.piece] = Text(text_.substr(start, end - piece.after.size() - start));
            first = choice.piece + 1;
            at = choice.end;
        }
        return true;
    }

    const std::vector<std::optional<Text>>& values() const { return values_; }

private:
    static constexpr int impossible = -1;

    struct Choice {
        int score = impossible;
        std::size_t piece = 0;
        std::size_t end = 0; // the boundary where the piece, its closing label included, ends
    };

    // The most label text pieces `first`... account for in the text from
    // boundary `at` on, and the first piece's choice.
    Choice& bestFrom(std::size_t first, std::size_t at) {
        return best_[first * boundaries_.size() + at];
    }

    void solve(const std::vector<unsigned>& starts) {
        const std::size_t count = boundaries_.size();
        const std::size_t last = count - 1; // the end of the text
        best_.assign((pieces_.size() + 1) * count, Choice{});
        // For piece j: the best continuation after it among the boundaries
        // from each one on, where its closing label fits (score and boundary;
        // the earlier boundary on a tie, for the shortest value).
        std::vector<std::pair<int, std::size_t>> ahead(pieces_.size() * (count + 1),
                                                       {impossible, 0});
        auto aheadOf = [&](std::size_t j, std::size_t at) -> std::pair<int, std::size_t>& {
            return ahead[j * (count + 1) + at];
        };
        for (std::size_t at = count; at-- > 0;) {
            for (std::size_t first = pieces_.size() + 1; first-- > 0;) {
                Choice& choice = bestFrom(first, at);
                if (at == last) {
                    choice.score = 0;
                } else {
                    for (std::size_t j = first; j < pieces_.size(); ++j) {
                        if ((starts[at] & (1U << j)) == 0) {
                            continue;
                        }
                        const Piece& piece = pieces_[j];
                        const std::size_t earliest =
                            boundaries_[at] + piece.before.size() + piece.after.size();
                        const auto from = static_cast<std::size_t>(
                            std::lower_bound(boundaries_.begin(), boundaries_.end(), earliest) -
                            boundaries_.begin());
                        const auto [after, end] = aheadOf(j, from);
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
                if (first == 0) {
                    continue;
                }
                // Piece first - 1 may end here when its closing label does.
                const std::size_t j = first - 1;
                const Text& closing = pieces_[j].after;
                const std::size_t place = boundaries_[at];
                const bool closes = place >= closing.size() &&
                                    text_.substr(place - closing.size(), closing.size()) == closing;
                auto& here = aheadOf(j, at);
                here = aheadOf(j, at + 1);
                if (closes && choice.score != impossible && choice.score >= here.first) {
                    here = {choice.score, at};
                }
            }
        }
    }

    std::string_view text_;
    const std::vector<Piece>& pieces_;
    std::vector<std::size_t> boundaries_;
    std::vector<Choice> best_;
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

// A street that already begins with the street label ("ул. Тверская", the
// label being ", ул. ") keeps it once: the line writes the label itself.
Text withoutStreetLabel(const Text& street, const FieldLabel& label) {
    const Text written = label(Line::StreetLabel);
    const auto first = written.find_first_not_of(", ");
    if (first == Text::npos) {
        return street;
    }
    const Text core = written.substr(first, written.find_last_not_of(' ') + 1 - first);
    if (street.size() < core.size() ||
        cp1251::toLower(std::string_view(street).substr(0, core.size())) != cp1251::toLower(core)) {
        return street;
    }
    const auto rest = street.find_first_not_of(' ', core.size());
    return rest == Text::npos ? Text() : street.substr(rest);
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
    const Text street = withoutStreetLabel(card.street, label);
    if (street.size() > longestReadableRest || !readStreetPart(street, label, record)) {
        record.street = orUnset(street);
    }
    record.mobile = card.mobile.value_or(unsetMarker);
    record.telephone = card.telephone.value_or(unsetMarker);
    record.fax = card.fax.value_or(unsetMarker);
    return buildPhoneLine(record, label);
}

} // namespace norvik
