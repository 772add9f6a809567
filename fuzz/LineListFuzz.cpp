// SPDX-License-Identifier: GPL-3.0-or-later
// The line list reader: any bytes split, join and split again to the same
// lines, and the notes' line breaks come out as CR LF only, stable.
#include "FuzzCheck.h"
#include "store/LineList.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const norvik::Lines lines = norvik::splitLines(std::string(bytes));
    FUZZ_CHECK(norvik::splitLines(norvik::joinLines(lines)) == lines);

    const std::string notes = norvik::normalizeLineBreaks(std::string(bytes));
    FUZZ_CHECK(norvik::normalizeLineBreaks(notes) == notes);
    for (std::size_t at = 0; at < notes.size(); ++at) {
        if (notes[at] == '\r') {
            FUZZ_CHECK(at + 1 < notes.size() && notes[at + 1] == '\n');
        } else if (notes[at] == '\n') {
            FUZZ_CHECK(at > 0 && notes[at - 1] == '\r');
        }
    }
    return 0;
}
