// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/DateTime.h"
#include "kit/Text.h"
#include "language/LanguageLines.h"

#include <functional>
#include <vector>

namespace norvik {

class ListBox;

// The lists that sync with folders of other programs.
enum class SyncedList { Events, Phones };

// What one round of sync tells the program.
struct SyncRound {
    bool failed = false;
    Text folder; // the folder, as the system spells its path
    Text reason; // the system's reason, or what went wrong
    // Lines that came into the list, added or changed, as they now read.
    std::vector<Text> arrived;
};

// Two-way sync of the program's lists with folders of items that other
// programs share (one .ics or .vcf file per item). The program reaches it
// only through this interface, so that the core never carries the
// libraries that read those files.
class ListSync {
public:
    virtual ~ListSync() = default;

    // Starts following the list as loaded, when a folder is remembered for
    // it in this data directory; false when none is. From then on the map of
    // the list's lines to items follows every change of the list.
    virtual bool attach(SyncedList which, ListBox& list) = 0;
    // The list's file was saved: the map goes with it. Fails with a Failure.
    virtual void saved(SyncedList which) = 0;
    // The folder an attached list syncs with, in the program's text.
    virtual Text folder(SyncedList which) = 0;
    // One round for an attached list: both sides brought together, the list
    // changed in place. `labels` gives the phone lines' field labels;
    // `saveList` saves the list's file and fails with a Failure.
    virtual SyncRound sync(SyncedList which, const DateTime& now,
                           const std::function<Text(Line label)>& labels,
                           const std::function<void()>& saveList) = 0;
};

} // namespace norvik
