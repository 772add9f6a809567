// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/LineBreaks.h"

namespace norvik {

std::string normalizeLineBreaks(std::string bytes) {
    // Notes the program saved already break with CR LF only: they stay as
    // they are, and only a text with a lone break is copied, from there on.
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
