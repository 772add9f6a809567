// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/LineList.h"

#include <algorithm>

namespace norvik {

Lines splitLines(std::string bytes) {
    std::vector<Lines::Place> places;
    // About as many as event lines take; a list of more grows as usual.
    places.reserve(bytes.size() / 48 + 1);
    BreakFinder breaks(bytes);
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = breaks.next(at);
        places.push_back({at, end - at});
        at = end;
        // One CR, then one LF: CR CR LF therefore ends this line and an empty one.
        if (at < bytes.size() && bytes[at] == '\r') {
            ++at;
        }
        if (at < bytes.size() && bytes[at] == '\n') {
            ++at;
        }
    }
    // The lines stay where they are: the file's bytes become the list's buffer.
    return Lines(std::move(bytes), std::move(places));
}

std::string joinLines(const Lines& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + 2;
    }
    std::string bytes;
    bytes.resize(size);
    char* out = bytes.data();
    for (const auto& line : lines) {
        out = std::copy(line.begin(), line.end(), out);
        *out++ = '\r';
        *out++ = '\n';
    }
    return bytes;
}

std::vector<std::string_view> linePieces(const Lines& lines) {
    static constexpr std::string_view lineBreak = "\r\n";
    std::vector<std::string_view> pieces;
    for (std::size_t first = 0; first < lines.size();) {
        std::size_t last = first;
        while (last + 1 < lines.size() && lines.followsOn(last + 1)) {
            ++last;
        }
        pieces.push_back(lines.span(first, last));
        pieces.push_back(lineBreak);
        first = last + 1;
    }
    return pieces;
}

} // namespace norvik
