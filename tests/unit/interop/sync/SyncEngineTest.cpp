// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/sync/SyncEngine.h"
#include "kit/Failure.h"
#include "store/Codec1251.h"
#include "store/LineList.h"
#include "store/PosixFileSystem.h"

#include "PhoneLabels.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace norvik::sync {
namespace {

using test::TempFolder;

// Local time is Moscow's, UTC+3 all year, whatever the machine's zone.
const bool moscow = [] {
    ::setenv("TZ", "Europe/Moscow", 1);
    ::tzset();
    return true;
}();
const DateTime today{2027, 1, 1, 0, 0, 0, 0};
constexpr std::time_t now = 1798761600;

// The list and its file, as norvik-cli holds them.
class ListFile : public ListAccess {
public:
    explicit ListFile(FileSystem& data, std::string name = "do.txt")
        : data_(data), name_(std::move(name)) {
        if (const auto bytes = data_.read(name_).bytes) {
            lines_ = splitLines(*bytes);
        }
    }
    const Lines& lines() const override { return lines_; }
    Lines& edit() { return lines_; }
    void apply(const ListEdits& edits) override { edits.applyTo(lines_); }
    void save() override {
        if (refuse) {
            throw Failure("Cannot create file do.txt", "Permission denied");
        }
        ++saves;
        data_.replace(name_, joined());
    }
    std::string joined() const {
        std::string out;
        for (const auto piece : linePieces(lines_)) {
            out += piece;
        }
        return out;
    }

    int saves = 0;
    bool refuse = false;

private:
    FileSystem& data_;
    std::string name_;
    Lines lines_;
};

// A folder whose writes start failing after a number of them, as a sync
// killed half way would leave it.
class FailingFolder : public PosixFileSystem {
public:
    using PosixFileSystem::PosixFileSystem;
    void replacePieces(const std::string& path, std::span<const std::string_view> pieces) override {
        if (writesLeft-- <= 0) {
            throw Failure("Cannot create file " + path, "Input/output error");
        }
        PosixFileSystem::replacePieces(path, pieces);
    }
    int writesLeft = 1 << 30;
};

std::string ics(const std::string& uid, const std::string& start, const std::string& summary,
                const std::string& extra = "") {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:" + uid +
           "\r\nDTSTART:" + start + "\r\nSUMMARY:" + summary + "\r\n" + extra +
           "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

class SyncEngineTest : public ::testing::Test {
protected:
    SyncEngineTest() : data_(dataFolder.path()), folder_(vdir.path()) {}

    // One sync as norvik-cli runs it: the list and the state read afresh.
    SyncResult sync(const DateTime& day = today) {
        ListFile list(data_);
        SyncEngine engine(data_, ".norvik-sync-events", folder_, vdir.path());
        engine.attach(list.lines());
        const EventFormat format(windowFrom(day), LocalZone{}, now);
        SyncResult result = engine.run(list, format, day);
        lastSaves = list.saves;
        return result;
    }

    // The program: the list and the engine live on, and every change of a
    // line reaches the map, then the list is saved.
    void start() {
        running = std::make_unique<ListFile>(data_);
        engine = std::make_unique<SyncEngine>(data_, ".norvik-sync-events", folder_, vdir.path());
        engine->attach(running->lines());
    }
    SyncResult round(const DateTime& day = today) {
        const EventFormat format(windowFrom(day), LocalZone{}, now);
        return engine->run(*running, format, day);
    }
    void saved() {
        running->save();
        engine->saved(running->lines());
    }
    void replaceLine(int index, const std::string& utf8) {
        running->edit().replace(static_cast<std::size_t>(index), cp1251::literal(utf8));
        engine->changed({LineChange::Kind::Replaced, index, {}}, running->lines());
        saved();
    }
    void removeLine(int index) {
        running->edit().erase(static_cast<std::size_t>(index));
        engine->changed({LineChange::Kind::Removed, -1, {index}}, running->lines());
        saved();
    }

    static OccurrenceWindow windowFrom(const DateTime& day) {
        return {day, DateTime{day.year + 1, day.month, std::min(day.day, 28), 0, 0, 0, 0}};
    }

    void setList(const std::vector<std::string>& utf8) {
        std::string bytes;
        for (const auto& line : utf8) {
            bytes += cp1251::literal(line) + "\r\n";
        }
        dataFolder.write("do.txt", bytes);
    }

    std::vector<std::string> list() {
        std::vector<std::string> lines;
        for (const auto line : splitLines(dataFolder.read("do.txt"))) {
            lines.push_back(cp1251::toUtf8(line));
        }
        return lines;
    }

    // The items of the folder, by name, with their bytes.
    std::map<std::string, std::string> items() {
        std::map<std::string, std::string> found;
        for (const auto& name : vdir.names()) {
            if (!name.starts_with('.')) {
                found[name] = vdir.read(name);
            }
        }
        return found;
    }

    // Everything that tells whether a file was written, for both sides.
    std::map<std::string, FileStamp> stamps() {
        std::map<std::string, FileStamp> found;
        for (const auto& name : vdir.names()) {
            found["vdir/" + name] = *folder_.stamp(name);
        }
        for (const char* list : {"do.txt", "telephone.txt"}) {
            if (const auto stamp = data_.stamp(list)) {
                found[list] = *stamp;
            }
        }
        return found;
    }

    // The other side rewrites the first `from` in an item as `to`.
    void editItem(const std::string& name, std::string_view from, std::string_view to) {
        std::string bytes = vdir.read(name);
        bytes.replace(bytes.find(from), from.size(), to);
        vdir.write(name, bytes);
    }

    // The name of the file that holds this text.
    std::string fileWith(const std::string& text) {
        for (const auto& [name, bytes] : items()) {
            if (bytes.find(text) != std::string::npos) {
                return name;
            }
        }
        return {};
    }

    TempFolder dataFolder{"norvik-data"};
    TempFolder vdir{"norvik-vdir"};
    PosixFileSystem data_;
    FailingFolder folder_;
    int lastSaves = 0;
    std::unique_ptr<ListFile> running;
    std::unique_ptr<SyncEngine> engine;
};

// A first sync sends new lines, takes in new items, pairs what is equal on
// both sides instead of copying it, keeps loose lines at home and leaves
// what the list cannot show alone; a second sync writes nothing anywhere.
TEST_F(SyncEngineTest, AFirstSyncJoinsBothSidesAndASecondWritesNothing) {
    setList({"10.01.2027 10:00:00 >>> Same", "11.01.2027 09:00:00 >>> Only here",
             "tomorrow >>> loose", "10.01.2027 10:00:00 >>> Same"});
    vdir.write("same.ics", ics("same", "20270110T100000", "Same"));
    vdir.write("there.ics", ics("there", "20270112T080000", "Only there"));
    const std::string task = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VTODO\r\nUID:t\r\n"
                             "SUMMARY:Task\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
    vdir.write("task.ics", task);
    vdir.write("displayname", "Personal");

    const SyncResult first = sync();
    ASSERT_FALSE(first.failure);
    EXPECT_EQ(list(), (std::vector<std::string>{
                          "10.01.2027 10:00:00 >>> Same", "11.01.2027 09:00:00 >>> Only here",
                          "tomorrow >>> loose", "10.01.2027 10:00:00 >>> Same",
                          "12.01.2027 08:00:00 >>> Only there"}));
    EXPECT_EQ(first.summary.sent, 2U); // the second copy of "Same" is an item of its own
    EXPECT_EQ(first.summary.received, 1U);
    EXPECT_EQ(first.summary.kept, 1U);
    EXPECT_EQ(
        first.summary.skipped,
        std::vector<std::string>{"task.ics: nothing the list can show (no event with a start)"});
    const auto after = items();
    EXPECT_EQ(after.size(), 6U); // five items and the folder's name
    EXPECT_EQ(after.at("same.ics"), ics("same", "20270110T100000", "Same"));
    EXPECT_EQ(after.at("task.ics"), task);
    for (const auto& [name, bytes] : after) {
        // New items are named after their UID.
        if (name.size() > 30 &&
            bytes.find("UID:" + name.substr(0, name.size() - 4)) == std::string::npos) {
            ADD_FAILURE() << name << " is not named after its UID";
        }
    }

    const auto before = stamps();
    const SyncResult second = sync();
    ASSERT_FALSE(second.failure);
    EXPECT_EQ(stamps(), before);
    EXPECT_EQ(lastSaves, 0);
    EXPECT_EQ(second.summary.sent + second.summary.received + second.summary.changedHere +
                  second.summary.changedThere + second.summary.removedHere +
                  second.summary.removedThere + second.summary.conflicts + second.summary.kept,
              0U);
}

// A change or removal on one side reaches the other: a changed line rewrites
// only its item's SUMMARY, a changed item replaces its line where it stands.
TEST_F(SyncEngineTest, ChangesAndRemovalsFollowTheOtherSide) {
    setList({"10.01.2027 10:00:00 >>> A", "11.01.2027 10:00:00 >>> B", "12.01.2027 10:00:00 >>> C",
             "13.01.2027 10:00:00 >>> D"});
    start();
    ASSERT_FALSE(round().failure);
    const std::string a = fileWith("SUMMARY:A");
    const std::string b = fileWith("SUMMARY:B");
    const std::string c = fileWith("SUMMARY:C");
    const std::string d = fileWith("SUMMARY:D");
    // The other side keeps a place of its own in A.
    editItem(a, "END:VEVENT", "LOCATION:Hall\r\nEND:VEVENT");
    const std::string withPlace = vdir.read(a);
    ASSERT_FALSE(round().failure);

    replaceLine(0, "10.01.2027 10:00:00 >>> A2");
    removeLine(2);
    editItem(b, "SUMMARY:B", "SUMMARY:B2");
    std::filesystem::remove(vdir / d);

    const SyncResult result = round();
    ASSERT_FALSE(result.failure);
    EXPECT_EQ(list(), (std::vector<std::string>{"10.01.2027 10:00:00 >>> A2",
                                                "11.01.2027 10:00:00 >>> B2"}));
    std::string expectedA = withPlace;
    expectedA.replace(expectedA.find("SUMMARY:A"), 9, "SUMMARY:A2");
    EXPECT_EQ(vdir.read(a), expectedA);
    EXPECT_FALSE(items().count(c));
    EXPECT_EQ(result.summary.changedThere, 1U);
    EXPECT_EQ(result.summary.changedHere, 1U);
    EXPECT_EQ(result.summary.removedThere, 1U);
    EXPECT_EQ(result.summary.removedHere, 1U);
    EXPECT_EQ(result.summary.arrived, std::vector<Text>{"11.01.2027 10:00:00 >>> B2"});
}

// Nothing is lost when both sides changed: both versions are kept, and a
// change wins over a removal on the other side.
TEST_F(SyncEngineTest, ChangesOnBothSidesAreAllKept) {
    setList({"10.01.2027 10:00:00 >>> Both", "11.01.2027 10:00:00 >>> Gone here",
             "12.01.2027 10:00:00 >>> Gone there"});
    start();
    ASSERT_FALSE(round().failure);
    const std::string both = fileWith("SUMMARY:Both");
    const std::string goneHere = fileWith("SUMMARY:Gone here");
    const std::string goneThere = fileWith("SUMMARY:Gone there");

    replaceLine(0, "10.01.2027 10:00:00 >>> Both, here");
    replaceLine(2, "12.01.2027 10:00:00 >>> Gone there, changed");
    removeLine(1);
    editItem(both, "SUMMARY:Both", "SUMMARY:Both\\, there");
    editItem(goneHere, "SUMMARY:Gone here", "SUMMARY:Gone here\\, changed");
    std::filesystem::remove(vdir / goneThere);

    const SyncResult result = round();
    ASSERT_FALSE(result.failure);
    EXPECT_EQ(result.summary.conflicts, 1U);
    EXPECT_EQ(list(), (std::vector<std::string>{"10.01.2027 10:00:00 >>> Both, here",
                                                "12.01.2027 10:00:00 >>> Gone there, changed",
                                                "10.01.2027 10:00:00 >>> Both, there",
                                                "11.01.2027 10:00:00 >>> Gone here, changed"}));
    // The folder holds every line's item: the changed one kept, the list's
    // versions as new items.
    std::vector<std::string> summaries;
    for (const auto& [name, bytes] : items()) {
        const auto at = bytes.find("SUMMARY:");
        summaries.push_back(bytes.substr(at + 8, bytes.find("\r\n", at) - at - 8));
    }
    std::sort(summaries.begin(), summaries.end());
    EXPECT_EQ(summaries,
              (std::vector<std::string>{"Both\\, here", "Both\\, there", "Gone here\\, changed",
                                        "Gone there\\, changed"}));
    EXPECT_TRUE(items().count(both));
    const auto again = stamps();
    ASSERT_FALSE(sync().failure);
    EXPECT_EQ(stamps(), again);
}

// Identical lines are distinct items: deleting the second one deletes the
// item it stands for, whichever of the two the other side changed.
TEST_F(SyncEngineTest, IdenticalLinesStayDistinctItems) {
    setList({"10.01.2027 10:00:00 >>> Twin", "10.01.2027 10:00:00 >>> Twin"});
    ListFile list(data_);
    SyncEngine engine(data_, ".norvik-sync-events", folder_, vdir.path());
    engine.attach(list.lines());
    const EventFormat format(windowFrom(today), LocalZone{}, now);
    ASSERT_FALSE(engine.run(list, format, today).failure);
    ASSERT_EQ(items().size(), 2U);
    const std::string first = engine.state().entries[0].file;
    const std::string second = engine.state().entries[1].file;
    ASSERT_NE(first, second);
    // Each item gets a place of its own on the other side.
    editItem(first, "END:VEVENT", "LOCATION:One\r\nEND:VEVENT");
    editItem(second, "END:VEVENT", "LOCATION:Two\r\nEND:VEVENT");
    ASSERT_FALSE(engine.run(list, format, today).failure);
    EXPECT_EQ(list.lines().size(), 2U);

    // The program deletes the second line and saves: the map follows.
    list.edit().erase(1);
    engine.changed({LineChange::Kind::Removed, -1, {1}}, list.lines());
    list.save();
    engine.saved(list.lines());
    // A restart reads the map back from the state file.
    SyncEngine restarted(data_, ".norvik-sync-events", folder_, vdir.path());
    restarted.attach(list.lines());
    ASSERT_FALSE(restarted.run(list, format, today).failure);
    EXPECT_TRUE(items().count(first));
    EXPECT_FALSE(items().count(second));
    EXPECT_NE(vdir.read(first).find("LOCATION:One"), std::string::npos);
}

// A folder that is gone, or that lost every item it had, is a failure, and
// the list stays as it was.
TEST_F(SyncEngineTest, AnEmptiedOrMissingFolderRemovesNothing) {
    setList({"10.01.2027 10:00:00 >>> A", "11.01.2027 10:00:00 >>> B"});
    ASSERT_FALSE(sync().failure);
    const std::string listBefore = dataFolder.read("do.txt");
    for (const auto& [name, bytes] : items()) {
        std::filesystem::remove(vdir / name);
    }
    const SyncResult emptied = sync();
    ASSERT_TRUE(emptied.failure);
    EXPECT_EQ(emptied.failure->kind, SyncFailure::Kind::Folder);
    EXPECT_EQ(emptied.failure->folder, vdir.path());
    EXPECT_NE(emptied.failure->reason.find("none of the 2 items"), std::string::npos);
    EXPECT_EQ(dataFolder.read("do.txt"), listBefore);
    EXPECT_TRUE(items().empty());

    std::filesystem::remove_all(vdir.path());
    const SyncResult missing = sync();
    ASSERT_TRUE(missing.failure);
    EXPECT_EQ(missing.failure->reason, "No such file or directory");
    EXPECT_EQ(dataFolder.read("do.txt"), listBefore);
    std::filesystem::create_directories(vdir.path());
}

// A series is one line per occurrence for a year from today: deleting a line
// excludes its occurrence, editing one overrides it, a second sync on the
// same day writes nothing, and a later day adds the new occurrences while
// the past ones stay.
TEST_F(SyncEngineTest, ASeriesIsALinePerOccurrence) {
    setList({});
    vdir.write("weekly.ics", ics("weekly", "20270104T090000", "Standup",
                                 "RRULE:FREQ=WEEKLY;UNTIL=20270301T000000\r\n"));
    ASSERT_FALSE(sync().failure);
    auto lines = list();
    ASSERT_EQ(lines.size(), 8U);
    EXPECT_EQ(lines[0], "04.01.2027 09:00:00 >>> Standup");
    EXPECT_EQ(lines[7], "22.02.2027 09:00:00 >>> Standup");

    start();
    removeLine(1);
    replaceLine(1, "18.01.2027 11:30:00 >>> Standup, late");
    const SyncResult edited = round();
    ASSERT_FALSE(edited.failure);
    const std::string series = vdir.read("weekly.ics");
    EXPECT_NE(series.find("EXDATE:20270111T090000\r\n"), std::string::npos);
    EXPECT_NE(series.find("RECURRENCE-ID:20270118T090000\r\nDTSTAMP:"), std::string::npos);
    EXPECT_NE(series.find("DTSTART:20270118T113000\r\n"), std::string::npos);
    EXPECT_EQ(items().size(), 1U); // still one series, never single events
    EXPECT_EQ(edited.summary.removedThere, 1U);
    EXPECT_EQ(edited.summary.changedThere, 1U);

    const auto before = stamps();
    ASSERT_FALSE(sync().failure);
    EXPECT_EQ(stamps(), before);

    // Three weeks on: nothing new in the series, the past occurrences stay.
    ASSERT_FALSE(sync(DateTime{2027, 1, 22, 0, 0, 0, 0}).failure);
    EXPECT_EQ(list().size(), 7U);
    // The other side adds occurrences; only those from the new day on come in.
    editItem("weekly.ics", "UNTIL=20270301T000000", "UNTIL=20270315T000000");
    ASSERT_FALSE(sync(DateTime{2027, 1, 22, 0, 0, 0, 0}).failure);
    lines = list();
    ASSERT_EQ(lines.size(), 9U);
    EXPECT_EQ(lines[0], "04.01.2027 09:00:00 >>> Standup");
    EXPECT_EQ(lines[8], "08.03.2027 09:00:00 >>> Standup");
}

// A sync that stops half way, at any write, is finished by the next one:
// every line has exactly one item, and nothing is sent twice.
TEST_F(SyncEngineTest, ASyncStoppedHalfWayConvergesWithoutCopies) {
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i) {
        lines.push_back("10.01.2027 10:00:" + std::string(i < 10 ? "0" : "") + std::to_string(i) +
                        " >>> Event " + std::to_string(i));
    }
    setList(lines);
    folder_.writesLeft = 17;
    const SyncResult stopped = sync();
    ASSERT_TRUE(stopped.failure);
    EXPECT_EQ(stopped.failure->kind, SyncFailure::Kind::Write);
    EXPECT_EQ(items().size(), 17U);
    folder_.writesLeft = 1 << 30;
    ASSERT_FALSE(sync().failure);
    EXPECT_EQ(items().size(), 40U);
    EXPECT_EQ(list().size(), 40U);

    // The list's save refused after the folder's changes came in: the next
    // sync brings them in once.
    vdir.write("new.ics", ics("new", "20270120T100000", "From the phone"));
    {
        ListFile list(data_);
        list.refuse = true;
        SyncEngine engine(data_, ".norvik-sync-events", folder_, vdir.path());
        engine.attach(list.lines());
        const EventFormat format(windowFrom(today), LocalZone{}, now);
        const SyncResult refused = engine.run(list, format, today);
        ASSERT_TRUE(refused.failure);
        EXPECT_EQ(refused.failure->folder, "Cannot create file do.txt");
    }
    ASSERT_FALSE(sync().failure);
    EXPECT_EQ(list().size(), 41U);
    EXPECT_EQ(items().size(), 41U);
    const auto before = stamps();
    ASSERT_FALSE(sync().failure);
    EXPECT_EQ(stamps(), before);
}

// Phone records pair with cards of the same name and numbers on a first
// sync, whatever the address looks like on either side; a changed number
// then reaches the card's TEL and nothing else of it.
TEST_F(SyncEngineTest, PhoneRecordsPairByNameAndNumbers) {
    const ContactFormat format(test::labelFrom(test::russianPhoneLabels()));
    dataFolder.write("telephone.txt", cp1251::literal("Anna Example >>> Springfield, моб. тел.: "
                                                      "+7 900 111-22-33\r\n"));
    const std::string card = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:c1\r\nFN:Anna Example\r\n"
                             "TEL;TYPE=CELL:+79001112233\r\nEMAIL:anna@example.org\r\n"
                             "END:VCARD\r\n";
    vdir.write("c1.vcf", card);
    auto syncContacts = [&] {
        ListFile list(data_, "telephone.txt");
        SyncEngine engine(data_, ".norvik-sync-contacts", folder_, vdir.path());
        engine.attach(list.lines());
        return engine.run(list, format, today);
    };
    const SyncResult first = syncContacts();
    ASSERT_FALSE(first.failure);
    EXPECT_EQ(first.summary.sent + first.summary.received, 0U);
    EXPECT_EQ(items(), (std::map<std::string, std::string>{{"c1.vcf", card}}));
    const auto before = stamps();
    ASSERT_FALSE(syncContacts().failure);
    EXPECT_EQ(stamps(), before);

    ListFile list(data_, "telephone.txt");
    SyncEngine engine(data_, ".norvik-sync-contacts", folder_, vdir.path());
    engine.attach(list.lines());
    list.edit().replace(0, cp1251::literal("Anna Example >>> Springfield, моб. тел.: +7 900 1"));
    engine.changed({LineChange::Kind::Replaced, 0, {}}, list.lines());
    ASSERT_FALSE(engine.run(list, format, today).failure);
    EXPECT_EQ(vdir.read("c1.vcf"),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:c1\r\nFN:Anna Example\r\n"
              "TEL;TYPE=CELL:+7 900 1\r\nEMAIL:anna@example.org\r\nEND:VCARD\r\n");
}

} // namespace
} // namespace norvik::sync
