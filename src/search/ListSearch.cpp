// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/ListSearch.h"

#include "events/EventLine.h"

#include <string_view>

namespace norvik {

namespace {

template <class Searched>
int scan(const Lines& lines, const SubstringFinder& finder, bool fromBottom, Searched searched) {
    const int count = static_cast<int>(lines.size());
    if (fromBottom) {
        for (int i = count - 1; i >= 0; --i) {
            if (finder.foundIn(searched(lines[static_cast<std::size_t>(i)]))) {
                return i;
            }
        }
        return -1;
    }
    for (int i = 0; i < count; ++i) {
        if (finder.foundIn(searched(lines[static_cast<std::size_t>(i)]))) {
            return i;
        }
    }
    return -1;
}

// Front to back over whole lines: lines that follow on in the list's buffer
// (a loaded file's) are searched as one run of bytes, with one call instead of
// one per line. Only for a search string without a line break, which can then
// only be found within a line.
int scanRuns(const Lines& lines, const SubstringFinder& finder) {
    for (std::size_t first = 0; first < lines.size();) {
        std::size_t last = first;
        while (last + 1 < lines.size() && lines.followsOn(last + 1)) {
            ++last;
        }
        const std::string_view run = lines.span(first, last);
        const std::size_t at = finder.find(run);
        if (at != SubstringFinder::npos) {
            // The line the match lies in: the last one starting at or before it.
            std::size_t low = first;
            std::size_t high = last;
            while (low < high) {
                const std::size_t middle = low + (high - low + 1) / 2;
                if (static_cast<std::size_t>(lines[middle].data() - run.data()) <= at) {
                    low = middle;
                } else {
                    high = middle - 1;
                }
            }
            return static_cast<int>(low);
        }
        first = last + 1;
    }
    return -1;
}

} // namespace

int findLine(const Lines& lines, const SubstringFinder& finder, ListScan scanning) {
    if (scanning.eventTextOnly) {
        return scan(lines, finder, scanning.fromBottom,
                    [](std::string_view line) { return eventTextView(line); });
    }
    // Ignoring letter case, the table-driven search gains from never looking
    // across a line's end, so it goes line by line.
    if (!scanning.fromBottom && finder.matchesCase() && !finder.holdsLineBreak()) {
        return scanRuns(lines, finder);
    }
    return scan(lines, finder, scanning.fromBottom, [](std::string_view line) { return line; });
}

} // namespace norvik
