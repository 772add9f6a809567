// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/ByteBuffer.h"

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

// What tells one version of a file from the next without reading it: a file
// replaced atomically gets a new inode, one written in place a new time.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0; // modification time, nanoseconds since 1970
    std::uint64_t inode = 0;
    bool regular = false; // a regular file (after symbolic links)
    bool folder = false;

    bool operator==(const FileStamp&) const = default;
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
template <class Bytes> struct FileReadOf {
    std::optional<Bytes> bytes;
    // When there are none: the system's reason ("No such file or directory"),
    // or the program's own refusal of a file it must not read.
    std::string reason;
    // The program refused the file itself: it is larger than
    // largestReadableFile, or reached through another user's symbolic link.
    bool refused = false;
};
// A file read into a string, as the notes are kept.
using FileRead = FileReadOf<std::string>;
// A file read into a buffer of its own, as a line list keeps it.
using BufferRead = FileReadOf<ByteBuffer>;

// Told of a file's bytes as a read brings them in, a run at a time, while
// they are still in the processor's cache: a list is split as it is read,
// where a pass after the read would fetch every byte from memory again.
class ReadConsumer {
public:
    virtual ~ReadConsumer() = default;
    // The file's size as it was when the read began.
    virtual void sizeKnown(std::size_t size) = 0;
    // The bytes read so far, of which only those at the end are new.
    virtual void arrived(std::string_view bytes) = 0;
};

// Told of a file's bytes a run at a time, each run once: the bytes of a run
// are gone when the next arrives, so that a file is looked through in one
// small buffer used again and again, never held whole.
class RunConsumer {
public:
    virtual ~RunConsumer() = default;
    virtual void arrived(std::string_view run) = 0;
};
// What looking a file through found: its size, or why it could not be read.
using RunsRead = FileReadOf<std::size_t>;

// The small interface through which the core reaches the disk. Paths are
// relative to the working directory, with "/" between folders.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole file, or the reason there is nothing to read. A consumer, when
    // given, is told of all the bytes, as they come or at once.
    virtual FileRead read(const std::string& path, ReadConsumer* consumer = nullptr) = 0;
    // The same in a buffer whose room is not zero-filled before the read
    // writes it. A file system that keeps its files as strings hands a copy.
    virtual BufferRead readBuffer(const std::string& path, ReadConsumer* consumer = nullptr);
    // Hands the file's bytes to `consumer` a run at a time, keeping none of
    // them, with the reasons and refusals of read(). A file system that keeps
    // its files as strings hands the whole file as one run.
    virtual RunsRead readRuns(const std::string& path, RunConsumer& consumer);
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
    // The entry's stamp, nothing when it does not exist. A file system that
    // cannot tell answers nothing for every name.
    virtual std::optional<FileStamp> stamp(const std::string& /*path*/) { return std::nullopt; }
    // Makes every write so far durable, where the writes themselves were not
    // (see PosixFileSystem's batched writes).
    virtual void flush() {}
};

// Resolves a name the program spells to an existing entry whose name differs
// only in letter case (folders included): an exact match wins, else the first
// in byte order. A name with no such entry comes back as spelled.
std::string resolveName(FileSystem& files, const std::string& path);

} // namespace norvik
