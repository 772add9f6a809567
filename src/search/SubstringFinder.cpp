// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SubstringFinder.h"

#include "store/Codec1251.h"

namespace norvik {

SubstringFinder::SubstringFinder(std::string_view needle, bool matchCase)
    : needle_(matchCase ? std::string(needle) : cp1251::toLower(needle)), matchCase_(matchCase) {
    if (matchCase_) {
        return; // the standard search needs no tables
    }
    for (std::size_t byte = 0; byte < fold_.size(); ++byte) {
        fold_[byte] = cp1251::toLower(static_cast<unsigned char>(byte));
    }
    // The shift for a byte under the window's last position: how far the
    // search string's last occurrence of it (before its own last byte) lies
    // from its end. A text byte that only differs in case shifts as its small
    // letter does, because the table is looked up with the folded byte.
    shift_.fill(needle_.size());
    for (std::size_t i = 0; i + 1 < needle_.size(); ++i) {
        shift_[static_cast<unsigned char>(needle_[i])] = needle_.size() - 1 - i;
    }
}

std::size_t SubstringFinder::searchIgnoringCase(std::string_view text) const {
    const std::size_t m = needle_.size();
    const std::size_t n = text.size();
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const auto* p = reinterpret_cast<const unsigned char*>(needle_.data());
    const std::size_t last = m - 1;
    const unsigned char lastByte = p[last];

    for (std::size_t pos = 0; pos + m <= n;) {
        const unsigned char c = fold_[t[pos + last]];
        if (c == lastByte) {
            std::size_t i = 0;
            while (i < last && fold_[t[pos + i]] == p[i]) {
                ++i;
            }
            if (i == last) {
                return pos;
            }
        }
        pos += shift_[c];
    }
    return npos;
}

std::size_t SubstringFinder::find(std::string_view text) const {
    if (needle_.empty() || needle_.size() > text.size()) {
        return npos;
    }
    // With letter case as it is, the standard search (a scan for the first
    // byte, then a compare) beats the table-driven one on lines and on long
    // texts alike.
    return matchCase_ ? text.find(needle_) : searchIgnoringCase(text);
}

} // namespace norvik
