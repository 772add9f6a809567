// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/ControlCharacters.h"

#include <algorithm>

namespace norvik {

bool isControlByte(unsigned char byte) {
    return (byte < 0x20 && byte != '\t') || byte == 0x7F;
}

std::string withoutControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return !isControlByte(static_cast<unsigned char>(c)); });
    return out;
}

std::string controlsShown(std::string_view text) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (isControlByte(byte)) {
            out += "\\x";
            out += digits[byte >> 4];
            out += digits[byte & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

std::string utf8WithoutControls(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        // U+0080 to U+009F are C2 80 to C2 9F.
        if (byte == 0xC2 && i + 1 < utf8.size() &&
            (static_cast<unsigned char>(utf8[i + 1]) & 0xE0) == 0x80) {
            ++i;
            continue;
        }
        if (!isControlByte(byte)) {
            out += utf8[i];
        }
    }
    return out;
}

} // namespace norvik
