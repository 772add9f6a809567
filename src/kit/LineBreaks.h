// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace norvik {

// Finds line breaks, each CR and each LF, in one pass over the bytes: it
// marks the breaks among 64 bytes at a time and hands them out from the
// marks, so a file of short lines costs no call per line, and every byte is
// looked at once.
class BreakFinder {
public:
    explicit BreakFinder(std::string_view bytes) : bytes_(bytes) {}

    // The position of the first CR or LF at or after `from`, or the size.
    std::size_t next(std::size_t from) {
        while (from < bytes_.size()) {
            if (from < blockStart_ || from >= blockEnd_) {
                markBlock(from);
            }
            const std::uint64_t ahead = marks_ >> (from - blockStart_);
            if (ahead != 0) {
                return from + static_cast<std::size_t>(std::countr_zero(ahead));
            }
            from = blockEnd_;
        }
        return bytes_.size();
    }

private:
    static constexpr std::size_t blockSize = 64;

    // Marks the breaks among the bytes from `start` on, one bit each.
    void markBlock(std::size_t start);

    std::string_view bytes_;
    // The marked block; none yet.
    std::size_t blockStart_ = 0;
    std::size_t blockEnd_ = 0;
    std::uint64_t marks_ = 0;
};

// Whether a CR LF starts at `at`.
inline bool isCrLfAt(std::string_view text, std::size_t at) {
    return at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n';
}

// The text on one line: each CR LF, lone CR or lone LF becomes one blank.
std::string breaksToBlanks(std::string_view text);

// Whether every CR in `bytes` is followed by an LF and every LF follows a CR,
// as in the notes' form. `afterCr` says whether the byte before them was a
// CR, whose LF must come first; on return, whether the last of them is one.
// A text handed over in runs is checked run by run this way.
bool breaksPairUp(std::string_view bytes, bool& afterCr);

// The notes' form: every lone CR and lone LF becomes CR LF.
// A text that needs no change is handed back as it came, without a copy.
std::string normalizeLineBreaks(std::string bytes);

} // namespace norvik
