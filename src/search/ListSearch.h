// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"
#include "search/SubstringFinder.h"

namespace norvik {

// How a list is scanned.
struct ListScan {
    // From the last line up instead of from the first line down.
    bool fromBottom = false;
    // Each line's event text only (the events list); otherwise whole lines.
    bool eventTextOnly = false;
};

// The index of the line a list search stops at, or -1 when no line holds the
// search string. Lines are looked at in place; nothing is copied.
int findLine(const Lines& lines, const SubstringFinder& finder, ListScan scan);

} // namespace norvik
