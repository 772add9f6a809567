// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileStore.h"
#include "FailureOf.h"
#include "TempFolder.h"
#include "store/LineList.h"
#include "store/PosixFileSystem.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace norvik {
namespace {

using test::failureOf;

// The real disk, except that some files cannot be read (as a permission
// would do for a normal user; the tests may run as root).
class UnreadableFiles : public PosixFileSystem {
public:
    using PosixFileSystem::PosixFileSystem;
    FileRead read(const std::string& path, ReadConsumer* consumer = nullptr) override {
        if (denied.count(path) != 0) {
            FileRead refused;
            refused.reason = "Permission denied";
            return refused;
        }
        return PosixFileSystem::read(path, consumer);
    }
    // Lists too are read through the refusal above.
    BufferRead readBuffer(const std::string& path, ReadConsumer* consumer = nullptr) override {
        return FileSystem::readBuffer(path, consumer);
    }
    RunsRead readRuns(const std::string& path, RunConsumer& consumer) override {
        return FileSystem::readRuns(path, consumer);
    }
    std::set<std::string> denied;
};

class FileStoreTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    UnreadableFiles disk{folder.path()};
    FileStore store{disk};
};

TEST_F(FileStoreTest, NamesResolveToEntriesDifferingOnlyInCase) {
    std::filesystem::create_directory(folder / "Language Modules");
    folder.write("Language Modules/English.lng", "en");
    folder.write("System.ini", "");
    EXPECT_EQ(resolveName(disk, "system.ini"), "System.ini");
    EXPECT_EQ(resolveName(disk, "language modules/ENGLISH.LNG"), "Language Modules/English.lng");
    EXPECT_EQ(resolveName(disk, "language modules/Russian.lng"), "Language Modules/Russian.lng");
    EXPECT_EQ(resolveName(disk, "do.txt"), "do.txt");
    EXPECT_EQ(resolveName(disk, "Missing/do.txt"), "Missing/do.txt");
}

TEST_F(FileStoreTest, AnExactMatchWinsElseTheFirstInByteOrder) {
    folder.write("do.txt", "lower");
    folder.write("Do.txt", "capital");
    folder.write("DO.TXT", "upper");
    EXPECT_EQ(resolveName(disk, "do.txt"), "do.txt");
    EXPECT_EQ(resolveName(disk, "Do.txt"), "Do.txt");
    EXPECT_EQ(resolveName(disk, "dO.txt"), "DO.TXT");
}

TEST_F(FileStoreTest, SavingUnderAnotherSpellingReachesTheExistingFile) {
    folder.write("System.ini", "LangID=0\r\n");
    EXPECT_EQ(store.loadLines("System.ini"), Lines{"LangID=0"});
    store.saveLines("system.ini", {"LangID=1"});
    EXPECT_EQ(folder.names(), std::vector<std::string>{"System.ini"});
    EXPECT_EQ(folder.read("System.ini"), "LangID=1\r\n");
}

TEST_F(FileStoreTest, LoadsLinesAndNotesWithTheirRules) {
    folder.write("do.txt", "a\n\nb");
    folder.write("quotes.txt", "x\ny");
    EXPECT_EQ(store.loadLines("do.txt"), (Lines{"a", "", "b"}));
    EXPECT_EQ(store.loadNotes("quotes.txt"), "x\r\ny");
    store.saveNotes("quotes.txt", "x\r\ny");
    EXPECT_EQ(folder.read("quotes.txt"), "x\r\ny");
    store.saveLines("do.txt", {});
    EXPECT_EQ(folder.read("do.txt"), "");
}

// The disk hands a long list over in runs of a power of two: a CR ends every
// 64 KiB, with an LF or another byte after it, so the runs split CR LF too,
// whether the list is kept or only looked through.
TEST_F(FileStoreTest, AListLongerThanOneReadSplitsAsInOnePiece) {
    std::string file;
    for (int block = 0; block < 16; ++block) {
        std::string lines = block % 2 == 0 ? "\n" : "z";
        while (lines.size() < 65535) {
            lines +=
                std::string(1 + lines.size() % 70, 'a') + (lines.size() % 3 == 0 ? "\n" : "\r\n");
        }
        lines.resize(65535);
        file += lines + "\r";
    }
    folder.write("do.txt", file);
    PosixFileSystem plain(folder.path());
    FileStore plainStore(plain);
    EXPECT_EQ(plainStore.loadLines("do.txt"), splitLines(file));
    Lines scanned;
    plainStore.scanLines("DO.TXT", [&](std::string_view line) { scanned.push_back(line); });
    EXPECT_EQ(scanned, splitLines(file));
}

TEST_F(FileStoreTest, CreateIfMissingNeverTouchesAnExistingFile) {
    folder.write("Do.txt", "event");
    folder.write("telephone.txt", "phone");
    disk.denied.insert("telephone.txt");
    store.createIfMissing("do.txt");
    store.createIfMissing("telephone.txt");
    store.createIfMissing("quotes.txt");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"Do.txt", "quotes.txt", "telephone.txt"}));
    EXPECT_EQ(folder.read("Do.txt"), "event");
    EXPECT_EQ(folder.read("telephone.txt"), "phone");
    EXPECT_EQ(folder.read("quotes.txt"), "");
}

TEST_F(FileStoreTest, AFileThatFailedToLoadIsNeverWritten) {
    folder.write("telephone.txt", "Someone >>> 123\r\n");
    disk.denied.insert("telephone.txt");
    EXPECT_EQ(failureOf([&] { store.loadLines("telephone.txt"); }),
              "Cannot open file telephone.txt");
    EXPECT_EQ(failureOf([&] { store.scanLines("telephone.txt", [](std::string_view) {}); }),
              "Cannot open file telephone.txt");
    EXPECT_EQ(failureOf([&] { store.saveLines("telephone.txt", {"new"}); }),
              "Cannot open file telephone.txt");
    EXPECT_EQ(failureOf([&] { store.saveLines("TELEPHONE.TXT", {"new"}); }),
              "Cannot open file TELEPHONE.TXT");
    EXPECT_EQ(folder.read("telephone.txt"), "Someone >>> 123\r\n");

    // Other files are saved as usual.
    store.saveLines("do.txt", {"event"});
    EXPECT_EQ(folder.read("do.txt"), "event\r\n");
}

TEST_F(FileStoreTest, AHeldBackFileIsWrittenOnlyOnceItHasLoaded) {
    folder.write("do.txt", "event\r\n");
    store.holdBack("do.txt");
    EXPECT_EQ(failureOf([&] { store.saveLines("Do.txt", {"new"}); }), "Cannot open file Do.txt");
    EXPECT_EQ(folder.read("do.txt"), "event\r\n");

    EXPECT_EQ(store.loadLines("do.txt"), Lines{"event"});
    store.saveLines("do.txt", {"new"});
    EXPECT_EQ(folder.read("do.txt"), "new\r\n");
}

TEST_F(FileStoreTest, AMissingFileFailsToLoadWithTheProgramsSpelling) {
    EXPECT_EQ(failureOf([&] { store.loadNotes("quotes.txt"); }), "Cannot open file quotes.txt");
    EXPECT_EQ(failureOf([&] { store.loadLines("Language Modules/English.lng"); }),
              "Cannot open file Language Modules/English.lng");
    EXPECT_EQ(failureOf([&] { store.scanLines("do.txt", [](std::string_view) {}); }),
              "Cannot open file do.txt");
}

} // namespace
} // namespace norvik
