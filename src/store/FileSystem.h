// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norvik {

// A lock held on a file for as long as the object lives.
class FileLock {
public:
    virtual ~FileLock() = default;
};

struct LockAttempt {
    enum class Outcome { Acquired, HeldElsewhere, Refused };
    Outcome outcome = Outcome::Refused;
    std::unique_ptr<FileLock> lock; // set when acquired
    std::string reason;             // the system's reason when refused
};

// The largest file the program reads: a larger one is refused before a byte
// of it is read, rather than filling the memory.
inline constexpr std::uint64_t largestReadableFile = 2147483648;

// What reading a file found: its bytes, or why there are none.
struct FileRead {
    std::optional<std::string> bytes;
    // When there are none: the system's reason ("No such file or directory"),
    // or the program's own refusal of a file it must not read.
    std::string reason;
    // The program refused the file itself: it is larger than
    // largestReadableFile, or reached through another user's symbolic link.
    bool refused = false;
};

// The small interface through which the core reaches the disk. Paths are
// relative to the working directory, with "/" between folders.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole file, or the reason there is nothing to read.
    virtual FileRead read(const std::string& path) = 0;
    // Whether an entry of that name is there: a symbolic link counts, also one
    // that leads nowhere (that is an unreadable file, not a missing one).
    virtual bool exists(const std::string& path) = 0;
    // Names of the entries of a folder ("" is the working directory).
    virtual std::vector<std::string> list(const std::string& folder) = 0;
    // Creates an empty file; false when it cannot be created.
    virtual bool createEmpty(const std::string& path) = 0;
    // Replaces the file atomically with these bytes: a temporary file in the
    // same folder, every write checked, flushed and synced, renamed over the
    // target, the folder synced. Fails with "Cannot create file NAME" (the
    // system's reason kept beside it) or "Cannot write file NAME: REASON", and
    // leaves the old file as it was. A file reached through a symbolic link is
    // saved where the link leads, the link kept; a link of another user, or
    // one that leads nowhere, is refused.
    void replace(const std::string& path, std::string_view bytes) {
        replacePieces(path, {&bytes, 1});
    }
    // The same with the bytes given as pieces written one after another, so
    // that a long list is saved from where its lines lie, without a copy.
    virtual void replacePieces(const std::string& path,
                               std::span<const std::string_view> pieces) = 0;
    // Removes a file; false when it could not be removed.
    virtual bool remove(const std::string& path) = 0;
    // Takes an exclusive lock on the file (created when missing) without
    // waiting. Anything but a regular file is refused, a symbolic link too.
    virtual LockAttempt lock(const std::string& path) = 0;
    // Whether new files can be made in the folder ("" is the working directory).
    virtual bool canWriteFolder(const std::string& folder) = 0;
};

// Resolves a name the program spells to an existing entry whose name differs
// only in letter case (folders included): an exact match wins, else the first
// in byte order. A name with no such entry comes back as spelled.
std::string resolveName(FileSystem& files, const std::string& path);

} // namespace norvik
