// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Codec1251.h"

#include <array>
#include <stdexcept>
#include <utility>

namespace norvik::cp1251 {

namespace {

// Unicode code points of the bytes 0x80 to 0xFF; 0x98 has no character and
// takes a private-use code point so that every byte survives a round trip.
constexpr std::array<char32_t, 128> upperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xF898, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Reads one UTF-8 sequence at `at`; nothing when the bytes are not UTF-8.
std::optional<char32_t> readUtf8(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    int extra = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        code = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (at + static_cast<std::size_t>(extra) >= text.size()) {
        return std::nullopt;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        code = (code << 6) | (next & 0x3F);
    }
    // An overlong form is not UTF-8: it would smuggle in a byte such as NUL.
    constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < smallest[extra]) {
        return std::nullopt;
    }
    at += static_cast<std::size_t>(extra) + 1;
    return code;
}

// Latin A-Z, Cyrillic А-Я and the other Cyrillic capitals of the code page.
const std::array<unsigned char, 256>& lowerTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b) {
            t[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b);
        }
        for (int b = 'A'; b <= 'Z'; ++b) {
            t[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b + 32);
        }
        for (int b = 0xC0; b <= 0xDF; ++b) {
            t[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b + 32);
        }
        constexpr std::pair<unsigned char, unsigned char> others[] = {
            {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
            {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
            {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
        };
        for (const auto& [capital, small] : others) {
            t[capital] = small;
        }
        return t;
    }();
    return table;
}

} // namespace

char32_t toUnicode(unsigned char byte) {
    return byte < 0x80 ? byte : upperHalf[byte - 0x80];
}

std::optional<unsigned char> fromUnicode(char32_t code) {
    if (code < 0x80) {
        return static_cast<unsigned char>(code);
    }
    for (std::size_t i = 0; i < upperHalf.size(); ++i) {
        if (upperHalf[i] == code) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

bool canStore(char32_t code) {
    return fromUnicode(code).has_value();
}

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        appendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

std::optional<std::string> fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const auto code = readUtf8(utf8, at);
        if (!code) {
            return std::nullopt;
        }
        const auto byte = fromUnicode(*code);
        if (!byte) {
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string fromUtf8Replacing(std::string_view utf8, char replacement, std::size_t& replaced) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const auto code = readUtf8(utf8, at);
        const auto byte = code ? fromUnicode(*code) : std::nullopt;
        if (!code) {
            ++at; // a stray byte stands for one character
        }
        if (byte) {
            out += static_cast<char>(*byte);
        } else {
            out += replacement;
            ++replaced;
        }
    }
    return out;
}

std::string literal(std::string_view utf8) {
    auto bytes = fromUtf8(utf8);
    if (!bytes) {
        throw std::logic_error("not a code page 1251 text: " + std::string(utf8));
    }
    return *bytes;
}

unsigned char toLower(unsigned char byte) {
    return lowerTable()[byte];
}

std::string toLower(std::string_view bytes) {
    const auto& table = lowerTable();
    std::string out(bytes);
    for (auto& c : out) {
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    }
    return out;
}

std::string fromSystemText(std::string_view utf8) {
    std::size_t replaced = 0;
    return fromUtf8Replacing(utf8, '?', replaced);
}

} // namespace norvik::cp1251
