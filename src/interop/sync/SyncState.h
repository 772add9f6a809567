// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"
#include "store/FileSystem.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace norvik::sync {

// A file of the folder as it stood at the last sync.
struct FileRecord {
    FileStamp stamp;
    std::uint64_t hash = 0;
    std::string uid;
    bool series = false;
    bool ownNote = false; // the card's NOTE was written by this program
    // Why the list cannot show the item, which is then left alone: 0 when it
    // can, 'n' nothing to show (a task, no start), 'u' unreadable, 'm' a
    // series with too many occurrences.
    char skip = 0;

    bool shown() const { return skip == 0; }
};

// One item of the map: a whole file (`rid` empty) or one occurrence of a
// series, and the line of the list it belongs to.
struct Entry {
    std::string file;
    std::string rid;
    std::optional<Text> base;      // the line the list agreed on at the last sync
    std::optional<Text> thereBase; // the line the folder gave at the last sync
    std::optional<Text> line;      // the list's line for it now; nothing when deleted
};

// What sync remembers of one list and its folder, kept in the data folder.
struct SyncState {
    std::string folder;                      // the folder's absolute path
    std::string day;                         // YYYY-MM-DD the series were last read for
    std::map<std::string, FileRecord> files; // by file name
    std::vector<Entry> entries;              // in the order of their lines in the list
    std::set<std::uint64_t> told;            // hashes of the lines that stay here, told once
};

// A sync's writes announced before they happen, so that a sync killed at any
// moment is finished or undone by the next one and never leaves a copy.
struct Journal {
    SyncState next; // the state once the announced writes are done
    // The list file's hash once its save is done (a save comes first, alone).
    std::optional<std::uint64_t> listHash;
    // The folder's files being written: the hash each will have, or nothing
    // for a removal.
    std::map<std::string, std::optional<std::uint64_t>> files;
};

std::string writeState(const SyncState& state, const Journal* journal);
// False when the bytes are not a state file of this version.
bool readState(std::string_view bytes, SyncState& state, std::optional<Journal>& journal);

} // namespace norvik::sync
