// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/sync/ItemFormat.h"
#include "interop/sync/SyncState.h"
#include "kit/DateTime.h"
#include "kit/ListBox.h"
#include "kit/Text.h"
#include "store/FileSystem.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace norvik::sync {

// Changes sync makes to a list, applied in this order: the replaced lines,
// the removed ones (by their indexes before any removal), the added ones at
// the end.
struct ListEdits {
    std::vector<std::pair<int, Text>> replaced;
    std::vector<int> removed; // ascending
    std::vector<Text> added;

    bool empty() const { return replaced.empty() && removed.empty() && added.empty(); }
    // The edits made to lines held in memory, in that order.
    void applyTo(Lines& lines) const;
};

// The list a sync works on: its lines, how changes reach them and how the
// list's file is saved.
class ListAccess {
public:
    virtual ~ListAccess() = default;
    virtual const Lines& lines() const = 0;
    virtual void apply(const ListEdits& edits) = 0;
    // Fails with a Failure when the file cannot be written.
    virtual void save() = 0;
};

// What one sync did, for the summary.
struct SyncSummary {
    std::size_t sent = 0;         // new items written to the folder
    std::size_t received = 0;     // new lines from the folder
    std::size_t changedThere = 0; // items rewritten in the folder
    std::size_t changedHere = 0;  // lines changed from the folder
    std::size_t removedThere = 0; // items (or occurrences) removed from the folder
    std::size_t removedHere = 0;  // lines removed from the list
    std::size_t conflicts = 0;    // changed on both sides, both kept
    std::size_t kept = 0;         // lines that stay in the list only, told the first time
    // Items left alone, each as "NAME: why".
    std::vector<std::string> skipped;
    // Lines that came into the list, added or changed, as they now read.
    std::vector<Text> arrived;
};

struct SyncFailure {
    enum class Kind {
        Folder, // the folder is missing, no folder, or lost every item
        Write,  // a file of the folder or of the data could not be written
    };
    Kind kind = Kind::Folder;
    std::string folder; // the folder or file named in the report
    std::string reason; // the system's reason, or what is wrong
};

struct SyncResult {
    SyncSummary summary;
    std::optional<SyncFailure> failure;
};

// Two-way sync of one list with one folder of items (a vdir), keeping the
// map of lines to items and what both sides held at the last sync in a
// state file in the data folder. The map follows the list's lines through
// every change, so identical lines stay distinct items.
class SyncEngine {
public:
    // `data` holds the state file; `folder` is the folder of items, its
    // paths relative to it; `folderPath` its absolute path, which the state
    // is tied to (a state of another folder is not taken).
    SyncEngine(FileSystem& data, std::string stateFile, FileSystem& folder, std::string folderPath);

    // Reads the state and matches its map with the list as loaded; a sync
    // that was killed is finished or undone first.
    void attach(const Lines& lines);
    // The list changed (see ListBox::onLinesChanged); `lines` as they are now.
    void changed(const LineChange& change, const Lines& lines);
    // The list was saved: the map goes to the state file. Fails with a Failure.
    void saved(const Lines& lines);

    // One sync. `today` decides the window of the series.
    SyncResult run(ListAccess& list, const ItemFormat& format, const DateTime& today);

    const SyncState& state() const { return state_; }

    // Where the UIDs of new items come from (random ones unless set).
    std::function<std::string()> uids;

    // Told now and then how far a long sync is: reading the folder's items,
    // then writing them.
    std::function<void(const char* stage, std::size_t done, std::size_t total)> progress;

private:
    void restoreTags(const Lines& lines);
    // The entries' lines as the list holds them, the entries in list order.
    void mapLines(const Lines& lines);
    void writeState(const Journal* journal);
    SyncState settled(const SyncState& current, const Journal& journal, const Lines& lines);

    FileSystem& data_;
    std::string stateFile_;
    FileSystem& folder_;
    std::string folderPath_;
    SyncState state_;
    std::vector<int> tags_; // per line: its entry, or -1
};

// The hash of a list as its file holds it once saved.
std::uint64_t savedListHash(const Lines& lines);

} // namespace norvik::sync
