// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/InstanceLock.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace norvik {
namespace {

using Outcome = LockAttempt::Outcome;

TEST(InstanceLockTest, SecondCopyIsRefusedWhileTheFirstHoldsTheFolder) {
    const test::TempFolder folder;
    const std::string path = folder / ".norvik.lock";
    LockAttempt first = InstanceLock::acquire(path);
    ASSERT_EQ(first.outcome, Outcome::Acquired);

    LockAttempt second = InstanceLock::acquire(path);
    EXPECT_EQ(second.outcome, Outcome::HeldElsewhere);
    EXPECT_EQ(second.lock, nullptr);

    first.lock.reset();
    EXPECT_EQ(InstanceLock::acquire(path).outcome, Outcome::Acquired);
}

TEST(InstanceLockTest, LockLeftByAKilledProcessDoesNotBlock) {
    const test::TempFolder folder;
    const std::string path = folder / ".norvik.lock";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const LockAttempt held = InstanceLock::acquire(path);
        std::_Exit(held.lock ? 0 : 1); // dies without releasing anything itself
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);

    EXPECT_EQ(InstanceLock::acquire(path).outcome, Outcome::Acquired);
}

// A lock that cannot be taken is refused with the reason, never taken as
// absent: a folder or a pipe in its place, a folder that does not exist.
TEST(InstanceLockTest, WhatCannotBeLockedIsRefusedWithTheReason) {
    const test::TempFolder folder;
    ASSERT_EQ(::mkdir((folder / "folder").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0644), 0);

    const LockAttempt onFolder = InstanceLock::acquire(folder / "folder");
    EXPECT_EQ(onFolder.outcome, Outcome::Refused);
    EXPECT_EQ(onFolder.reason, "Is a directory");
    EXPECT_EQ(onFolder.lock, nullptr);

    const LockAttempt onPipe = InstanceLock::acquire(folder / "pipe");
    EXPECT_EQ(onPipe.outcome, Outcome::Refused);
    EXPECT_EQ(onPipe.reason, "Not a regular file");

    const LockAttempt nowhere = InstanceLock::acquire("/nonexistent-folder/.norvik.lock");
    EXPECT_EQ(nowhere.outcome, Outcome::Refused);
    EXPECT_EQ(nowhere.reason, "No such file or directory");
}

} // namespace
} // namespace norvik
