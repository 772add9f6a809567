// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/LineList.h"

#include <gtest/gtest.h>

#include <random>

namespace norvik {
namespace {

using namespace std::string_literals;

TEST(LineListTest, EachKindOfBreakEndsALine) {
    EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("\r\n\r\n"), (Lines{"", ""}));
    // LF CR is two breaks: the CR is not part of the first.
    EXPECT_EQ(splitLines("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST(LineListTest, CrCrLfGivesTheLineAndAnEmptyLine) {
    EXPECT_EQ(splitLines("[config]\r\r\nLangID=0"), (Lines{"[config]", "", "LangID=0"}));
}

TEST(LineListTest, AFinalBreakAddsNoLineAndAnEmptyFileHasNone) {
    EXPECT_EQ(splitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(splitLines("a"), Lines{"a"});
    EXPECT_EQ(splitLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(splitLines("\n"), Lines{""});
}

TEST(LineListTest, NulBytesStayInTheirLine) {
    EXPECT_EQ(splitLines("a\0b\r\nc\0"s), (Lines{"a\0b"s, "c\0"s}));
    EXPECT_EQ(joinLines(splitLines("x\0y\r\n"s)), "x\0y\r\n"s);
}

TEST(LineListTest, SavingEndsEveryLineWithCrLf) {
    EXPECT_EQ(joinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(joinLines({}), "");
    EXPECT_EQ(joinLines({""}), "\r\n");
    const std::string file = "one\r\n\r\nthree\r\n";
    EXPECT_EQ(joinLines(splitLines(file)), file);
}

TEST(LineListTest, NotesTurnLoneBreaksIntoCrLf) {
    EXPECT_EQ(normalizeLineBreaks("x\ny"), "x\r\ny");
    EXPECT_EQ(normalizeLineBreaks("x\ry\r\n"), "x\r\ny\r\n");
    EXPECT_EQ(normalizeLineBreaks("\r\r\n"), "\r\n\r\n");
    EXPECT_EQ(normalizeLineBreaks("\n\r"), "\r\n\r\n");
    EXPECT_EQ(normalizeLineBreaks("a\0b"s), "a\0b"s);
    EXPECT_EQ(normalizeLineBreaks(""), "");
}

// A run of CR LF lines, then long runs of one kind of break between the
// other kind: the splitter keeps where it last saw each and must not reuse one
// it has already passed, and the notes are copied only from the first lone break.
TEST(LineListTest, MixedBreaksOverLongTextsSplitAndNormaliseAlike) {
    Lines lines;
    std::string file;
    std::string notes;
    const std::string breaks[] = {"\r\n", "\n", "\r"};
    for (int i = 0; i < 300; ++i) {
        const std::string line =
            i % 7 == 0 ? "" : std::string(static_cast<std::size_t>(i % 40), 'a' + i % 26);
        lines.push_back(line);
        // An empty line after a lone CR must end with CR LF, or its LF would
        // belong to that CR.
        const std::string& lineBreak =
            i < 100 || line.empty() ? breaks[0] : breaks[(i / 50 + i % 3 / 2) % 3];
        file += line + lineBreak;
        notes += line + "\r\n";
    }
    EXPECT_EQ(splitLines(file), lines);
    EXPECT_EQ(normalizeLineBreaks(file), notes);
    EXPECT_EQ(joinLines(splitLines(file)), notes);
}

// The finder marks 64 bytes at a time: breaks at either side of a block's
// edge, a text ending inside a block, steps that skip ahead and bytes that
// differ from CR or LF only in the top bit must all give what a plain scan
// gives, whatever the mix of CR, LF and CR LF.
TEST(LineListTest, BreakFinderFindsWhatAPlainScanFinds) {
    std::mt19937 random(28);
    const char others[] = {'a', ' ', '\0', '\x8d', '\x8a'};
    for (int round = 0; round < 400; ++round) {
        std::string text(random() % 300, 'a');
        const auto breakShare = 1 + random() % 40; // in hundredths
        for (char& byte : text) {
            byte = random() % 100 < breakShare ? "\r\n"[random() % 2]
                                               : others[random() % std::size(others)];
        }
        BreakFinder finder(text);
        std::size_t from = 0;
        while (from <= text.size()) {
            const std::size_t expected = std::min(text.find_first_of("\r\n", from), text.size());
            ASSERT_EQ(finder.next(from), expected) << "round " << round << ", from " << from;
            // On from the break, as the splitter goes, or now and then further.
            from = random() % 8 == 0 ? from + random() % 130 : expected + 1 + random() % 2;
        }
    }
}

// A read hands the bytes over a run at a time: a CR at the end of one run
// and an LF at the start of the next are still one break, for the lists (kept
// or only looked through) as for the notes' check that they need no change.
TEST(LineListTest, BreaksSeenAsTheyArriveAsInOnePiece) {
    std::mt19937 random(2028);
    for (int round = 0; round < 400; ++round) {
        // Every other text has a lone CR or LF here and there.
        const auto lone = round % 2 == 0 ? 0U : 1 + random() % 5;
        std::string text;
        for (std::size_t tokens = random() % 200; tokens > 0; --tokens) {
            const auto pick = random() % 100;
            text += pick < lone ? std::string(1, "\r\n"[random() % 2]) : pick < 30 ? "\r\n" : "a";
        }
        LineSplitter splitter;
        CrLfCheck check;
        Lines scanned;
        LineScanner scanner([&](std::string_view line) { scanned.push_back(line); });
        splitter.sizeKnown(text.size());
        for (std::size_t arrived = 0; arrived < text.size();) {
            const std::size_t before = arrived;
            arrived = std::min(text.size(), arrived + 1 + random() % 70);
            splitter.arrived(std::string_view(text).substr(0, arrived));
            check.arrived(std::string_view(text).substr(0, arrived));
            // The scanner is given only the new bytes, from a buffer used again.
            std::string run(text, before, arrived - before);
            scanner.arrived(run);
            run.assign(run.size(), 'x');
        }
        scanner.finish();
        EXPECT_EQ(splitter.finish(ByteBuffer(text)), splitLines(text)) << "round " << round;
        EXPECT_EQ(scanned, splitLines(text)) << "round " << round;
        bool paired = text.empty() || text.back() != '\r';
        for (std::size_t i = 0; i < text.size(); ++i) {
            paired = paired && (text[i] == '\n') == (i > 0 && text[i - 1] == '\r');
        }
        EXPECT_EQ(check.crLfOnly(text.size()), paired) << "round " << round;
    }
}

TEST(LineListTest, SavedPiecesGiveTheJoinedBytesWhateverTheListWentThrough) {
    const auto joined = [](const Lines& lines) {
        std::string bytes;
        for (const std::string_view piece : linePieces(lines)) {
            bytes += piece;
        }
        return bytes;
    };
    Lines lines = splitLines("one\r\ntwo\r\nthree\nfour\r\n\r\nsix");
    EXPECT_EQ(joined(lines), joinLines(lines));
    // A file in CR LF is one run and its final break.
    EXPECT_EQ(linePieces(splitLines("a\r\nb\r\n")).size(), 2U);
    lines.replace(1, "TWO");
    lines.erase(3);
    lines.push_back("seven");
    lines.push_back("");
    EXPECT_EQ(joined(lines), joinLines(lines));
    // Enough edits to make the list pack its buffer.
    for (int i = 0; i < 3000; ++i) {
        lines.replace(static_cast<std::size_t>(i) % lines.size(), std::to_string(i));
    }
    EXPECT_EQ(joined(lines), joinLines(lines));
    EXPECT_TRUE(linePieces(Lines{}).empty());
}

} // namespace
} // namespace norvik
