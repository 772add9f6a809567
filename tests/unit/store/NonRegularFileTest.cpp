// SPDX-License-Identifier: GPL-3.0-or-later
#include "FailureOf.h"
#include "TempFolder.h"
#include "store/FileStore.h"
#include "store/PosixFileSystem.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace norvik {
namespace {

using test::failureOf;

// Runs `child` in a forked process that may take at most one second; returns
// its exit code, or -1 when it had to be killed (it hung or ate memory).
int withinASecond(const std::function<bool()>& child) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        bool passed = false;
        try {
            passed = child();
        } catch (...) {
        }
        ::_exit(passed ? 0 : 1);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Only a regular file is data: a named pipe would block the start for ever,
// /dev/zero would be read until memory runs out. Both are refused at once as
// unreadable; a link to a regular file is still read.
TEST(NonRegularFileTest, OnlyRegularFilesAreRead) {
    const test::TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "do.txt").c_str(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", (folder / "quotes.txt").c_str()), 0);
    folder.write("elsewhere.txt", "a\r\n");
    ASSERT_EQ(::symlink("elsewhere.txt", (folder / "telephone.txt").c_str()), 0);

    PosixFileSystem disk(folder.path());
    FileStore store(disk);
    EXPECT_EQ(withinASecond([&] {
                  return failureOf([&] { store.loadLines("do.txt"); }) == "Cannot open file do.txt";
              }),
              0);
    EXPECT_EQ(withinASecond([&] {
                  return failureOf([&] { store.loadNotes("quotes.txt"); }) ==
                         "Cannot open file quotes.txt";
              }),
              0);
    EXPECT_EQ(store.loadLines("telephone.txt"), Lines{"a"});
}

} // namespace
} // namespace norvik
