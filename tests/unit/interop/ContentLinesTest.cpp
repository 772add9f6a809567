// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/ContentLines.h"
#include "interop/ControlCharacters.h"
#include "interop/WallClock.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace norvik {
namespace {

std::vector<std::pair<std::string, std::size_t>> contentLines(std::string_view bytes) {
    ContentLineReader reader(bytes);
    std::vector<std::pair<std::string, std::size_t>> lines;
    ContentLine line;
    while (reader.next(line)) {
        lines.emplace_back(line.text, line.lineNumber);
    }
    return lines;
}

TEST(ContentLinesTest, LinesAreReadAsProgramsEndAndFoldThem) {
    using Found = std::vector<std::pair<std::string, std::size_t>>;
    // A byte-order mark, CR LF, CR CR LF (phones), a lone LF, folds with a
    // blank and a tab, empty lines, no break at the end.
    EXPECT_EQ(contentLines("\xEF\xBB\xBF"
                           "BEGIN:VCARD\r\nFN:Ann\r\r\n"
                           " a Lee\n"
                           "\r\n"
                           "\tx\r\nNOTE:a\r\n\r\nEND:VCARD"),
              (Found{{"BEGIN:VCARD", 1}, {"FN:Anna Leex", 2}, {"NOTE:a", 6}, {"END:VCARD", 8}}));
    EXPECT_EQ(contentLines(""), Found{});
    EXPECT_EQ(contentLines("\r\n\r\r\n"), Found{});
    // A CR inside a line stays in it.
    EXPECT_EQ(contentLines("A:x\ry\r\n"), (Found{{"A:x\ry", 1}}));
}

TEST(ContentLinesTest, NamesAreReadInAnyCaseWithGroupsAndBlanks) {
    ContentFields fields;
    ASSERT_TRUE(splitContentLine("home.begin:vcard", fields));
    EXPECT_EQ(fields.name, "BEGIN");
    EXPECT_EQ(componentName(fields.value), "VCARD");
    EXPECT_EQ(componentName("  vEvent \t"), "VEVENT");

    ASSERT_TRUE(splitContentLine("item1.Tel ;type=\"voice,cell\";Pref :tel:+1 555", fields));
    EXPECT_EQ(fields.name, "TEL");
    EXPECT_EQ(fields.params, (std::vector<std::pair<std::string, std::string>>{
                                 {"TYPE", "voice,cell"}, {"TYPE", "PREF"}}));
    EXPECT_EQ(fields.value, "tel:+1 555");

    ASSERT_TRUE(splitContentLine("DTSTART;TZID=Europe/Berlin;VALUE = DATE-TIME:x:y", fields));
    EXPECT_EQ(fields.params, (std::vector<std::pair<std::string, std::string>>{
                                 {"TZID", "Europe/Berlin"}, {"VALUE", " DATE-TIME"}}));
    EXPECT_EQ(fields.value, "x:y");

    for (const char* broken : {"", ":x", "NAME", "NAME x:y", "A;B=\"open:x", "A;B=x"}) {
        EXPECT_FALSE(splitContentLine(broken, fields)) << broken;
    }
}

TEST(ContentLinesTest, NoControlCharacterReachesALineOrATerminal) {
    std::size_t replaced = 0;
    // Line breaks become blanks, NUL, ESC, BEL and the C1 controls go, the
    // tab stays; a character code page 1251 lacks is counted.
    const std::string planted("a\r\nb\tc\0d\x1b]0;t\x07 \xC2\x9B"
                              "31m\x7F\xE2\x9C\x93",
                              24);
    EXPECT_EQ(oneStorableLine(planted, replaced), "a b\tcd]0;t 31m?");
    EXPECT_EQ(replaced, 1u);
    EXPECT_EQ(withoutControls(std::string("x\x1b[2J\ty\0", 7)), "x[2J\ty");
    EXPECT_EQ(controlsShown(std::string("x\x1b[2J\ty\0\x7F", 9)), "x\\x1B[2J\ty\\x00\\x7F");
}

// A zone one hour east of UTC that moves to two at instant 1000000.
std::int64_t offsetAt(std::int64_t instant) {
    return instant < 1000000 ? 3600 : 7200;
}

TEST(ContentLinesTest, ATimeInAGapMovesForwardByTheGap) {
    // The wall clock skips from 1003600 to 1007200.
    for (const std::int64_t guess : {3600, 7200}) {
        EXPECT_EQ(instantOfWallTime(1005400, guess, offsetAt), 1005400 - 3600) << guess;
        EXPECT_EQ(instantOfWallTime(1003600, guess, offsetAt), 1000000) << guess;
        EXPECT_EQ(instantOfWallTime(1007200, guess, offsetAt), 1000000) << guess;
        EXPECT_EQ(instantOfWallTime(900000, guess, offsetAt), 900000 - 3600) << guess;
        EXPECT_EQ(instantOfWallTime(1100000, guess, offsetAt), 1100000 - 7200) << guess;
    }
    // The system's clock, in a zone with summer time.
    const std::string zone = std::getenv("TZ") != nullptr ? std::getenv("TZ") : "";
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    EXPECT_EQ(existingSystemTime(DateTime{2026, 3, 29, 2, 30, 0, 0}),
              (DateTime{2026, 3, 29, 3, 30, 0, 0}));
    EXPECT_EQ(existingSystemTime(DateTime{2026, 3, 29, 1, 59, 59, 0}),
              (DateTime{2026, 3, 29, 1, 59, 59, 0}));
    EXPECT_EQ(existingSystemTime(DateTime{2026, 10, 25, 2, 30, 0, 0}),
              (DateTime{2026, 10, 25, 2, 30, 0, 0}));
    setenv("TZ", zone.c_str(), 1);
    tzset();
}

} // namespace
} // namespace norvik
