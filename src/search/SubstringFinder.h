// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace norvik {

// A search string prepared once for a run over many texts: the lines of a
// long list or the whole notes. It compares in place, so a search copies no
// line. Ignoring letter case lower-cases the search string once and every
// text byte through a table as it is compared (Boyer-Moore-Horspool).
class SubstringFinder {
public:
    static constexpr std::size_t npos = std::string_view::npos;

    SubstringFinder(std::string_view needle, bool matchCase);

    // Where the first occurrence starts, or npos. An empty search string is
    // found nowhere, and an empty text holds nothing.
    std::size_t find(std::string_view text) const;
    bool foundIn(std::string_view text) const { return find(text) != npos; }

    std::size_t length() const { return needle_.size(); }
    bool matchesCase() const { return matchCase_; }
    // Whether the search string holds a line break, and so could be found
    // across two lines of a text searched as a whole.
    bool holdsLineBreak() const { return needle_.find_first_of("\r\n") != std::string::npos; }

private:
    // Boyer-Moore-Horspool over the text folded to small letters byte by byte.
    std::size_t searchIgnoringCase(std::string_view text) const;

    std::string needle_;
    bool matchCase_;
    std::array<unsigned char, 256> fold_{};
    std::array<std::size_t, 256> shift_{};
};

} // namespace norvik
