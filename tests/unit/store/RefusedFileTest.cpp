// SPDX-License-Identifier: GPL-3.0-or-later
#include "FailureOf.h"
#include "TempFolder.h"
#include "store/FileStore.h"
#include "store/InstanceLock.h"
#include "store/PosixFileSystem.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace norvik {
namespace {

using test::failureOf;

// The message and the reason of the failure, and whether the program refused
// the file itself.
struct Caught {
    std::string message;
    std::string reason;
    bool refused = false;
};

Caught caught(const std::function<void()>& action) {
    Caught result{"no failure", "", false};
    try {
        action();
    } catch (const RefusedFile& failure) {
        result = {failure.what(), failure.reason(), true};
    } catch (const Failure& failure) {
        result = {failure.what(), failure.reason(), false};
    }
    return result;
}

std::string linkAt(const std::string& path) {
    std::error_code error;
    return std::filesystem::read_symlink(path, error).string();
}

class RefusedFileTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    PosixFileSystem disk{folder.path()};
    FileStore store{disk};

    void link(const std::string& target, const std::string& name) const {
        ASSERT_EQ(::symlink(target.c_str(), (folder / name).c_str()), 0) << name;
    }
    void sparse(const std::string& name, off_t size) const {
        folder.write(name, "");
        ASSERT_EQ(::truncate((folder / name).c_str(), size), 0);
    }
};

// A file one byte past the limit is refused from its size alone, at once
// (a sparse file of gigabytes costs nothing unless it is read), for the data
// files and the modules alike; it is never written afterwards.
TEST_F(RefusedFileTest, AFileLargerThanTheLimitIsRefusedUnread) {
    sparse("quotes.txt", 2147483649);
    std::filesystem::create_directory(folder / "Language Modules");
    sparse("Language Modules/English.lng", 20'000'000'000);

    const auto started = std::chrono::steady_clock::now();
    const Caught notes = caught([&] { store.loadNotes("quotes.txt"); });
    const Caught module = caught([&] { store.loadLines("language modules/english.lng"); });
    const Caught scanned =
        caught([&] { store.scanLines("quotes.txt", [](std::string_view) { FAIL(); }); });
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));

    EXPECT_EQ(notes.message, "Cannot open file quotes.txt: it is 2147483649 bytes long, more than "
                             "the 2147483648 bytes Norvik reads");
    EXPECT_TRUE(notes.refused);
    EXPECT_EQ(module.message, "Cannot open file language modules/english.lng: it is 20000000000 "
                              "bytes long, more than the 2147483648 bytes Norvik reads");
    EXPECT_TRUE(module.refused);
    EXPECT_EQ(scanned.message, notes.message);
    EXPECT_TRUE(scanned.refused);

    EXPECT_EQ(failureOf([&] { store.saveNotes("quotes.txt", "x"); }),
              "Cannot open file quotes.txt");
    struct stat info {};
    ASSERT_EQ(::stat((folder / "quotes.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_size, 2147483649);
}

// Links of the user's own are followed, also in a chain and through a linked
// folder; the save goes where they lead and every link stays.
TEST_F(RefusedFileTest, TheUsersOwnLinksAreFollowed) {
    const test::TempFolder elsewhere;
    elsewhere.write("data/do.txt", "event\r\n");
    ASSERT_EQ(::symlink((elsewhere / "data").c_str(), (folder / "linked folder").c_str()), 0);
    link("linked folder/do.txt", "chain");
    link("chain", "do.txt");

    EXPECT_EQ(store.loadLines("do.txt"), Lines{"event"});
    store.saveLines("do.txt", {"saved"});
    EXPECT_EQ(elsewhere.read("data/do.txt"), "saved\r\n");
    EXPECT_EQ(linkAt(folder / "do.txt"), "chain");
    EXPECT_EQ(linkAt(folder / "chain"), "linked folder/do.txt");
    EXPECT_EQ(elsewhere.names(), std::vector<std::string>{"data"}); // no temporary file left
}

// A link that leads nowhere is an unreadable file, never a missing one: the
// load fails with the system's reason and the save is refused, so the link
// stays and nothing is made where it leads.
TEST_F(RefusedFileTest, ALinkThatLeadsNowhereIsAnError) {
    link("gone/do.txt", "do.txt");
    link("missing.txt", "telephone.txt");
    std::filesystem::create_directory(folder / "gone");

    EXPECT_TRUE(store.exists("do.txt"));
    store.createIfMissing("do.txt");
    const Caught load = caught([&] { store.loadLines("do.txt"); });
    EXPECT_EQ(load.message, "Cannot open file do.txt");
    EXPECT_EQ(load.reason, "No such file or directory");
    EXPECT_FALSE(load.refused);

    const Caught save = caught([&] { disk.replace("telephone.txt", "x"); });
    EXPECT_EQ(save.message, "Cannot create file telephone.txt");
    EXPECT_EQ(save.reason, "No such file or directory");
    EXPECT_EQ(linkAt(folder / "do.txt"), "gone/do.txt");
    EXPECT_EQ(linkAt(folder / "telephone.txt"), "missing.txt");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"do.txt", "gone", "telephone.txt"}));
}

// A link that belongs to another user is never followed, wherever it stands
// on the way: a co-user of a shared folder could otherwise send a save into
// this user's files. Making such a link needs root; root's own links are
// followed like the user's.
TEST_F(RefusedFileTest, AnotherUsersLinkIsRefusedWithTheReason) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a link to another user needs root";
    }
    const uid_t other = 65534;
    const test::TempFolder victim;
    victim.write(".bashrc", "keep\n");
    victim.write("data/do.txt", "event\r\n");
    link(victim / ".bashrc", "do.txt");
    ASSERT_EQ(::lchown((folder / "do.txt").c_str(), other, other), 0);
    // A link of root's leading to a folder link of the other user's.
    ASSERT_EQ(::symlink((victim / "data").c_str(), (folder / "foreign folder").c_str()), 0);
    ASSERT_EQ(::lchown((folder / "foreign folder").c_str(), other, other), 0);
    link("foreign folder/do.txt", "telephone.txt");

    const Caught load = caught([&] { store.loadLines("do.txt"); });
    EXPECT_EQ(load.message,
              "Cannot open file do.txt: the symbolic link do.txt belongs to another user");
    EXPECT_TRUE(load.refused);
    const Caught save = caught([&] { disk.replace("do.txt", "event\r\n"); });
    EXPECT_EQ(save.message,
              "Cannot create file do.txt: the symbolic link do.txt belongs to another user");
    EXPECT_EQ(save.reason, "the symbolic link do.txt belongs to another user");

    const Caught onTheWay = caught([&] { store.loadLines("telephone.txt"); });
    EXPECT_EQ(onTheWay.message, "Cannot open file telephone.txt: the symbolic link foreign "
                                "folder belongs to another user");
    EXPECT_EQ(failureOf([&] { disk.replace("telephone.txt", "x"); }),
              "Cannot create file telephone.txt: the symbolic link foreign folder belongs to "
              "another user");

    EXPECT_EQ(victim.read(".bashrc"), "keep\n");
    EXPECT_EQ(victim.read("data/do.txt"), "event\r\n");
    EXPECT_EQ(linkAt(folder / "do.txt"), victim / ".bashrc");
}

// The lock file is never reached through a link: one that leads to a file is
// refused, one that leads nowhere makes nothing where it points.
TEST_F(RefusedFileTest, ALinkInPlaceOfTheLockFileIsRefused) {
    folder.write("real lock", "");
    link("real lock", ".norvik.lock");
    link("nowhere/lock", "dangling.lock");
    std::filesystem::create_directory(folder / "nowhere");

    const LockAttempt onLink = InstanceLock::acquire(folder / ".norvik.lock");
    EXPECT_EQ(onLink.outcome, LockAttempt::Outcome::Refused);
    EXPECT_EQ(onLink.reason, "Is a symbolic link");
    const LockAttempt onDangling = InstanceLock::acquire(folder / "dangling.lock");
    EXPECT_EQ(onDangling.outcome, LockAttempt::Outcome::Refused);
    EXPECT_EQ(onDangling.reason, "Is a symbolic link");
    EXPECT_FALSE(std::filesystem::exists(folder / "nowhere/lock"));
}

} // namespace
} // namespace norvik
