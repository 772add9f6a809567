// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/TextBuffer.h"
#include "kit/EditHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace norvik {
namespace {

// The lines a whole text is taken in with, found the slow and obvious way: a
// line starts after each CR LF, and a line's text longer than `longest` is
// cut after the last blank at most `reach` bytes before the longest length,
// or at that length when there is none.
std::vector<std::size_t> lineStartsOf(const Text& text, std::size_t longest, std::size_t reach) {
    std::vector<std::size_t> starts{0};
    std::size_t start = 0;
    while (true) {
        const std::size_t cr = text.find('\r', start);
        const std::size_t textEnd = cr == Text::npos ? text.size() : cr;
        while (textEnd - start > longest) {
            const std::size_t mark = start + longest;
            const std::size_t blank = text.find_last_of(" \t", mark - 1);
            start =
                blank != Text::npos && blank >= start && blank + reach >= mark ? blank + 1 : mark;
            starts.push_back(start);
        }
        if (cr == Text::npos) {
            return starts;
        }
        start = cr + 2;
        starts.push_back(start);
    }
}

std::vector<std::size_t> lineStarts(const TextBuffer& buffer) {
    std::vector<std::size_t> starts;
    for (std::size_t line = 0; line < buffer.lineCount(); ++line) {
        starts.push_back(buffer.lineStart(line));
    }
    return starts;
}

void expectSame(const TextBuffer& buffer, const Text& model, std::size_t longest = 1 << 14,
                std::size_t reach = 1 << 10) {
    ASSERT_EQ(buffer.text(), model);
    const auto starts = lineStartsOf(model, longest, reach);
    ASSERT_EQ(lineStarts(buffer), starts);
    for (std::size_t line = 0; line < starts.size(); ++line) {
        ASSERT_EQ(buffer.lineOf(starts[line]), line);
    }
}

// What every edit leaves: the text, and lines that are pieces of the text's
// lines, none longer than the longest, each cut inside a line's text.
void expectWellCut(const TextBuffer& buffer, const Text& model, std::size_t longest) {
    ASSERT_EQ(buffer.text(), model);
    for (std::size_t line = 0; line < buffer.lineCount(); ++line) {
        const std::size_t start = buffer.lineStart(line);
        const std::size_t end = buffer.lineEnd(line);
        ASSERT_LE(end - start, longest);
        ASSERT_EQ(buffer.lineOf(start), line);
        if (line + 1 < buffer.lineCount() && !buffer.endsWithBreak(line)) {
            ASSERT_LT(start, end);
            ASSERT_NE(model[end], '\r');
            ASSERT_NE(model[end - 1], '\n');
        }
    }
}

TEST(TextBufferTest, BreaksBecomeCrLfAndNoPositionSplitsOne) {
    TextBuffer buffer;
    buffer.assign("a\nb\rc\r\n");
    expectSame(buffer, "a\r\nb\r\nc\r\n");
    EXPECT_EQ(buffer.lineEnd(0), 1U);
    EXPECT_EQ(buffer.lineText(1), "b");
    EXPECT_EQ(buffer.lineText(3), "");
    // Between CR and LF is before the CR; past the end is the end.
    EXPECT_EQ(buffer.snap(2), 1U);
    EXPECT_EQ(buffer.snap(99), buffer.size());
    // A break typed before a LF, or an edit ending inside CR LF, keeps the pair whole.
    EXPECT_EQ(buffer.replace(2, 0, "\n"), 2U);
    expectSame(buffer, "a\r\n\r\nb\r\nc\r\n");
    buffer.replace(0, 2, "x\r");
    expectSame(buffer, "x\r\n\r\n\r\nb\r\nc\r\n");
    EXPECT_TRUE(buffer.endsWith("c\r\n"));
    EXPECT_FALSE(buffer.endsWith("b\r\n"));
}

TEST(TextBufferTest, LongLinesAreCutAfterTheLastBlankNearTheLongestLength) {
    constexpr std::size_t longest = 10;
    constexpr std::size_t reach = 4;
    TextBuffer buffer(longest, reach);
    // After the blank just before the mark; at the mark where the only blank
    // is out of reach, or there is none; never a cut at a line's end.
    buffer.assign("aaaa bbbb cccc dddd\r\nab cdefghijklmnopqrstuvwxyz\r\n0123456789");
    EXPECT_EQ(lineStarts(buffer), (std::vector<std::size_t>{0, 10, 21, 31, 41, 50}));
    EXPECT_EQ(buffer.lineText(1), "cccc dddd");
    EXPECT_FALSE(buffer.endsWithBreak(0));
    EXPECT_TRUE(buffer.endsWithBreak(1));

    // Taken in whole, any text is cut as the rule says, blanks or not.
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        Text text;
        const std::size_t length = random() % 120;
        for (std::size_t i = 0; i < length; ++i) {
            const auto pick = random() % 20;
            text += pick == 0 ? "\r\n" : pick < 4 ? " " : pick == 4 ? "\t" : "w";
        }
        buffer.assign(text);
        expectSame(buffer, text, longest, reach);
    }
}

TEST(TextBufferTest, AnEditCutsAgainOnlyTheLinesItTouches) {
    constexpr std::size_t longest = 10;
    constexpr std::size_t reach = 5;
    TextBuffer buffer(longest, reach);
    Text model = "one two three four five six seven eight";
    buffer.assign(model);
    ASSERT_EQ(lineStarts(buffer), (std::vector<std::size_t>{0, 8, 14, 24, 34}));
    const auto edit = [&](std::size_t from, std::size_t length, const Text& text) {
        buffer.replace(from, length, text);
        model.replace(from, length, text);
        expectWellCut(buffer, model, longest);
    };
    // Typing in the first piece cuts it again; the later ones only move,
    // where cutting the whole line again would have moved their rows.
    edit(3, 0, " big");
    EXPECT_EQ(lineStarts(buffer), (std::vector<std::size_t>{0, 8, 12, 18, 28, 38}));
    EXPECT_EQ(buffer.lineText(1), "two ");
    EXPECT_NE(lineStarts(buffer), lineStartsOf(model, longest, reach));

    // Taking away the blank that ends a piece joins the next one to it, so
    // that no row starts inside a word.
    edit(11, 1, "");
    EXPECT_EQ(buffer.lineText(1), "twothree ");
    EXPECT_EQ(buffer.lineStart(2), 17U);

    // A break typed where a piece starts leaves the piece before it whole;
    // taking it away again joins the two lines into one run of pieces.
    edit(17, 0, "\r\n");
    EXPECT_TRUE(buffer.endsWithBreak(1));
    EXPECT_EQ(buffer.lineText(2), "four five ");
    edit(17, 2, "");
    EXPECT_EQ(buffer.lineText(1), "twothree ");
    EXPECT_FALSE(buffer.endsWithBreak(1));
    EXPECT_EQ(buffer.lineText(2), "four five ");

    // Emptying a piece leaves no empty line behind.
    const std::size_t lines = buffer.lineCount();
    edit(17, 10, "");
    EXPECT_EQ(buffer.lineCount(), lines - 1);
    EXPECT_EQ(buffer.lineText(2), "six seven ");
}

TEST(TextBufferTest, EditsAnywhereKeepTheTextAndWellCutLines) {
    // Random edits move the gap back and forth, grow it, cross line breaks,
    // and make lines long enough to be cut and short enough to join again.
    std::mt19937 random(7);
    const Text pieces[] = {
        "", "a", "\xE0\xFF", "\r\n", "word ", "x\r\ny\r\n\r\n", " ", Text(2000, 'z')};
    constexpr std::size_t longest = 700;
    TextBuffer buffer(longest, 50);
    Text model;
    buffer.assign(model);
    for (int step = 0; step < 2000; ++step) {
        const std::size_t from = buffer.snap(random() % (model.size() + 1));
        const std::size_t end = buffer.snap(from + random() % 12);
        const Text& piece = pieces[random() % std::size(pieces)];
        // The lines just before the edit stay as they were.
        const std::size_t first = buffer.lineOf(from);
        std::vector<std::size_t> before;
        for (std::size_t line = first - std::min<std::size_t>(first, 4); line < first; ++line) {
            before.push_back(buffer.lineStart(line));
        }
        buffer.replace(from, end - from, piece);
        model.replace(from, end - from, piece);
        for (std::size_t i = 0; i < before.size(); ++i) {
            ASSERT_EQ(buffer.lineStart(first - before.size() + i), before[i]);
        }
        if (step % 97 == 0) {
            expectWellCut(buffer, model, longest);
            const std::size_t at = random() % (model.size() + 1);
            EXPECT_EQ(buffer.slice(at, 40), model.substr(at, 40));
        }
    }
    expectWellCut(buffer, model, longest);
}

TEST(EditHistoryTest, TypingAndErasingAreOneStepEachAndUndoRestoresTheSelection) {
    TextBuffer buffer;
    buffer.assign("ab");
    EditHistory history;
    // Apply a change the way the editor does and remember it.
    const auto change = [&](std::size_t from, std::size_t length, const Text& text,
                            EditHistory::Kind kind) {
        TextChange made{.position = from,
                        .removed = buffer.slice(from, length),
                        .inserted = text,
                        .anchorBefore = from,
                        .caretBefore = from + length};
        buffer.replace(from, length, text);
        history.record(std::move(made), kind);
    };
    change(2, 0, "c", EditHistory::Kind::Typing);
    change(3, 0, "d", EditHistory::Kind::Typing);
    change(3, 1, "", EditHistory::Kind::Erasing); // Backspace
    change(2, 1, "", EditHistory::Kind::Erasing);
    change(0, 0, "X", EditHistory::Kind::Typing); // elsewhere: a step of its own
    EXPECT_EQ(buffer.text(), "Xab");

    const auto undo = [&] {
        const TextChange* step = history.undo();
        buffer.replace(step->position, step->inserted.size(), step->removed);
        return step;
    };
    undo();
    EXPECT_EQ(buffer.text(), "ab");
    const TextChange* erased = undo();
    EXPECT_EQ(buffer.text(), "abcd");
    EXPECT_EQ(erased->caretBefore, 4U);
    undo();
    EXPECT_EQ(buffer.text(), "ab");
    EXPECT_FALSE(history.canUndo());
    const TextChange* again = history.redo();
    EXPECT_EQ(again->inserted, "cd");
    // A new change drops what could still be redone.
    change(0, 0, "Y", EditHistory::Kind::Other);
    EXPECT_FALSE(history.canRedo());
}

TEST(EditHistoryTest, UndoingOrRedoingBackToTheSavedTextFindsItSaved) {
    EditHistory history;
    const auto type = [&history](std::size_t at, const Text& text) {
        history.record({.position = at, .removed = {}, .inserted = text},
                       EditHistory::Kind::Typing);
    };
    EXPECT_TRUE(history.atSaved());
    type(0, "a");
    EXPECT_FALSE(history.atSaved());
    history.markSaved();
    EXPECT_TRUE(history.atSaved());
    // Typing on after the save is a step of its own, not part of the saved one.
    type(1, "b");
    EXPECT_FALSE(history.atSaved());
    EXPECT_EQ(history.undo()->inserted, "b");
    EXPECT_TRUE(history.atSaved());
    history.undo();
    EXPECT_FALSE(history.atSaved());
    history.redo();
    EXPECT_TRUE(history.atSaved());
    // Once the saved step is undone and replaced, no step is the saved text.
    history.undo();
    type(0, "c");
    history.undo();
    EXPECT_FALSE(history.atSaved());
    history.redo();
    EXPECT_FALSE(history.atSaved());
    history.clear();
    EXPECT_TRUE(history.atSaved());
}

} // namespace
} // namespace norvik
