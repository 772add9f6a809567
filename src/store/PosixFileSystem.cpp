#include "kit/Failure.h"
#include "store/FileSystem.h"
#include "store/InstanceLock.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace norvik {

namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Whether a direct write to the existing file would be allowed. access() alone
// says yes to root for any file, so a file without any write bit counts as
// read-only for everyone: the user marked it so on purpose.
bool mayWrite(const std::string& path, const struct stat& info) {
    if (!S_ISREG(info.st_mode)) {
        return false;
    }
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), W_OK) == 0;
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string systemReason(int error) {
    return std::strerror(error);
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

// The temporary copy beside the target; removed unless it was renamed over it.
class TempFile {
public:
    explicit TempFile(const std::string& target)
        : path_(folderOf(target) + "/." + baseOf(target) + ".XXXXXX") {
        fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
    }
    ~TempFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!committed_) {
            ::unlink(path_.c_str());
        }
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool created() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    // Closes the descriptor; false when the last buffered data could not be written.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void commit() { committed_ = true; }

private:
    std::string path_;
    int fd_ = -1;
    bool committed_ = false;
};

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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

std::optional<std::string> PosixFileSystem::read(const std::string& path) {
    // O_NONBLOCK: opening a named pipe must not wait for a writer. Only a
    // regular file is data; a pipe would block the read and a device such as
    // /dev/zero never ends. A link to a regular file is followed.
    const int fd = ::open(onDisk(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes;
    // Read straight into the string, one byte more than the size so that the
    // end shows at once; a file that grows meanwhile gets more room. A little
    // capacity beyond (address space only, no memory until used) lets a text
    // edited in place, as the notes are, take its first edits without being
    // moved.
    const auto fileSize = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    bytes.reserve(fileSize + fileSize / 64 + 4096);
    bytes.resize(fileSize + 1);
    std::size_t size = 0;
    for (;;) {
        if (size == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t n = ::read(fd, bytes.data() + size, bytes.size() - size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        size += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(size);
    return bytes;
}

bool PosixFileSystem::exists(const std::string& path) {
    struct stat info {};
    return ::stat(onDisk(path).c_str(), &info) == 0;
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
    // O_EXCL: an existing file, readable or not, is never truncated.
    const int fd = ::open(onDisk(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}

namespace {

// A data file kept elsewhere through a symbolic link stays there: the save
// replaces the file the link points to, and the link itself is kept.
std::string followLink(const std::string& path) {
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode)) {
        return path;
    }
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) {
        return path;
    }
    std::string resolved(real);
    std::free(real);
    return resolved;
}

} // namespace

void PosixFileSystem::replacePieces(const std::string& path,
                                    std::span<const std::string_view> pieces) {
    const std::string target = followLink(onDisk(path));
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && !mayWrite(target, old)) {
        throw Failure("Cannot create file " + path,
                      systemReason(S_ISDIR(old.st_mode) ? EISDIR : EACCES));
    }

    TempFile temp(target);
    if (!temp.created()) {
        const int error = errno;
        throw Failure("Cannot create file " + path, systemReason(error));
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
        throw Failure("Stream write error", systemReason(error));
    }
    if (::rename(temp.path().c_str(), target.c_str()) != 0) {
        const int error = errno;
        throw Failure("Cannot create file " + path, systemReason(error));
    }
    temp.commit();
    if (writes_ == Writes::Synced) {
        syncFolder(folderOf(target));
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
