// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace norvik {

// Finds the next CR and the next LF with one memchr each and keeps both until
// the scan passes them, so every byte is looked at about once.
class BreakFinder {
public:
    explicit BreakFinder(std::string_view bytes)
        : bytes_(bytes), cr_(find('\r', 0)), lf_(find('\n', 0)) {}

    // The position of the first CR or LF at or after `from`, or the size.
    std::size_t next(std::size_t from) {
        if (cr_ < from) {
            cr_ = find('\r', from);
        }
        if (lf_ < from) {
            lf_ = find('\n', from);
        }
        return std::min(cr_, lf_);
    }

private:
    std::size_t find(char c, std::size_t from) const {
        if (from >= bytes_.size()) {
            return bytes_.size();
        }
        const void* hit = std::memchr(bytes_.data() + from, c, bytes_.size() - from);
        return hit == nullptr
                   ? bytes_.size()
                   : static_cast<std::size_t>(static_cast<const char*>(hit) - bytes_.data());
    }

    std::string_view bytes_;
    std::size_t cr_;
    std::size_t lf_;
};

// Whether a CR LF starts at `at`.
inline bool isCrLfAt(std::string_view text, std::size_t at) {
    return at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n';
}

// The text on one line: each CR LF, lone CR or lone LF becomes one blank.
std::string breaksToBlanks(std::string_view text);

// The notes' form: every lone CR and lone LF becomes CR LF.
// A text that needs no change is handed back as it came, without a copy.
std::string normalizeLineBreaks(std::string bytes);

} // namespace norvik
