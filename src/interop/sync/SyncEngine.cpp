// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/sync/SyncEngine.h"

#include "interop/ContentHash.h"
#include "interop/sync/SyncText.h"
#include "kit/Failure.h"
#include "store/LineList.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <unordered_map>

namespace norvik::sync {

namespace {

// An item larger than this is no calendar entry or card of a person.
constexpr std::size_t itemSizeLimit = std::size_t{16} << 20;

std::string dayText(const DateTime& day) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", day.year, day.month, day.day);
    return buffer;
}

// The temporary copy a killed write of this program leaves in the folder:
// "." + the item's name + "." + six letters or digits.
bool isLeftoverWrite(const std::string& name, std::string_view extension) {
    constexpr std::size_t unique = 6;
    if (name.size() < 1 + extension.size() + 1 + unique + 1 || name[0] != '.') {
        return false;
    }
    const std::size_t dot = name.size() - unique - 1;
    if (name[dot] != '.' || std::string_view(name).substr(0, dot).ends_with(extension) == false) {
        return false;
    }
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(dot) + 1, name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

std::string skipReason(char skip) {
    switch (skip) {
    case 'n':
        return "nothing the list can show (no event with a start)";
    case 'm':
        return "a series with more occurrences than a list takes";
    default:
        return "not a file Norvik can read";
    }
}

char skipOf(ItemReading::Outcome outcome) {
    switch (outcome) {
    case ItemReading::Outcome::Shown:
        return 0;
    case ItemReading::Outcome::NotShown:
        return 'n';
    case ItemReading::Outcome::TooMany:
        return 'm';
    case ItemReading::Outcome::Unreadable:
        break;
    }
    return 'u';
}

std::string stemOf(const std::string& name, std::string_view extension) {
    return name.substr(0, name.size() - extension.size());
}

// A line of the folder no entry holds yet.
struct NewThere {
    std::string file;
    std::string rid;
    Text line;
};

// One file's writes in a sync.
struct FileWork {
    enum class Kind { Create, Edit, Remove };
    Kind kind = Kind::Edit;
    Text line; // Create
    std::vector<ItemEdit> edits;
};

} // namespace

void ListEdits::applyTo(Lines& lines) const {
    for (const auto& [index, line] : replaced) {
        lines.replace(static_cast<std::size_t>(index), line);
    }
    lines.eraseSorted(removed);
    for (const auto& line : added) {
        lines.push_back(line);
    }
}

std::uint64_t savedListHash(const Lines& lines) {
    std::uint64_t hash = contentHashStart;
    for (const std::string_view piece : linePieces(lines)) {
        hash = contentHash(piece, hash);
    }
    return hash;
}

SyncEngine::SyncEngine(FileSystem& data, std::string stateFile, FileSystem& folder,
                       std::string folderPath)
    : data_(data), stateFile_(std::move(stateFile)), folder_(folder),
      folderPath_(std::move(folderPath)) {
    state_.folder = folderPath_;
}

void SyncEngine::attach(const Lines& lines) {
    state_ = SyncState();
    state_.folder = folderPath_;
    const auto bytes = data_.read(stateFile_).bytes;
    SyncState stored;
    std::optional<Journal> journal;
    // A state of another folder, or none that can be read, starts afresh.
    if (bytes && readState(*bytes, stored, journal) && stored.folder == folderPath_) {
        state_ = journal ? settled(stored, *journal, lines) : std::move(stored);
    }
    restoreTags(lines);
    if (journal) {
        try {
            mapLines(lines);
            writeState(nullptr);
        } catch (const Failure&) {
            // The journal stays and is settled again next time.
        }
    }
}

void SyncEngine::restoreTags(const Lines& lines) {
    // Identical lines take their entries in the order the state keeps them,
    // which is the order of their lines when the map was written.
    std::unordered_map<std::string_view, std::pair<std::vector<int>, std::size_t>> byText;
    for (std::size_t e = 0; e < state_.entries.size(); ++e) {
        if (state_.entries[e].line) {
            byText[*state_.entries[e].line].first.push_back(static_cast<int>(e));
        }
    }
    tags_.assign(lines.size(), -1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto found = byText.find(lines[i]);
        if (found != byText.end() && found->second.second < found->second.first.size()) {
            tags_[i] = found->second.first[found->second.second++];
        }
    }
}

void SyncEngine::changed(const LineChange& change, const Lines& lines) {
    switch (change.kind) {
    case LineChange::Kind::Reset:
        restoreTags(lines);
        return;
    case LineChange::Kind::Added:
        tags_.insert(tags_.begin() +
                         std::clamp<std::ptrdiff_t>(change.index, 0,
                                                    static_cast<std::ptrdiff_t>(tags_.size())),
                     -1);
        break;
    case LineChange::Kind::Replaced:
        break;
    case LineChange::Kind::Removed: {
        std::size_t write = 0;
        std::size_t next = 0;
        for (std::size_t read = 0; read < tags_.size(); ++read) {
            if (next < change.removed.size() &&
                static_cast<std::size_t>(change.removed[next]) == read) {
                ++next;
                continue;
            }
            tags_[write++] = tags_[read];
        }
        tags_.resize(write);
        break;
    }
    }
    if (tags_.size() != lines.size()) {
        restoreTags(lines); // should never be needed; a wrong map is worse
    }
}

void SyncEngine::mapLines(const Lines& lines) {
    if (tags_.size() != lines.size()) {
        restoreTags(lines);
    }
    std::vector<Entry>& entries = state_.entries;
    std::vector<int> moved(entries.size(), -1);
    std::vector<Entry> ordered;
    ordered.reserve(entries.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int tag = tags_[i];
        if (tag < 0 || moved[static_cast<std::size_t>(tag)] >= 0) {
            tags_[i] = -1;
            continue;
        }
        Entry& entry = entries[static_cast<std::size_t>(tag)];
        if (!entry.line || *entry.line != lines[i]) {
            entry.line = Text(lines[i]);
        }
        moved[static_cast<std::size_t>(tag)] = static_cast<int>(ordered.size());
        tags_[i] = static_cast<int>(ordered.size());
        ordered.push_back(std::move(entry));
    }
    for (std::size_t e = 0; e < entries.size(); ++e) {
        if (moved[e] < 0) {
            entries[e].line.reset();
            ordered.push_back(std::move(entries[e]));
        }
    }
    entries = std::move(ordered);
}

void SyncEngine::saved(const Lines& lines) {
    mapLines(lines);
    writeState(nullptr);
}

void SyncEngine::writeState(const Journal* journal) {
    data_.replace(stateFile_, sync::writeState(state_, journal));
}

namespace {

// The state once the writes announced for the files in `done` have happened:
// those files' records and entries as `after` has them, the rest as `before`.
SyncState withDone(const SyncState& before, const SyncState& after,
                   const std::set<std::string>& done) {
    SyncState result = before;
    result.day = after.day;
    for (const auto& name : done) {
        const auto record = after.files.find(name);
        if (record == after.files.end()) {
            result.files.erase(name);
        } else {
            result.files[name] = record->second;
        }
    }
    std::map<std::pair<std::string, std::string>, const Entry*> written;
    for (const Entry& entry : after.entries) {
        if (done.count(entry.file) != 0) {
            written[{entry.file, entry.rid}] = &entry;
        }
    }
    std::vector<Entry> entries;
    entries.reserve(result.entries.size());
    for (Entry& entry : result.entries) {
        if (done.count(entry.file) == 0) {
            entries.push_back(std::move(entry));
            continue;
        }
        const auto found = written.find({entry.file, entry.rid});
        if (found != written.end()) {
            entry.base = found->second->base;
            entry.thereBase = found->second->thereBase;
            entries.push_back(std::move(entry));
        }
    }
    result.entries = std::move(entries);
    return result;
}

} // namespace

SyncState SyncEngine::settled(const SyncState& current, const Journal& journal,
                              const Lines& lines) {
    if (journal.listHash) {
        // The list's save comes before any write to the folder.
        return savedListHash(lines) == *journal.listHash ? journal.next : current;
    }
    std::set<std::string> done;
    for (const auto& [name, hash] : journal.files) {
        const auto bytes = folder_.read(name).bytes;
        const bool written = hash ? bytes && contentHash(*bytes) == *hash : !bytes;
        if (written) {
            done.insert(name);
        }
    }
    return withDone(current, journal.next, done);
}

SyncResult SyncEngine::run(ListAccess& list, const ItemFormat& format, const DateTime& today) {
    SyncResult result;
    SyncSummary& summary = result.summary;
    auto fail = [&](SyncFailure::Kind kind, std::string where, std::string reason) {
        result.failure = SyncFailure{kind, std::move(where), std::move(reason)};
        return result;
    };
    const auto folderStamp = folder_.stamp("");
    if (!folderStamp) {
        return fail(SyncFailure::Kind::Folder, folderPath_, std::strerror(ENOENT));
    }
    if (!folderStamp->folder) {
        return fail(SyncFailure::Kind::Folder, folderPath_, std::strerror(ENOTDIR));
    }

    mapLines(list.lines());
    bool dirty = false;
    const std::string day = dayText(today);
    const bool newDay = state_.day != day;
    if (newDay) {
        dirty = true;
    }
    const std::string_view extension = format.extension();

    // The files that have lines to send are read even when unchanged.
    std::set<std::string> sending;
    for (const Entry& entry : state_.entries) {
        if (entry.base && entry.line != entry.base) {
            sending.insert(entry.file);
        }
    }

    std::map<std::string, FileStamp> present;
    for (const auto& name : folder_.list("")) {
        if (name.starts_with('.')) {
            if (isLeftoverWrite(name, extension)) {
                folder_.remove(name);
            }
            continue;
        }
        if (name.size() <= extension.size() || !name.ends_with(extension)) {
            continue;
        }
        const auto stamp = folder_.stamp(name);
        if (stamp && stamp->regular) {
            present.emplace(name, *stamp);
        }
    }
    // An emptied or unmounted folder is no reason to empty the list.
    if (!state_.files.empty() &&
        std::none_of(state_.files.begin(), state_.files.end(),
                     [&](const auto& file) { return present.count(file.first) != 0; })) {
        return fail(SyncFailure::Kind::Folder, folderPath_,
                    "it holds none of the " + std::to_string(state_.files.size()) +
                        " items it held at the last sync; nothing was removed");
    }

    std::map<std::string, std::string> contents;
    std::map<std::string, ItemReading> readings;
    std::map<std::string, FileRecord> updated;
    std::size_t scanned = 0;
    for (const auto& [name, stamp] : present) {
        if (progress && ++scanned % 256 == 0) {
            progress("reading", scanned, present.size());
        }
        const auto known = state_.files.find(name);
        const bool isKnown = known != state_.files.end();
        const bool needed = !isKnown || known->second.stamp != stamp ||
                            (known->second.series && newDay) || sending.count(name) != 0;
        if (!needed) {
            continue;
        }
        auto bytes = folder_.read(name).bytes;
        if (!bytes || bytes->size() > itemSizeLimit) {
            summary.skipped.push_back(name + ": " +
                                      (bytes ? "larger than an item can be" : "cannot be read"));
            continue;
        }
        const std::uint64_t hash = contentHash(*bytes);
        const std::string& held = contents[name] = std::move(*bytes);
        if (isKnown && hash == known->second.hash && !(known->second.series && newDay)) {
            if (known->second.stamp != stamp) {
                known->second.stamp = stamp;
                dirty = true;
            }
            continue;
        }
        ItemReading reading = format.read(held, isKnown ? &known->second : nullptr);
        FileRecord record = isKnown ? known->second : FileRecord();
        record.stamp = stamp;
        record.hash = hash;
        record.uid = reading.uid;
        record.series = reading.series;
        record.skip = skipOf(reading.outcome);
        updated[name] = record;
        readings.emplace(name, std::move(reading));
    }
    const bool untagged = std::any_of(tags_.begin(), tags_.end(), [](int tag) { return tag < 0; });
    std::set<std::string> vanished;
    for (const auto& [name, record] : state_.files) {
        if (present.count(name) == 0) {
            vanished.insert(name);
        }
    }
    // The state as it was, for the announcement of the list's save; copied
    // only when this sync can change anything.
    std::optional<SyncState> before;
    if (!updated.empty() || !vanished.empty() || untagged) {
        before = state_;
    }
    dirty = dirty || !updated.empty() || !vanished.empty();
    for (auto& [name, record] : updated) {
        state_.files[name] = std::move(record);
    }
    for (const auto& [name, record] : state_.files) {
        if (!record.shown() && vanished.count(name) == 0) {
            summary.skipped.push_back(name + ": " + skipReason(record.skip));
        }
    }

    // ---- The list side: what came from the folder. ----
    const Lines& lines = list.lines();
    std::vector<Entry>& entries = state_.entries;
    const std::size_t known = entries.size();
    std::vector<int> lineOf(known, -1);
    for (std::size_t i = 0; i < tags_.size(); ++i) {
        if (tags_[i] >= 0) {
            lineOf[static_cast<std::size_t>(tags_[i])] = static_cast<int>(i);
        }
    }
    std::map<std::string, std::map<std::string, const Text*>> unclaimed;
    for (const auto& [name, reading] : readings) {
        if (reading.outcome == ItemReading::Outcome::Shown) {
            for (const ItemLine& item : reading.lines) {
                unclaimed[name][item.rid] = &item.line;
            }
        }
    }
    ListEdits edits;
    std::vector<int> addedTags;
    std::vector<bool> dropped(known, false);
    std::vector<Entry> added;
    auto newEntry = [&](Entry entry) {
        added.push_back(std::move(entry));
        return static_cast<int>(known + added.size() - 1);
    };
    // A line of the list that now stands for an item of its own (or for none
    // when it is not in a form that is sent).
    // New items are named after their UID, which no file of the folder has.
    std::set<std::string> named;
    auto newName = [&] {
        for (;;) {
            std::string name = (uids ? uids() : newUid()) + std::string(extension);
            if (present.count(name) == 0 && state_.files.count(name) == 0 &&
                named.insert(name).second) {
                return name;
            }
        }
    };
    auto itemOfItsOwn = [&](int at, const Text& here) {
        if (format.sends(here)) {
            tags_[static_cast<std::size_t>(at)] =
                newEntry({newName(), {}, std::nullopt, std::nullopt, here});
        } else {
            tags_[static_cast<std::size_t>(at)] = -1;
        }
    };
    auto bringIn = [&](int entry, const Text& line) {
        edits.added.push_back(line);
        addedTags.push_back(entry);
        summary.arrived.push_back(line);
    };

    for (std::size_t e = 0; e < known; ++e) {
        Entry& entry = entries[e];
        std::optional<Text> there = entry.thereBase;
        if (vanished.count(entry.file) != 0) {
            if (!entry.base) {
                continue; // a file not written yet: it is created below
            }
            there.reset();
        } else if (const auto reading = readings.find(entry.file);
                   reading != readings.end() &&
                   reading->second.outcome == ItemReading::Outcome::Shown) {
            auto& mine = unclaimed[entry.file];
            const auto found = mine.find(entry.rid);
            const bool looked = format.observed(state_.files[entry.file], entry.rid);
            if (found != mine.end()) {
                if (looked) {
                    there = *found->second;
                }
                mine.erase(found);
            } else if (looked) {
                there.reset();
            }
        } else {
            continue; // unchanged there, or an item left alone
        }
        if (there == entry.thereBase) {
            continue;
        }
        dirty = true;
        const int at = lineOf[e];
        const std::optional<Text> here =
            at >= 0 ? std::optional<Text>(lines[static_cast<std::size_t>(at)]) : std::nullopt;
        if (there) {
            if (here && here == entry.base) {
                edits.replaced.emplace_back(at, *there);
                summary.arrived.push_back(*there);
                ++summary.changedHere;
            } else if (!here) {
                // Removed here but changed there: the change wins and comes back.
                bringIn(static_cast<int>(e), *there);
                ++summary.received;
            } else if (*here != *there) {
                // Changed on both sides: the folder's version is this item's
                // line, the list's becomes an item of its own.
                bringIn(static_cast<int>(e), *there);
                itemOfItsOwn(at, *here);
                ++summary.conflicts;
            }
            entry.base = entry.thereBase = there;
            continue;
        }
        // Removed there.
        dropped[e] = true;
        if (here && here == entry.base) {
            edits.removed.push_back(at);
            ++summary.removedHere;
        } else if (here) {
            itemOfItsOwn(at, *here); // changed here: it comes back as an item
        }
    }

    // Lines of the folder that no entry holds, in file order.
    std::vector<NewThere> newThere;
    for (const auto& [name, reading] : readings) {
        if (reading.outcome != ItemReading::Outcome::Shown) {
            continue;
        }
        const auto& mine = unclaimed[name];
        for (const ItemLine& item : reading.lines) {
            if (mine.count(item.rid) != 0) {
                newThere.push_back({name, item.rid, item.line});
            }
        }
    }
    // Lines of the list that no entry holds: paired with equal items of the
    // folder, else sent as new items.
    std::unordered_map<std::string, std::deque<std::size_t>> byKey;
    for (std::size_t i = 0; i < newThere.size(); ++i) {
        byKey[format.pairingKey(newThere[i].line)].push_back(i);
    }
    std::vector<bool> paired(newThere.size(), false);
    // Lines that stay here are told once: the state remembers which it told.
    std::set<std::uint64_t> local;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (tags_[i] >= 0) {
            continue;
        }
        const Text here(lines[i]);
        if (!format.sends(here)) {
            const std::uint64_t hash = contentHash(here);
            if (local.insert(hash).second && state_.told.count(hash) == 0) {
                ++summary.kept;
            }
            continue;
        }
        dirty = true;
        auto& candidates = byKey[format.pairingKey(here)];
        if (!candidates.empty()) {
            const NewThere& item = newThere[candidates.front()];
            paired[candidates.front()] = true;
            candidates.pop_front();
            tags_[i] = newEntry({item.file, item.rid, here, item.line, here});
            continue;
        }
        itemOfItsOwn(static_cast<int>(i), here);
    }
    for (std::size_t i = 0; i < newThere.size(); ++i) {
        if (!paired[i]) {
            const NewThere& item = newThere[i];
            bringIn(newEntry({item.file, item.rid, item.line, item.line, item.line}), item.line);
            ++summary.received;
            dirty = true;
        }
    }

    if (local != state_.told) {
        state_.told = std::move(local);
        dirty = true;
    }
    // The entries as they stand now, the list's changes applied.
    for (const auto& name : vanished) {
        state_.files.erase(name);
    }
    for (Entry& entry : added) {
        entries.push_back(std::move(entry));
    }
    dropped.resize(entries.size(), false);
    state_.day = day;
    if (!edits.empty()) {
        std::sort(edits.removed.begin(), edits.removed.end());
        list.apply(edits);
        std::vector<int> tags;
        tags.reserve(tags_.size() + addedTags.size());
        std::size_t next = 0;
        for (std::size_t i = 0; i < tags_.size(); ++i) {
            if (next < edits.removed.size() && static_cast<std::size_t>(edits.removed[next]) == i) {
                ++next;
                continue;
            }
            tags.push_back(tags_[i]);
        }
        tags.insert(tags.end(), addedTags.begin(), addedTags.end());
        tags_ = std::move(tags);
    }
    {
        // Dropped entries go, and the tags follow the entries that stay.
        std::vector<int> renumbered(entries.size(), -1);
        std::vector<Entry> kept;
        kept.reserve(entries.size());
        for (std::size_t e = 0; e < entries.size(); ++e) {
            if (!dropped[e]) {
                renumbered[e] = static_cast<int>(kept.size());
                kept.push_back(std::move(entries[e]));
            }
        }
        entries = std::move(kept);
        for (int& tag : tags_) {
            tag = tag < 0 ? -1 : renumbered[static_cast<std::size_t>(tag)];
        }
    }
    mapLines(list.lines());

    try {
        if (!edits.empty()) {
            // The list is saved first, announced, and alone: the folder is
            // written only once the list holds what came from it.
            Journal journal;
            journal.next = state_;
            journal.listHash = savedListHash(list.lines());
            const SyncState done = std::move(state_);
            state_ = before ? *before : done;
            writeState(&journal);
            state_ = done;
            list.save();
        }
    } catch (const Failure& failure) {
        const std::string what = failure.what();
        return fail(SyncFailure::Kind::Write, what, failure.reason());
    }

    // ---- The folder side: what the list sends. ----
    std::map<std::string, FileWork> work;
    for (const Entry& entry : entries) {
        const auto record = state_.files.find(entry.file);
        if (record != state_.files.end() && !record->second.shown()) {
            continue; // an item left alone is never written
        }
        if (!entry.base) {
            if (entry.line && format.sends(*entry.line) && record == state_.files.end() &&
                present.count(entry.file) == 0) {
                work[entry.file] = {FileWork::Kind::Create, *entry.line, {}};
            }
            continue;
        }
        if (record == state_.files.end() || entry.line == entry.base ||
            (entry.line && !format.sends(*entry.line))) {
            continue;
        }
        if (!entry.line && entry.rid.empty()) {
            work[entry.file] = {FileWork::Kind::Remove, {}, {}};
            continue;
        }
        work[entry.file].edits.push_back({entry.rid, *entry.base, entry.line});
    }

    struct Planned {
        std::string name;
        std::optional<std::string> bytes;
    };
    std::vector<Planned> planned;
    Journal journal;
    journal.next = state_;
    std::map<std::string, std::map<std::string, Entry*>> nextEntries; // by file, then rid
    for (Entry& entry : journal.next.entries) {
        if (work.count(entry.file) != 0) {
            nextEntries[entry.file][entry.rid] = &entry;
        }
    }
    std::set<std::string> removedFiles;
    std::set<std::pair<std::string, std::string>> removedOccurrences;
    for (auto& [name, job] : work) {
        FileRecord record;
        if (const auto known = state_.files.find(name); known != state_.files.end()) {
            record = known->second;
        }
        std::optional<std::string> bytes;
        if (job.kind == FileWork::Kind::Create) {
            record.uid = stemOf(name, extension);
            bytes = format.create(record.uid, job.line, record);
            ++summary.sent;
        } else if (job.kind == FileWork::Kind::Edit) {
            const auto held = contents.find(name);
            if (held == contents.end()) {
                continue; // not read this time: tried again at the next sync
            }
            bytes = format.edit(held->second, job.edits, record);
            if (!bytes) {
                summary.skipped.push_back(name + ": cannot be changed in place");
                continue;
            }
            for (const ItemEdit& edit : job.edits) {
                ++(edit.line ? summary.changedThere : summary.removedThere);
                if (!edit.line) {
                    removedOccurrences.insert({name, edit.rid});
                }
            }
        } else {
            removedFiles.insert(name);
            ++summary.removedThere;
        }
        journal.files[name] = bytes ? std::optional(contentHash(*bytes)) : std::nullopt;
        if (bytes) {
            record.hash = contentHash(*bytes);
            record.stamp = FileStamp(); // known once written
            record.skip = 0;
            // A new item gives back its line; a rewritten one is read again,
            // for what the folder's side of each of its lines now reads.
            const ItemReading written =
                job.kind == FileWork::Kind::Create ? ItemReading() : format.read(*bytes, &record);
            record.series = written.series;
            journal.next.files[name] = record;
            auto& mine = nextEntries[name];
            for (const ItemLine& item : written.lines) {
                const auto entry = mine.find(item.rid);
                if (entry != mine.end() && entry->second->line) {
                    entry->second->base = entry->second->line;
                    entry->second->thereBase = item.line;
                }
            }
            // A line the written item does not give back (an occurrence
            // outside the window) is taken as sent.
            for (auto& [rid, entry] : mine) {
                if (entry->line && entry->base != entry->line) {
                    entry->base = entry->thereBase = entry->line;
                }
            }
        } else {
            journal.next.files.erase(name);
        }
        planned.push_back({name, std::move(bytes)});
    }
    std::erase_if(journal.next.entries, [&](const Entry& entry) {
        return removedFiles.count(entry.file) != 0 ||
               removedOccurrences.count({entry.file, entry.rid}) != 0;
    });

    if (planned.empty()) {
        if (dirty) {
            try {
                writeState(nullptr);
            } catch (const Failure& failure) {
                return fail(SyncFailure::Kind::Write, failure.what(), failure.reason());
            }
        }
        return result;
    }
    std::set<std::string> done;
    std::optional<SyncFailure> failure;
    try {
        writeState(&journal);
        for (const Planned& file : planned) {
            if (progress && done.size() % 64 == 63) {
                progress("writing", done.size() + 1, planned.size());
            }
            if (file.bytes) {
                folder_.replace(file.name, *file.bytes);
                if (const auto stamp = folder_.stamp(file.name)) {
                    journal.next.files[file.name].stamp = *stamp;
                }
            } else if (!folder_.remove(file.name) && folder_.stamp(file.name)) {
                throw Failure("Cannot remove " + folderPath_ + "/" + file.name,
                              std::strerror(EACCES));
            }
            done.insert(file.name);
        }
        // The items were written atomically; now they are on the disk too,
        // before the state says so.
        folder_.flush();
    } catch (const Failure& error) {
        failure = SyncFailure{SyncFailure::Kind::Write, folderPath_,
                              error.reason().empty() ? error.what() : error.reason()};
    }
    // Entries dropped here never carry a line: the map stays as it was.
    state_ = withDone(state_, journal.next, done);
    restoreTags(list.lines());
    mapLines(list.lines());
    try {
        writeState(nullptr);
    } catch (const Failure& error) {
        if (!failure) {
            failure = SyncFailure{SyncFailure::Kind::Write, error.what(), error.reason()};
        }
    }
    result.failure = failure;
    return result;
}

} // namespace norvik::sync
