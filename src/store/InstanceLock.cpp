#include "store/InstanceLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace norvik {

InstanceLock::~InstanceLock() {
    ::close(descriptor_);
}

InstanceLock::Outcome InstanceLock::acquire(const std::string& path,
                                            std::unique_ptr<InstanceLock>& lock) {
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        return Outcome::Unavailable;
    }
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno;
        ::close(descriptor);
        return reason == EWOULDBLOCK ? Outcome::HeldElsewhere : Outcome::Unavailable;
    }
    lock.reset(new InstanceLock(descriptor));
    return Outcome::Acquired;
}

} // namespace norvik
