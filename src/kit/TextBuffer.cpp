// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/TextBuffer.h"

#include "kit/LineBreaks.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace norvik {

void TextBuffer::collectLineStarts(std::string_view bytes, std::size_t offset,
                                   std::vector<std::size_t>& starts) const {
    std::size_t start = 0;
    while (true) {
        const std::size_t lf = bytes.find('\n', start);
        // The text of this line ends before its CR, or at the end of the bytes.
        const std::size_t textEnd = lf == std::string_view::npos ? bytes.size() : lf - 1;
        while (textEnd - start > longestLine_) {
            const std::size_t mark = start + longestLine_;
            // The cut follows a blank no further back than the reach, and
            // leaves the piece before it something.
            const std::size_t lowest = std::max(start, mark - std::min(mark, blankReach_));
            std::size_t cut = mark;
            while (cut > lowest && !isBlank(bytes[cut - 1])) {
                --cut;
            }
            start = cut > lowest ? cut : mark;
            starts.push_back(offset + start);
        }
        if (lf == std::string_view::npos) {
            return;
        }
        start = lf + 1;
        starts.push_back(offset + start);
    }
}

void TextBuffer::assign(Text text) {
    buffer_ = normalizeLineBreaks(std::move(text));
    gapStart_ = buffer_.size();
    gapLength_ = 0;
    lineStarts_.assign(1, 0);
    // About one line in every 40 bytes, as diary text has: a long text then
    // fills the starts without moving them as they grow.
    lineStarts_.reserve(buffer_.size() / 40 + 1);
    collectLineStarts(buffer_, 0, lineStarts_);
    lastLineChange_ = {};
}

Text TextBuffer::text() const {
    Text out;
    out.reserve(size());
    appendTo(out, 0, size());
    return out;
}

std::string_view TextBuffer::view() {
    moveGap(size());
    return {buffer_.data(), size()};
}

void TextBuffer::appendTo(Text& out, std::size_t from, std::size_t length) const {
    from = std::min(from, size());
    const std::size_t end = from + std::min(length, size() - from);
    if (from < gapStart_) {
        out.append(buffer_, from, std::min(end, gapStart_) - from);
    }
    if (end > gapStart_) {
        const std::size_t start = std::max(from, gapStart_);
        out.append(buffer_, start + gapLength_, end - start);
    }
}

Text TextBuffer::slice(std::size_t from, std::size_t length) const {
    Text out;
    appendTo(out, from, length);
    return out;
}

bool TextBuffer::endsWith(std::string_view tail) const {
    if (tail.size() > size()) {
        return false;
    }
    const std::size_t start = size() - tail.size();
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (at(start + i) != tail[i]) {
            return false;
        }
    }
    return true;
}

std::size_t TextBuffer::lineEnd(std::size_t line) const {
    if (line + 1 == lineStarts_.size()) {
        return size();
    }
    const std::size_t next = lineStarts_[line + 1];
    return startsAfterBreak(next) ? next - 2 : next;
}

bool TextBuffer::endsWithBreak(std::size_t line) const {
    return line + 1 < lineStarts_.size() && startsAfterBreak(lineStarts_[line + 1]);
}

std::size_t TextBuffer::lineOf(std::size_t position) const {
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position);
    return static_cast<std::size_t>(after - lineStarts_.begin()) - 1;
}

Text TextBuffer::lineText(std::size_t line) const {
    return slice(lineStart(line), lineEnd(line) - lineStart(line));
}

std::size_t TextBuffer::snap(std::size_t position) const {
    position = std::min(position, size());
    if (position > 0 && position < size() && at(position) == '\n') {
        return position - 1;
    }
    return position;
}

void TextBuffer::moveGap(std::size_t position) {
    char* const data = buffer_.data();
    if (position < gapStart_) {
        std::memmove(data + position + gapLength_, data + position, gapStart_ - position);
    } else if (position > gapStart_) {
        std::memmove(data + gapStart_, data + gapStart_ + gapLength_, position - gapStart_);
    }
    gapStart_ = position;
}

void TextBuffer::makeRoom(std::size_t bytes) {
    if (bytes <= gapLength_) {
        return;
    }
    // The gap grows with the text, so a long text is moved seldom as it grows.
    const std::size_t grow = std::max({bytes - gapLength_, size() / 64, std::size_t{4096}});
    const std::size_t tail = buffer_.size() - gapStart_ - gapLength_;
    buffer_.resize(buffer_.size() + grow);
    char* const data = buffer_.data();
    std::memmove(data + buffer_.size() - tail, data + gapStart_ + gapLength_, tail);
    gapLength_ += grow;
}

std::size_t TextBuffer::replace(std::size_t from, std::size_t length, Text text) {
    from = snap(from);
    const std::size_t end = snap(std::max(from, std::min(from + length, size())));
    length = end - from;
    const Text inserted = normalizeLineBreaks(std::move(text));
    // The pieces the edit touches: from the one it starts in to the one that
    // holds the last byte it removes. Only they are cut again.
    auto first = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), from) - 1;
    auto after = std::upper_bound(first, lineStarts_.end(), end > from ? end - 1 : from);
    const bool endedAtBreak = after != lineStarts_.end() && startsAfterBreak(*after);
    const bool endedAtBlank =
        after != lineStarts_.end() && !endedAtBreak && isBlank(at(*after - 1));

    moveGap(from);
    gapLength_ += length;
    makeRoom(inserted.size());
    std::memcpy(buffer_.data() + gapStart_, inserted.data(), inserted.size());
    gapStart_ += inserted.size();
    gapLength_ -= inserted.size();

    const auto shift =
        static_cast<std::ptrdiff_t>(inserted.size()) - static_cast<std::ptrdiff_t>(length);
    for (auto line = after; line != lineStarts_.end(); ++line) {
        *line = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(*line) + shift);
    }
    const std::size_t regionStart = *first;
    std::size_t regionEnd = after == lineStarts_.end() ? size() : *after;
    // The piece after the edit joins it when the break or the blank that kept
    // the two apart is gone: the text there runs on without a row's end.
    if (after != lineStarts_.end() && regionEnd > 0 &&
        ((endedAtBreak && !startsAfterBreak(regionEnd)) ||
         (endedAtBlank && !isBlank(at(regionEnd - 1))))) {
        ++after;
        regionEnd = after == lineStarts_.end() ? size() : *after;
    }
    // A cut stands inside a line's text: not at its end, and the same place
    // is never two line starts.
    bool keepStart = true;
    if (regionStart == regionEnd) {
        keepStart = after == lineStarts_.end() && !isCut(regionStart);
    } else if (isCut(regionStart) && at(regionStart) == '\r') {
        keepStart = false;
    }
    std::vector<std::size_t> found;
    if (keepStart) {
        found.push_back(regionStart);
    }
    collectLineStarts(slice(regionStart, regionEnd - regionStart), regionStart, found);
    // The region's own end is a line start already (or the end of the text).
    if (!found.empty() && after != lineStarts_.end() && found.back() == regionEnd) {
        found.pop_back();
    }
    lastLineChange_ = {.first = static_cast<std::size_t>(first - lineStarts_.begin()),
                       .removed = static_cast<std::size_t>(after - first),
                       .added = found.size()};
    // Written over in place: most edits keep the number of lines, and the
    // many lines after them then do not move in memory.
    const auto common = std::min(static_cast<std::size_t>(after - first), found.size());
    const auto written = std::copy_n(found.begin(), common, first);
    const auto place = lineStarts_.erase(written, after);
    lineStarts_.insert(place, found.begin() + static_cast<std::ptrdiff_t>(common), found.end());

    return inserted.size();
}

} // namespace norvik
