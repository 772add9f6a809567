// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryFileSystem.h"
#include "ScriptedPlatform.h"
#include "frontends/headless/DenyingFileSystem.h"
#include "frontends/headless/InputLine.h"
#include "frontends/headless/ProtocolError.h"
#include "frontends/headless/SimulatedTime.h"
#include "kit/Failure.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

using namespace headless;

TEST(HeadlessClockTest, ClockLinesMustNameARealMoment) {
    EXPECT_EQ(parseClock("07.12.2026", "09:29:58.250"), (DateTime{2026, 12, 7, 9, 29, 58, 250}));
    EXPECT_FALSE(parseClock("29.02.2026", "00:00:00"));
    EXPECT_FALSE(parseClock("07.12.2026", "24:00:00"));
    EXPECT_FALSE(parseClock("7.12.2026", "09:29:58"));
    EXPECT_FALSE(parseClock("07.12.2026", "09:29:58.25"));
    EXPECT_EQ(dateText(DateTime{987, 1, 2}), "02.01.0987");
}

class HeadlessTimerTest : public ::testing::Test {
protected:
    std::vector<std::string> waitAndRecord(std::int64_t millis) {
        std::vector<std::string> fired;
        time.wait(millis, [&](Timer& t) {
            const DateTime now = time.now();
            fired.push_back(t.name() + "@" + std::to_string(now.second) + "." +
                            std::to_string(now.millisecond));
        });
        return fired;
    }

    test::ScriptedPlatform platform;
    Form form{platform, "TForm1"};
    Timer& one = form.addComponent<Timer>("One");
    Timer& two = form.addComponent<Timer>("Two");
    SimulatedTime time{DateTime{2026, 12, 7, 9, 29, 0, 0}};
};

TEST_F(HeadlessTimerTest, TimersFireAfterEachIntervalOfWaitingInTheirOrder) {
    two.interval = 400;
    time.timerChanged(one);
    time.timerChanged(two);
    EXPECT_EQ(waitAndRecord(1200),
              (std::vector<std::string>{"Two@0.400", "Two@0.800", "One@1.0", "Two@1.200"}));
    EXPECT_EQ(time.now().millisecond, 200);
}

TEST_F(HeadlessTimerTest, ASwitchedOffTimerNeverFiresAndSettingTheClockDoesNotCount) {
    time.timerChanged(one);
    EXPECT_TRUE(waitAndRecord(999).empty());
    time.setClock(DateTime{2026, 12, 7, 10, 0, 0, 0});
    EXPECT_EQ(waitAndRecord(1), (std::vector<std::string>{"One@0.1"}));
    one.enabled = false;
    time.timerChanged(one);
    EXPECT_FALSE(time.running(one));
    EXPECT_TRUE(waitAndRecord(5000).empty());
}

TEST(HeadlessInputLineTest, WordsAndTextsAreSeparatedByOneBlank) {
    const auto words = splitLine(R"(type "Language Modules/x" "a \"b\"\\\r\n\x7F" end)");
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(words[0].value, "type");
    EXPECT_FALSE(words[0].quoted);
    EXPECT_EQ(words[1].spelled, "\"Language Modules/x\"");
    EXPECT_EQ(words[1].value, "Language Modules/x");
    EXPECT_EQ(words[2].value, "a \"b\"\\\r\n\x7F");
    EXPECT_EQ(words[3].value, "end");
    EXPECT_EQ(bytesOf(splitLine("Привет")[0]), "\xCF\xF0\xE8\xE2\xE5\xF2");

    for (const char* bad :
         {"show  Edit1", "show Edit1 ", " show", "type Edit1 \"open", "type Edit1 \"\\q\"",
          "type Edit1 \"a\"b", "type Edit1 \"\xE2\x82\xB9\"",
          // the private code point that stands in for byte 0x98 is no
          // character of the code page
          "type Edit1 \"\xEF\xA2\x98\""}) {
        EXPECT_THROW(splitLine(bad), ProtocolError) << bad;
    }
    EXPECT_THROW(bytesOf(splitLine("file \xEF\xA2\x98")[1]), ProtocolError);
    // \x names any byte, its hex digits in either case.
    EXPECT_EQ(splitLine("type Edit1 \"\\x4a\\xE9\"")[2].value, "J\xE9");
    EXPECT_EQ(splitLine(R"(type Edit1 "\x98\xE9\x00\xFF")")[2].value,
              std::string("\x98\xE9\0\xFF", 4));
}

TEST(HeadlessInputLineTest, WaitTakesDecimalSecondsAsMilliseconds) {
    EXPECT_EQ(parseSeconds("0.5"), 500);
    EXPECT_EQ(parseSeconds("2"), 2000);
    EXPECT_EQ(parseSeconds("1.0005"), 1001);
    EXPECT_EQ(parseSeconds("0.0004"), 0);
    EXPECT_EQ(parseSeconds(".5"), 500);
    EXPECT_EQ(parseSeconds("1."), 1000);
    for (const char* bad : {"", ".", "-1", "1,5", "1e3", "abc", "1.2.3"}) {
        EXPECT_THROW(parseSeconds(bad), ProtocolError) << bad;
    }
    EXPECT_EQ(parseIndex("42", "x"), 42);
    EXPECT_THROW(parseIndex("-1", "x"), ProtocolError);
}

TEST(HeadlessDenyingFileSystemTest, ADeniedNameRefusesCreatingAndWritingIgnoringCase) {
    test::MemoryFileSystem disk;
    disk.files["do.txt"] = "old";
    DenyingFileSystem files(disk);
    files.deny("DO.TXT");
    EXPECT_FALSE(files.createEmpty("Do.txt"));
    try {
        files.replace("do.txt", "new");
        FAIL() << "the write went through";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "Cannot create file do.txt");
    }
    EXPECT_EQ(files.read("do.txt").bytes, "old"); // reading is not affected
    files.replace("quotes.txt", "notes");         // other names are
    files.allow("do.TXT");
    files.replace("do.txt", "new");
    EXPECT_EQ(disk.files["do.txt"], "new");
    EXPECT_EQ(disk.files["quotes.txt"], "notes");
}

} // namespace
} // namespace norvik
