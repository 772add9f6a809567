// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/PosixFileSystem.h"

#include "kit/Failure.h"
#include "store/Codec1251.h"
#include "store/FileSystem.h"
#include "store/InstanceLock.h"
#include "store/LargePages.h"
#include "store/PathWalk.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace norvik {

namespace {

// Whether a direct write to the existing file would be allowed. The access
// check alone says yes to root for any file, so a file without any write bit counts as
// read-only for everyone: the user marked it so on purpose.
bool mayWrite(int folder, const std::string& name, const struct stat& info) {
    if (!S_ISREG(info.st_mode)) {
        return false;
    }
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
           ::faccessat(folder, name.c_str(), W_OK, 0) == 0;
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string systemReason(int error) {
    return std::strerror(error);
}

// A failure naming the file, with the reason in its message: the program's
// own refusals and a failed write say why, where the system's refusals keep
// the bare text and leave the reason to the close-time question.
Failure failureWithReason(const std::string& what, const std::string& reason) {
    return Failure(what + ": " + cp1251::fromSystemText(reason), reason);
}

Failure cannotCreate(const std::string& path, const std::string& reason, bool refused) {
    const std::string what = "Cannot create file " + path;
    return refused ? failureWithReason(what, reason) : Failure(what, reason);
}

template <class Bytes>
FileReadOf<Bytes> unreadable(const std::string& reason, bool refused = false) {
    FileReadOf<Bytes> result;
    result.reason = reason;
    result.refused = refused;
    return result;
}

std::string tooLargeReason(std::uint64_t size) {
    return "it is " + std::to_string(size) + " bytes long, more than the " +
           std::to_string(largestReadableFile) + " bytes Norvik reads";
}

// A file that grew past the limit while it was read: refused with the size
// it has now, or at least the bytes read.
template <class Bytes> FileReadOf<Bytes> grownTooLarge(int fd, std::size_t read) {
    struct stat info {};
    const auto now = ::fstat(fd, &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
    return unreadable<Bytes>(tooLargeReason(std::max<std::uint64_t>(now, read)), true);
}

// What a read takes at once when someone looks at the bytes as they come:
// well inside the processor's cache.
constexpr std::size_t readRun = std::size_t{1} << 18;

// A string can only grow with zeros written into the new room; the buffer
// leaves it to the read.
void growForRead(std::string& bytes, std::size_t size) {
    bytes.resize(size);
}

void growForRead(ByteBuffer& bytes, std::size_t size) {
    bytes.resizeForOverwrite(size);
}

bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = ENOSPC; // a write that takes nothing has found the disk full
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes pieces in order: small ones are gathered into a block first, so a
// list saved as many short runs still goes out in a few large writes, and a
// long run is written from where it lies.
class PieceWriter {
public:
    explicit PieceWriter(int fd) : fd_(fd) {}

    bool add(std::string_view piece) {
        if (block_.size() + piece.size() > blockSize && !flush()) {
            return false;
        }
        if (piece.size() >= blockSize) {
            return writeAll(fd_, piece);
        }
        block_.append(piece);
        return true;
    }

    bool flush() {
        const bool written = writeAll(fd_, block_);
        block_.clear();
        return written;
    }

private:
    static constexpr std::size_t blockSize = 1 << 16;
    int fd_;
    std::string block_;
};

// Six letters or digits, as the leftover saves are recognised by.
std::string uniqueSuffix(int attempt) {
    static constexpr char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char random[6] = {};
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
        // Only the names' spread suffers; O_EXCL keeps every name safe.
        const auto seed = static_cast<unsigned>(::getpid()) * 2654435761U +
                          static_cast<unsigned>(attempt) * 40503U;
        for (std::size_t i = 0; i < sizeof random; ++i) {
            random[i] = static_cast<unsigned char>(seed >> (i * 5));
        }
    }
    std::string suffix;
    for (const unsigned char byte : random) {
        suffix += alphabet[byte % (sizeof alphabet - 1)];
    }
    return suffix;
}

// The temporary copy beside the target; removed unless it was renamed over it.
class TempFile {
public:
    TempFile(int folder, const std::string& target) : folder_(folder) {
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            name_ = "." + target + "." + uniqueSuffix(attempt);
            // O_EXCL and O_NOFOLLOW: a name someone else put there first, a
            // file or a link, is never opened; another name is tried.
            fd_ = ::openat(folder, name_.c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd_ < 0 && errno != EEXIST) {
                break;
            }
        }
        created_ = fd_ >= 0;
    }
    ~TempFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        // A name that was never made here may be someone else's file.
        if (created_ && !committed_) {
            ::unlinkat(folder_, name_.c_str(), 0);
        }
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool created() const { return created_; }
    int fd() const { return fd_; }
    const std::string& name() const { return name_; }
    // Closes the descriptor; false when the last buffered data could not be written.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void commit() { committed_ = true; }

private:
    int folder_;
    std::string name_;
    int fd_ = -1;
    bool created_ = false;
    bool committed_ = false;
};

void syncFolder(int folder) {
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // The rename has already happened: a folder that cannot be synced (some
        // file systems refuse) still holds the new file.
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string PosixFileSystem::onDisk(const std::string& path) const {
    if (root_.empty()) {
        return path.empty() ? "." : path;
    }
    return path.empty() ? root_ : root_ + "/" + path;
}

PosixFileSystem::OpenedFile PosixFileSystem::openForReading(const std::string& path) const {
    OpenedFile file;
    const PathPlace place = walkPath(root_, path);
    if (!place.folder.valid()) {
        file.reason = place.reason;
        file.refused = place.refused;
        return file;
    }
    if (!place.exists) {
        file.reason = systemReason(ENOENT);
        return file;
    }
    // O_NONBLOCK: opening a named pipe must not wait for a writer. Only a
    // regular file is data; a pipe would block the read and a device such as
    // /dev/zero never ends. O_NOFOLLOW: the walk has followed the links it
    // trusts, and one swapped in since is not followed.
    Descriptor fd(::openat(place.folder.get(), place.name.c_str(),
                           O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW));
    if (!fd.valid()) {
        file.reason = systemReason(errno);
        return file;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        file.reason = S_ISDIR(info.st_mode) ? systemReason(EISDIR) : "Not a regular file";
        return file;
    }
    if (static_cast<std::uint64_t>(info.st_size) > largestReadableFile) {
        file.reason = tooLargeReason(info.st_size);
        file.refused = true;
        return file;
    }
    file.size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    file.fd = std::move(fd);
    return file;
}

template <class Bytes>
FileReadOf<Bytes> PosixFileSystem::readAs(const std::string& path, ReadConsumer* consumer) {
    const OpenedFile file = openForReading(path);
    if (!file.fd.valid()) {
        return unreadable<Bytes>(file.reason, file.refused);
    }
    const int fd = file.fd.get();
    Bytes bytes;
    // Read straight into the buffer, one byte more than the size so that the
    // end shows at once; a file that grows meanwhile gets more room, up to one
    // byte past the limit. A little capacity beyond (address space only, no
    // memory until used) lets a text edited in place, as the notes are, take
    // its first edits without being moved.
    bytes.reserve(file.size + file.size / 64 + 4096);
    preferLargePages(bytes.data(), bytes.capacity());
    growForRead(bytes, file.size + 1);
    if (consumer != nullptr) {
        consumer->sizeKnown(file.size);
    }
    std::size_t size = 0;
    for (;;) {
        if (size == bytes.size()) {
            if (size > largestReadableFile) {
                return grownTooLarge<Bytes>(fd, size);
            }
            growForRead(bytes, std::min<std::size_t>(bytes.size() * 2, largestReadableFile + 1));
        }
        // A run at a time, which the consumer takes while it is in the cache.
        const std::size_t room = bytes.size() - size;
        const ssize_t n =
            ::read(fd, bytes.data() + size, consumer != nullptr ? std::min(room, readRun) : room);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return unreadable<Bytes>(systemReason(errno));
        }
        if (n == 0) {
            break;
        }
        size += static_cast<std::size_t>(n);
        if (consumer != nullptr) {
            consumer->arrived({bytes.data(), size});
        }
    }
    growForRead(bytes, size);
    FileReadOf<Bytes> result;
    result.bytes = std::move(bytes);
    return result;
}

RunsRead PosixFileSystem::readRuns(const std::string& path, RunConsumer& consumer) {
    const OpenedFile file = openForReading(path);
    if (!file.fd.valid()) {
        return unreadable<std::size_t>(file.reason, file.refused);
    }
    ByteBuffer run;
    run.resizeForOverwrite(readRun);
    std::size_t size = 0;
    for (;;) {
        const ssize_t n = ::read(file.fd.get(), run.data(), run.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return unreadable<std::size_t>(systemReason(errno));
        }
        if (n == 0) {
            break;
        }
        size += static_cast<std::size_t>(n);
        if (size > largestReadableFile) {
            return grownTooLarge<std::size_t>(file.fd.get(), size);
        }
        consumer.arrived({run.data(), static_cast<std::size_t>(n)});
    }
    RunsRead result;
    result.bytes = size;
    return result;
}

FileRead PosixFileSystem::read(const std::string& path, ReadConsumer* consumer) {
    return readAs<std::string>(path, consumer);
}

BufferRead PosixFileSystem::readBuffer(const std::string& path, ReadConsumer* consumer) {
    return readAs<ByteBuffer>(path, consumer);
}

bool PosixFileSystem::exists(const std::string& path) {
    struct stat info {};
    return ::lstat(onDisk(path).c_str(), &info) == 0;
}

std::vector<std::string> PosixFileSystem::list(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(onDisk(folder).c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool PosixFileSystem::remove(const std::string& path) {
    return ::unlink(onDisk(path).c_str()) == 0;
}

LockAttempt PosixFileSystem::lock(const std::string& path) {
    return InstanceLock::acquire(onDisk(path));
}

bool PosixFileSystem::canWriteFolder(const std::string& folder) {
    return ::access(onDisk(folder).c_str(), W_OK) == 0;
}

std::optional<FileStamp> PosixFileSystem::stamp(const std::string& path) {
    struct stat info {};
    if (::stat(onDisk(path).c_str(), &info) != 0) {
        return std::nullopt;
    }
    FileStamp stamp;
    stamp.size = static_cast<std::uint64_t>(std::max<off_t>(info.st_size, 0));
    stamp.modifiedNs =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    stamp.inode = static_cast<std::uint64_t>(info.st_ino);
    stamp.regular = S_ISREG(info.st_mode);
    stamp.folder = S_ISDIR(info.st_mode);
    return stamp;
}

bool PosixFileSystem::createEmpty(const std::string& path) {
    // O_EXCL: an existing file, readable or not, is never truncated, and a
    // link, even one that leads nowhere, never makes a file elsewhere.
    const int fd =
        ::open(onDisk(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}

void PosixFileSystem::replacePieces(const std::string& path,
                                    std::span<const std::string_view> pieces) {
    // A data file kept elsewhere through the user's own symbolic link stays
    // there: the save replaces the file the link points to, and the link
    // itself is kept. A link that leads nowhere is an error, never replaced.
    const PathPlace place = walkPath(root_, path);
    if (!place.folder.valid()) {
        throw cannotCreate(path, place.reason, place.refused);
    }
    if (!place.exists && place.throughLink) {
        throw cannotCreate(path, systemReason(ENOENT), false);
    }
    const int folder = place.folder.get();
    struct stat old {};
    const bool existed =
        place.exists && ::fstatat(folder, place.name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (existed && !mayWrite(folder, place.name, old)) {
        throw cannotCreate(path, systemReason(S_ISDIR(old.st_mode) ? EISDIR : EACCES), false);
    }

    TempFile temp(folder, place.name);
    if (!temp.created()) {
        const int error = errno;
        throw cannotCreate(path, systemReason(error), false);
    }
    if (existed) {
        // Only root may hand the copy back to the old owner; anyone else owns it
        // already. The set-id bits go back only together with the owner.
        const bool sameOwner = ::fchown(temp.fd(), old.st_uid, old.st_gid) == 0;
        ::fchmod(temp.fd(), old.st_mode & (sameOwner ? 07777 : 0777));
    } else {
        ::fchmod(temp.fd(), newFileMode());
    }
    PieceWriter writer(temp.fd());
    const bool written =
        std::all_of(pieces.begin(), pieces.end(),
                    [&writer](std::string_view piece) { return writer.add(piece); }) &&
        writer.flush();
    const bool synced = writes_ == Writes::Batched || ::fsync(temp.fd()) == 0;
    if (!written || !synced || !temp.close()) {
        const int error = errno;
        throw failureWithReason("Cannot write file " + path, systemReason(error));
    }
    if (::renameat(folder, temp.name().c_str(), folder, place.name.c_str()) != 0) {
        const int error = errno;
        throw cannotCreate(path, systemReason(error), false);
    }
    temp.commit();
    if (writes_ == Writes::Synced) {
        syncFolder(folder);
    }
}

void PosixFileSystem::flush() {
    const int fd = ::open(onDisk("").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::syncfs(fd);
        ::close(fd);
    }
}

} // namespace norvik
