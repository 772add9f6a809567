// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"

#include <optional>
#include <string>
#include <vector>

namespace norvik::sync {

// One line an item gives: the whole item (`rid` empty) or one occurrence of
// a series (`rid` the key of its RECURRENCE-ID).
struct ItemLine {
    std::string rid;
    Text line;
};

// What a file of a folder gives the list.
struct ItemReading {
    enum class Outcome {
        Shown,      // its lines are below
        NotShown,   // nothing the list can show (a task, a journal entry, no start)
        Unreadable, // not a file of its kind, or broken
        TooMany,    // a series with more occurrences than a list takes
    };
    Outcome outcome = Outcome::Unreadable;
    std::string uid;
    bool series = false;
    std::vector<ItemLine> lines;
};

// A change of one line of an item, for a rewrite in place.
struct ItemEdit {
    std::string rid;
    Text base;                // the line both sides agreed on at the last sync
    std::optional<Text> line; // the line now; nothing when the occurrence goes
};

} // namespace norvik::sync
