// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/LineList.h"

#include "store/LargePages.h"

#include <algorithm>

namespace norvik {

void LineSplitter::sizeKnown(std::size_t size) {
    // About as many as event lines take; a list of more grows as usual.
    places_.reserve(size / 48 + 1);
    preferLargePages(places_.data(), places_.capacity() * sizeof(Lines::Place));
}

namespace {

// Finds the lines that end in `bytes` after `at`, the first of them starting
// at `lineStart`: calls `ended(start, end)` for each and gives back where the
// line that no break ends yet starts. `afterCr` says whether the byte before
// `at` was a CR that ended a line, whose LF belongs to it; on return, whether
// the last byte is one.
template <class Ended>
std::size_t endLines(std::string_view bytes, std::size_t at, std::size_t lineStart, bool& afterCr,
                     Ended ended) {
    if (afterCr && at < bytes.size()) {
        afterCr = false;
        if (bytes[at] == '\n') {
            lineStart = ++at;
        }
    }
    BreakFinder breaks(bytes);
    while (true) {
        const std::size_t end = breaks.next(at);
        if (end == bytes.size()) {
            return lineStart;
        }
        ended(lineStart, end);
        at = end + 1;
        // One CR, then one LF: CR CR LF therefore ends this line and an empty one.
        if (bytes[end] == '\r') {
            if (at == bytes.size()) {
                afterCr = true;
            } else if (bytes[at] == '\n') {
                ++at;
            }
        }
        lineStart = at;
    }
}

} // namespace

void LineSplitter::arrived(std::string_view bytes) {
    const std::size_t at = scanned_;
    scanned_ = bytes.size();
    lineStart_ =
        endLines(bytes, at, lineStart_, afterCr_, [this](std::size_t start, std::size_t end) {
            // The buffer holds less than 4 GiB: a file is read up to 2 GiB.
            places_.push_back(
                {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end - start)});
        });
}

void LineScanner::arrived(std::string_view run) {
    const std::size_t rest =
        endLines(run, 0, 0, afterCr_, [this, run](std::size_t start, std::size_t end) {
            if (unfinished_.empty()) {
                line_(run.substr(start, end - start));
                return;
            }
            unfinished_.append(run.substr(start, end - start));
            line_(unfinished_);
            unfinished_.clear();
        });
    unfinished_.append(run.substr(rest));
}

void LineScanner::finish() {
    if (!unfinished_.empty()) {
        line_(unfinished_);
        unfinished_.clear();
    }
}

Lines LineSplitter::finish(ByteBuffer bytes) {
    // The last line when no break ends it; a final break adds no empty line.
    if (lineStart_ < bytes.size()) {
        places_.push_back({static_cast<std::uint32_t>(lineStart_),
                           static_cast<std::uint32_t>(bytes.size() - lineStart_)});
    }
    // The lines stay where they are: the file's bytes become the list's buffer.
    return Lines(std::move(bytes), std::move(places_));
}

void CrLfCheck::arrived(std::string_view bytes) {
    if (!loneBreak_ && !breaksPairUp(bytes.substr(checked_), afterCr_)) {
        loneBreak_ = true;
    }
    checked_ = bytes.size();
}

Lines splitLines(ByteBuffer bytes) {
    LineSplitter splitter;
    splitter.sizeKnown(bytes.size());
    splitter.arrived(bytes.view());
    return splitter.finish(std::move(bytes));
}

Lines splitLines(std::string_view bytes) {
    return splitLines(ByteBuffer(bytes));
}

std::string joinLines(const Lines& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + 2;
    }
    std::string bytes;
    bytes.resize(size);
    char* out = bytes.data();
    for (const auto& line : lines) {
        out = std::copy(line.begin(), line.end(), out);
        *out++ = '\r';
        *out++ = '\n';
    }
    return bytes;
}

std::vector<std::string_view> linePieces(const Lines& lines) {
    static constexpr std::string_view lineBreak = "\r\n";
    std::vector<std::string_view> pieces;
    for (std::size_t first = 0; first < lines.size();) {
        std::size_t last = first;
        while (last + 1 < lines.size() && lines.followsOn(last + 1)) {
            ++last;
        }
        pieces.push_back(lines.span(first, last));
        pieces.push_back(lineBreak);
        first = last + 1;
    }
    return pieces;
}

} // namespace norvik
