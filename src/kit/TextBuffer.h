// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace norvik {

// A long multi-line text as an editor holds it: the bytes in one buffer with
// a gap where the last edit was, so typing moves only the bytes between two
// edits, and the start of every line, so a line is found without a scan.
// Line breaks are CR LF only: text put in has each lone CR or LF made one
// CR LF, and no position ever falls between the two.
// A line is the text between two breaks, except that a longer one than
// `longestLine` bytes is cut into pieces: no one line then costs much to lay
// out, even in a text that has no breaks at all. A cut goes after the last
// blank within `blankReach` bytes before the longest length, so that the next
// piece starts with a word; only where there is no blank that near, at the
// longest length itself. An edit cuts again only the pieces it touches, so
// the pieces before it, and the rows an editor lays them out in, stay as
// they were. The one piece after an edit that may join the edited ones is
// the one whose separating break or blank the edit took away.
class TextBuffer {
public:
    explicit TextBuffer(std::size_t longestLine = 1 << 14, std::size_t blankReach = 1 << 10)
        : longestLine_(longestLine), blankReach_(blankReach) {}

    // The lines the last replace took out and the ones it put in their place,
    // numbered as before it; the lines after them moved by the difference.
    struct LineChange {
        std::size_t first = 0;
        std::size_t removed = 0;
        std::size_t added = 0;
    };

    // Takes the bytes over; text already in CR LF is neither copied nor moved.
    void assign(Text text);
    std::size_t size() const { return buffer_.size() - gapLength_; }
    bool empty() const { return size() == 0; }
    // The whole text in one string of its final size.
    Text text() const;
    // The whole text as one run of bytes, without a copy; it stays valid
    // until the next change.
    std::string_view view();
    // At most `length` bytes from `from`, appended to `out`.
    void appendTo(Text& out, std::size_t from, std::size_t length) const;
    Text slice(std::size_t from, std::size_t length) const;
    char at(std::size_t position) const {
        return buffer_[position < gapStart_ ? position : position + gapLength_];
    }
    bool endsWith(std::string_view tail) const;

    // Lines are numbered from 0; there is always at least one.
    std::size_t lineCount() const { return lineStarts_.size(); }
    std::size_t lineStart(std::size_t line) const { return lineStarts_[line]; }
    // Where the line's text ends, before its CR LF if it has one.
    std::size_t lineEnd(std::size_t line) const;
    // Whether the line ends with a CR LF (not at a cut or the end).
    bool endsWithBreak(std::size_t line) const;
    std::size_t lineOf(std::size_t position) const;
    Text lineText(std::size_t line) const;

    // The position itself, or the one before the CR when it falls inside a
    // CR LF; never past the end.
    std::size_t snap(std::size_t position) const;
    // Replaces `length` bytes from `from` (both snapped) by `text` with its
    // line breaks made CR LF; returns how many bytes went in. Text already in
    // CR LF moves in without another copy.
    std::size_t replace(std::size_t from, std::size_t length, Text text);
    const LineChange& lastLineChange() const { return lastLineChange_; }

    static bool isBlank(char byte) { return byte == ' ' || byte == '\t'; }

private:
    void moveGap(std::size_t position);
    void makeRoom(std::size_t bytes);
    // Whether a line start follows a CR LF rather than a cut.
    bool startsAfterBreak(std::size_t start) const { return start == 0 || at(start - 1) == '\n'; }
    // Whether the line start is a cut (not the text's start, not after a break).
    bool isCut(std::size_t start) const { return !startsAfterBreak(start); }
    // The starts of the lines in `bytes`, which begin at `offset` with a line
    // or a piece of one, after that first one.
    void collectLineStarts(std::string_view bytes, std::size_t offset,
                           std::vector<std::size_t>& starts) const;

    std::size_t longestLine_;
    std::size_t blankReach_;
    LineChange lastLineChange_;
    Text buffer_;
    std::size_t gapStart_ = 0;
    std::size_t gapLength_ = 0;
    std::vector<std::size_t> lineStarts_{0};
};

} // namespace norvik
