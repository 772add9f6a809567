#include "kit/TextBuffer.h"
#include "kit/EditHistory.h"

#include <gtest/gtest.h>

#include <random>

namespace norvik {
namespace {

// The lines a plain string has, found the slow and obvious way: a line
// starts after each CR LF and every `longest` bytes of a line's text.
std::vector<std::size_t> lineStartsOf(const Text& text, std::size_t longest) {
    std::vector<std::size_t> starts{0};
    std::size_t run = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r') {
            starts.push_back(at + 2);
            run = 0;
            ++at;
        } else if (++run == longest && at + 1 < text.size() && text[at + 1] != '\r') {
            starts.push_back(at + 1);
            run = 0;
        }
    }
    return starts;
}

void expectSame(const TextBuffer& buffer, const Text& model, std::size_t longest = 1 << 14) {
    ASSERT_EQ(buffer.text(), model);
    const auto starts = lineStartsOf(model, longest);
    ASSERT_EQ(buffer.lineCount(), starts.size());
    for (std::size_t line = 0; line < starts.size(); ++line) {
        ASSERT_EQ(buffer.lineStart(line), starts[line]);
        ASSERT_EQ(buffer.lineOf(starts[line]), line);
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

TEST(TextBufferTest, EditsAnywhereMatchAPlainString) {
    // Random edits move the gap back and forth, grow it, cross line breaks,
    // and make lines long enough to be cut and short enough to join again.
    std::mt19937 random(7);
    const Text pieces[] = {"", "a", "\xE0\xFF", "\r\n", "word ", "x\r\ny\r\n\r\n", Text(5000, 'z')};
    constexpr std::size_t longest = 700;
    TextBuffer buffer(longest);
    Text model;
    buffer.assign(model);
    for (int step = 0; step < 2000; ++step) {
        const std::size_t from = buffer.snap(random() % (model.size() + 1));
        const std::size_t end = buffer.snap(from + random() % 12);
        const Text& piece = pieces[random() % std::size(pieces)];
        buffer.replace(from, end - from, piece);
        model.replace(from, end - from, piece);
        if (step % 97 == 0) {
            expectSame(buffer, model, longest);
            const std::size_t at = random() % (model.size() + 1);
            EXPECT_EQ(buffer.slice(at, 40), model.substr(at, 40));
        }
    }
    expectSame(buffer, model, longest);
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

} // namespace
} // namespace norvik
