// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/LineBreaks.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace norvik {

void BreakFinder::markBlock(std::size_t start) {
    blockStart_ = start;
    blockEnd_ = start + blockSize;
    const char* const bytes = bytes_.data() + start;
    std::uint64_t marks = 0;
#if defined(__SSE2__)
    if (bytes_.size() - start >= blockSize) {
        // Sixteen bytes to a compare; CR and LF are two compares joined.
        const __m128i cr = _mm_set1_epi8('\r');
        const __m128i lf = _mm_set1_epi8('\n');
        for (std::size_t part = 0; part < blockSize; part += 16) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + part));
            const __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf));
            marks |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(hits)))
                     << part;
        }
        marks_ = marks;
        return;
    }
#endif
    // The last bytes (or every block, without the vector compares): the
    // bits past the end stay clear.
    const std::size_t count = std::min(blockSize, bytes_.size() - start);
    for (std::size_t i = 0; i < count; ++i) {
        marks |= static_cast<std::uint64_t>(bytes[i] == '\r' || bytes[i] == '\n') << i;
    }
    marks_ = marks;
}

bool breaksPairUp(std::string_view bytes, bool& afterCr) {
    // Bit i of a block's LF marks must be bit i - 1 of its CR marks, the CR
    // before the block coming in as bit 0: no loop over lines, only blocks.
    std::uint64_t carry = afterCr ? 1 : 0;
    std::size_t at = 0;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; bytes.size() - at >= 64; at += 64) {
        std::uint64_t crs = 0;
        std::uint64_t lfs = 0;
        for (std::size_t part = 0; part < 64; part += 16) {
            const __m128i chunk =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + at + part));
            crs |= static_cast<std::uint64_t>(
                       static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, cr))))
                   << part;
            lfs |= static_cast<std::uint64_t>(
                       static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, lf))))
                   << part;
        }
        if (lfs != ((crs << 1) | carry)) {
            return false;
        }
        carry = crs >> 63;
    }
#endif
    for (; at < bytes.size(); ++at) {
        if ((bytes[at] == '\n') != (carry != 0)) {
            return false;
        }
        carry = bytes[at] == '\r' ? 1 : 0;
    }
    afterCr = carry != 0;
    return true;
}

std::string normalizeLineBreaks(std::string bytes) {
    // Notes the program saved already break with CR LF only: they stay as
    // they are, and only a text with a lone break is copied, from there on.
    bool afterCr = false;
    if (breaksPairUp(bytes, afterCr) && !afterCr) {
        return bytes;
    }
    BreakFinder breaks(bytes);
    std::size_t at = 0;
    while (true) {
        at = breaks.next(at);
        if (at == bytes.size()) {
            return bytes;
        }
        if (bytes[at] != '\r' || at + 1 == bytes.size() || bytes[at + 1] != '\n') {
            break;
        }
        at += 2;
    }
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 32);
    out.append(bytes, 0, at);
    while (at < bytes.size()) {
        const std::size_t end = breaks.next(at);
        out.append(bytes, at, end - at);
        if (end == bytes.size()) {
            break;
        }
        out += "\r\n";
        at = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return out;
}

std::string breaksToBlanks(std::string_view text) {
    std::string flat;
    flat.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            flat += ' ';
        } else {
            flat += text[i];
        }
    }
    return flat;
}

} // namespace norvik
