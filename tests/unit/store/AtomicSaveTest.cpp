// SPDX-License-Identifier: GPL-3.0-or-later
#include "FailureOf.h"
#include "TempFolder.h"
#include "store/FileStore.h"
#include "store/LineList.h"
#include "store/PosixFileSystem.h"

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace norvik {
namespace {

using test::failureOf;

// Runs `child` in a forked process and returns its exit code (-1: killed).
int inChild(const std::function<int()>& child) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 99;
        try {
            code = child();
        } catch (...) {
        }
        ::_exit(code);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

mode_t modeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

class AtomicSaveTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    PosixFileSystem disk{folder.path()};
    FileStore store{disk};
    const std::string old = "01.01.2030 10:00:00 >>> keep me\r\n";
};

// A write that stops short names the file as the program spells it and the
// system's reason, which the failure also keeps for the close-time question.
TEST_F(AtomicSaveTest, AFullDiskLeavesTheOldFile) {
    folder.write("do.txt", old);
    const int code = inChild([&] {
        // With the signal ignored, a write past the limit fails with EFBIG.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Lines lines(10000, "02.02.2030 12:00:00 >>> a long list");
        try {
            store.saveLines("Do.txt", lines);
        } catch (const Failure& failure) {
            return std::string(failure.what()) == "Cannot write file Do.txt: File too large" &&
                           failure.reason() == "File too large"
                       ? 0
                       : 1;
        }
        return 2;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(folder.read("do.txt"), old);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"do.txt"}); // no temporary file left
}

TEST_F(AtomicSaveTest, AListOfManyShortRunsAndLongOnesIsWrittenWhole) {
    // Every other line changed: the saved pieces alternate between the
    // loaded buffer and the changed lines, short and long runs mixed.
    std::string file;
    for (int i = 0; i < 20000; ++i) {
        file += "01.01.2030 10:00:00 >>> line " + std::to_string(i) + "\r\n";
    }
    file += std::string(200000, 'x') + "\r\n";
    Lines lines = splitLines(file);
    for (std::size_t i = 0; i < 20000; i += 2) {
        lines.replace(i, "changed " + std::to_string(i));
    }
    store.saveLines("do.txt", lines);
    EXPECT_EQ(folder.read("do.txt"), joinLines(lines));
}

TEST_F(AtomicSaveTest, AKilledSaveLeavesAWholeFile) {
    const std::string first(3'000'000, 'a');
    const std::string second(3'000'000, 'b');
    folder.write("quotes.txt", first);
    std::mt19937 random(20240501);
    for (int round = 0; round < 6; ++round) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            try {
                for (int i = 0;; ++i) {
                    disk.replace("quotes.txt", i % 2 == 0 ? second : first);
                }
            } catch (...) {
            }
            ::_exit(1);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(1000, 60000)(random));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        const std::string now = folder.read("quotes.txt");
        EXPECT_TRUE(now == first || now == second) << "round " << round << ": " << now.size();
    }
}

TEST_F(AtomicSaveTest, AReadOnlyFileIsNotReplaced) {
    folder.write("System.ini", old);
    ::chmod((folder / "System.ini").c_str(), 0444);
    EXPECT_EQ(failureOf([&] { store.saveLines("system.ini", {"LangID=1"}); }),
              "Cannot create file system.ini");
    EXPECT_EQ(folder.read("System.ini"), old);
    EXPECT_EQ(modeOf(folder / "System.ini"), 0444u);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"System.ini"});
}

TEST_F(AtomicSaveTest, AFileThatCannotBeCreatedFails) {
    EXPECT_EQ(failureOf([&] { store.saveNotes("no such folder/quotes.txt", "x"); }),
              "Cannot create file no such folder/quotes.txt");
}

TEST_F(AtomicSaveTest, TheNewFileKeepsThePermissions) {
    folder.write("telephone.txt", old);
    ::chmod((folder / "telephone.txt").c_str(), 0640);
    store.saveLines("telephone.txt", {"Someone >>> 123"});
    EXPECT_EQ(folder.read("telephone.txt"), "Someone >>> 123\r\n");
    EXPECT_EQ(modeOf(folder / "telephone.txt"), 0640u);

    const mode_t mask = ::umask(022);
    store.saveLines("do.txt", {"new"});
    ::umask(mask);
    EXPECT_EQ(modeOf(folder / "do.txt"), 0644u);
}

TEST_F(AtomicSaveTest, ALinkedFileIsSavedWhereTheLinkPoints) {
    test::TempFolder elsewhere;
    elsewhere.write("do.txt", old);
    ASSERT_EQ(::symlink((elsewhere / "do.txt").c_str(), (folder / "do.txt").c_str()), 0);

    store.saveLines("do.txt", {"moved"});

    struct stat entry {};
    ASSERT_EQ(::lstat((folder / "do.txt").c_str(), &entry), 0);
    EXPECT_TRUE(S_ISLNK(entry.st_mode));
    EXPECT_EQ(elsewhere.read("do.txt"), "moved\r\n");
}

} // namespace
} // namespace norvik
