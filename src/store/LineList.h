// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/LineBreaks.h"
#include "kit/Text.h"
#include "store/FileSystem.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace norvik {

// Splits file bytes into lines: CR LF, a lone CR or a lone LF ends a line;
// a final break adds no empty line. NUL bytes stay inside their line. The
// bytes become the list's own buffer, so a loaded file is not copied.
Lines splitLines(ByteBuffer bytes);
// The same from bytes that lie elsewhere: they are copied once.
Lines splitLines(std::string_view bytes);

// Splits bytes into lines as splitLines does, while a read brings them in.
class LineSplitter : public ReadConsumer {
public:
    void sizeKnown(std::size_t size) override;
    void arrived(std::string_view bytes) override;
    // The lines, in the bytes that have all arrived, which become their buffer.
    Lines finish(ByteBuffer bytes);

private:
    std::vector<Lines::Place> places_;
    std::size_t lineStart_ = 0;
    std::size_t scanned_ = 0;
    // The last byte seen was a CR that ended a line: an LF right after it
    // belongs to it.
    bool afterCr_ = false;
};

// Hands out, one at a time, the lines of bytes that arrive a run at a time,
// as splitLines would find them: a file is looked through without being
// kept. A line is valid only during its call; one that two runs share is
// put together first.
class LineScanner : public RunConsumer {
public:
    explicit LineScanner(std::function<void(std::string_view line)> line)
        : line_(std::move(line)) {}
    void arrived(std::string_view run) override;
    // The last line, when no break ends it.
    void finish();

private:
    std::function<void(std::string_view)> line_;
    // The start of a line that the next run goes on with.
    std::string unfinished_;
    bool afterCr_ = false;
};

// Whether bytes break their lines with CR LF only, as the notes are kept,
// checked while a read brings them in.
class CrLfCheck : public ReadConsumer {
public:
    void sizeKnown(std::size_t) override {}
    void arrived(std::string_view bytes) override;
    // Whether the `size` bytes read, all of which must have arrived, do.
    bool crLfOnly(std::size_t size) const { return !loneBreak_ && !afterCr_ && checked_ == size; }

private:
    std::size_t checked_ = 0;
    // The last byte seen was a CR, which an LF must follow.
    bool afterCr_ = false;
    bool loneBreak_ = false;
};
// Every line followed by CR LF; an empty list gives no bytes.
std::string joinLines(const Lines& lines);
// The same bytes as pieces to be written one after another: runs of the
// list's own buffer where its lines lie in order with CR LF between them, and
// the CR LF after each run. A loaded file that gained a line is a handful of
// pieces, and nothing is copied. The pieces stay valid until the list changes.
std::vector<std::string_view> linePieces(const Lines& lines);

} // namespace norvik
