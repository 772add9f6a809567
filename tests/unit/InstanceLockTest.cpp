#include "store/InstanceLock.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace norvik {
namespace {

TEST(InstanceLockTest, SecondCopyIsRefusedWhileTheFirstHoldsTheFolder) {
    const test::TempFolder folder;
    const std::string path = folder / ".norvik.lock";
    std::unique_ptr<InstanceLock> first;
    ASSERT_EQ(InstanceLock::acquire(path, first), InstanceLock::Outcome::Acquired);

    std::unique_ptr<InstanceLock> second;
    EXPECT_EQ(InstanceLock::acquire(path, second), InstanceLock::Outcome::HeldElsewhere);
    EXPECT_EQ(second, nullptr);

    first.reset();
    EXPECT_EQ(InstanceLock::acquire(path, second), InstanceLock::Outcome::Acquired);
}

TEST(InstanceLockTest, LockLeftByAKilledProcessDoesNotBlock) {
    const test::TempFolder folder;
    const std::string path = folder / ".norvik.lock";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::unique_ptr<InstanceLock> held;
        InstanceLock::acquire(path, held);
        std::_Exit(held ? 0 : 1); // dies without releasing anything itself
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);

    std::unique_ptr<InstanceLock> lock;
    EXPECT_EQ(InstanceLock::acquire(path, lock), InstanceLock::Outcome::Acquired);
}

TEST(InstanceLockTest, UnwritableFolderIsNoReasonToRefuse) {
    std::unique_ptr<InstanceLock> lock;
    EXPECT_EQ(InstanceLock::acquire("/nonexistent-folder/.norvik.lock", lock),
              InstanceLock::Outcome::Unavailable);
}

} // namespace
} // namespace norvik
