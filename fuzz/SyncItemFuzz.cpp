// SPDX-License-Identifier: GPL-3.0-or-later
// Sync's readers and in-place editors of a folder's items. Input: one byte
// choosing a calendar item or a card, then the file's bytes.
#include "FuzzCheck.h"
#include "interop/sync/CalendarItem.h"
#include "interop/sync/CardItem.h"
#include "store/Codec1251.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

const norvik::sync::OccurrenceWindow window{norvik::DateTime{2027, 1, 1, 0, 0, 0, 0},
                                            norvik::DateTime{2027, 12, 31, 0, 0, 0, 0}};

norvik::Text label(norvik::Line line) {
    return ", l" + std::to_string(static_cast<int>(line)) + ": ";
}

void calendar(const std::string& bytes) {
    using norvik::sync::ItemReading;
    const ItemReading reading = norvik::sync::readCalendarItem(bytes, window, 1000);
    FUZZ_CHECK(reading.lines.size() <= 1000);
    if (reading.outcome != ItemReading::Outcome::Shown || reading.lines.empty()) {
        return;
    }
    // Each line changed, and the first one taken out: what is written still
    // reads, and gives the changed lines back.
    std::vector<norvik::sync::ItemEdit> edits;
    for (const auto& item : reading.lines) {
        FUZZ_CHECK(item.line.size() >= 24);
        edits.push_back({item.rid, item.line, item.line + "x"});
    }
    const auto edited = norvik::sync::editCalendarItem(bytes, edits, norvik::LocalZone{}, 0);
    if (!edited) {
        return;
    }
    const ItemReading again = norvik::sync::readCalendarItem(*edited, window, 2000);
    FUZZ_CHECK(again.outcome == ItemReading::Outcome::Shown);
}

void card(const std::string& bytes) {
    using norvik::sync::ItemReading;
    const ItemReading reading = norvik::sync::readCardItem(bytes, label, true);
    if (reading.outcome != ItemReading::Outcome::Shown) {
        return;
    }
    FUZZ_CHECK(reading.lines.size() == 1);
    bool ownNote = true;
    const norvik::Text base = reading.lines.front().line;
    const auto edited =
        norvik::sync::editCardItem(bytes, base, base + ", l139: 1, l141: 2", label, ownNote);
    if (edited) {
        FUZZ_CHECK(norvik::sync::readCardItem(*edited, label, ownNote).outcome ==
                   ItemReading::Outcome::Shown);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] % 2 == 0) {
        calendar(bytes);
    } else {
        card(bytes);
    }
    return 0;
}
