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

} // namespace

int findLine(const Lines& lines, const SubstringFinder& finder, ListScan scanning) {
    if (scanning.eventTextOnly) {
        return scan(lines, finder, scanning.fromBottom,
                    [](std::string_view line) { return eventTextView(line); });
    }
    return scan(lines, finder, scanning.fromBottom, [](std::string_view line) { return line; });
}

} // namespace norvik
