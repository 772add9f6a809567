// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/InstanceLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace norvik {

namespace {

LockAttempt refused(std::string reason) {
    LockAttempt attempt;
    attempt.outcome = LockAttempt::Outcome::Refused;
    attempt.reason = std::move(reason);
    return attempt;
}

} // namespace

InstanceLock::~InstanceLock() {
    ::close(descriptor_);
}

LockAttempt InstanceLock::acquire(const std::string& path) {
    // O_NONBLOCK: a named pipe in its place must not hang the start.
    // O_NOFOLLOW: a link in its place, even one that leads nowhere, is refused;
    // following it would make or lock a file outside the folder.
    const int flags = O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW;
    int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | flags, 0644);
    if (descriptor < 0) {
        // A shared folder's lock file made by another user is read-only for
        // this one; flock works on a read-only descriptor all the same.
        const int writeError = errno;
        descriptor = ::open(path.c_str(), O_RDONLY | flags);
        if (descriptor < 0) {
            return refused(writeError == ELOOP ? "Is a symbolic link" : std::strerror(writeError));
        }
    }
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        const bool folder = S_ISDIR(info.st_mode);
        ::close(descriptor);
        return refused(folder ? std::strerror(EISDIR) : "Not a regular file");
    }
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(descriptor);
        if (error == EWOULDBLOCK) {
            LockAttempt attempt;
            attempt.outcome = LockAttempt::Outcome::HeldElsewhere;
            return attempt;
        }
        return refused(std::strerror(error));
    }
    LockAttempt attempt;
    attempt.outcome = LockAttempt::Outcome::Acquired;
    attempt.lock.reset(new InstanceLock(descriptor));
    return attempt;
}

} // namespace norvik
