// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FileSystem.h"

#include <string>

namespace norvik {

// One running copy per data directory: an advisory lock on a small file there,
// held for the life of the program. The system drops it when the process ends,
// so a lock left by a crash never blocks the next start.
class InstanceLock : public FileLock {
public:
    ~InstanceLock() override;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Never fails open: a lock file that cannot be opened, is no regular file
    // (a symbolic link included) or cannot be locked is Refused with the
    // system's reason, and the caller decides whether running without it is
    // safe.
    static LockAttempt acquire(const std::string& path);

private:
    explicit InstanceLock(int descriptor) : descriptor_(descriptor) {}
    int descriptor_;
};

} // namespace norvik
