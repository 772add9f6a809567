// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ColorNames.h"

#include "kit/Failure.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace norvik {

namespace {

struct ColorName {
    std::string_view name;
    Color value;
};

// The system colours name a colour of the desktop scheme by its index.
constexpr Color system(Color index) {
    return clSystemBase + index;
}

constexpr std::array<ColorName, 52> colorTable = {{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clScrollBar", system(0)},
    {"clBackground", system(1)},
    {"clActiveCaption", system(2)},
    {"clInactiveCaption", system(3)},
    {"clMenu", system(4)},
    {"clWindow", system(5)},
    {"clWindowFrame", system(6)},
    {"clMenuText", system(7)},
    {"clWindowText", system(8)},
    {"clCaptionText", system(9)},
    {"clActiveBorder", system(10)},
    {"clInactiveBorder", system(11)},
    {"clAppWorkSpace", system(12)},
    {"clHighlight", system(13)},
    {"clHighlightText", system(14)},
    {"clBtnFace", system(15)},
    {"clBtnShadow", system(16)},
    {"clGrayText", system(17)},
    {"clBtnText", system(18)},
    {"clInactiveCaptionText", system(19)},
    {"clBtnHighlight", system(20)},
    {"cl3DDkShadow", system(21)},
    {"cl3DLight", system(22)},
    {"clInfoText", system(23)},
    {"clInfoBk", system(24)},
    {"clHotLight", system(26)},
    {"clGradientActiveCaption", system(27)},
    {"clGradientInactiveCaption", system(28)},
    {"clMenuHighlight", system(29)},
    {"clMenuBar", system(30)},
    {"clNone", clNone},
    {"clDefault", clDefault},
}};

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

int digitValue(char c, int base) {
    int value = 99;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (base == 16 && lowerAscii(c) >= 'a' && lowerAscii(c) <= 'f') {
        value = lowerAscii(c) - 'a' + 10;
    }
    return value < base ? value : -1;
}

// The integer syntax: an optional sign, then decimal digits or "$" (or "0x")
// and hex digits. Decimal must fit a signed 32-bit value; hex may use all 32
// bits, which read as the signed value with that pattern.
std::optional<std::int32_t> readInteger(std::string_view text) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    int base = 10;
    if (text.substr(at, 1) == "$") {
        base = 16;
        at += 1;
    } else if (text.size() > at + 1 && text[at] == '0' && lowerAscii(text[at + 1]) == 'x') {
        base = 16;
        at += 2;
    }
    if (at >= text.size()) {
        return std::nullopt;
    }
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    std::uint64_t value = 0;
    for (; at < text.size(); ++at) {
        const int digit = digitValue(text[at], base);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > limit) {
            return std::nullopt;
        }
    }
    auto bits = static_cast<std::uint32_t>(value);
    if (negative) {
        bits = 0u - bits;
    }
    return static_cast<std::int32_t>(bits);
}

[[noreturn]] void notAnInteger(std::string_view text) {
    throw Failure("'" + std::string(text) + "' is not a valid integer value");
}

} // namespace

Color colorFromName(std::string_view text) {
    for (const auto& entry : colorTable) {
        if (sameIgnoringCase(entry.name, text)) {
            return entry.value;
        }
    }
    const auto value = readInteger(text);
    if (!value) {
        notAnInteger(text);
    }
    return static_cast<Color>(*value);
}

Text colorToName(Color color) {
    for (const auto& entry : colorTable) {
        if (entry.value == color) {
            return Text(entry.name);
        }
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "$%08X", static_cast<unsigned>(color));
    return hex;
}

int parseInteger(std::string_view text) {
    const auto value = readInteger(text);
    if (!value) {
        notAnInteger(text);
    }
    return *value;
}

} // namespace norvik
