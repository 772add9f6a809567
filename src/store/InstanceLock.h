#pragma once

#include <memory>
#include <string>

namespace norvik {

// One running copy per data directory: an advisory lock on a small file there,
// held for the life of the program. The system drops it when the process ends,
// so a lock left by a crash never blocks the next start.
class InstanceLock {
public:
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    enum class Outcome { Acquired, HeldElsewhere, Unavailable };
    // Unavailable (a read-only folder, say) is no reason to refuse to start:
    // the caller runs without the lock then.
    static Outcome acquire(const std::string& path, std::unique_ptr<InstanceLock>& lock);

private:
    explicit InstanceLock(int descriptor) : descriptor_(descriptor) {}
    int descriptor_;
};

} // namespace norvik
