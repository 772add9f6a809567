// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/QuotedText.h"

#include "kit/HexDigit.h"
#include "store/Codec1251.h"

namespace norvik {

namespace {

// Where the bytes come from: program text in code page 1251, or a message of
// the program's own already in UTF-8 (where 0x98 is part of a character).
enum class Source { cp1251, utf8 };

bool needsHexEscape(unsigned char byte, Source source) {
    return (byte >= 0x01 && byte <= 0x08) || byte == 0x0B || byte == 0x0C ||
           (byte >= 0x0E && byte <= 0x1F) || byte == 0x7F ||
           (byte == 0x98 && source == Source::cp1251);
}

std::string quoted(std::string_view bytes, Source source) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        switch (byte) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case 0:
            out += "\\0";
            break;
        default:
            if (needsHexEscape(byte, source)) {
                out += "\\x";
                out += hex[byte >> 4];
                out += hex[byte & 15];
            } else if (source == Source::utf8) {
                out += c;
            } else {
                out += cp1251::toUtf8(std::string_view(&c, 1));
            }
        }
    }
    out += '"';
    return out;
}

} // namespace

std::string quoteText(std::string_view bytes) {
    return quoted(bytes, Source::cp1251);
}

std::string quoteUtf8(std::string_view utf8) {
    return quoted(utf8, Source::utf8);
}

std::optional<std::string> unquoteText(std::string_view input, std::string_view& rest,
                                       std::string& error) {
    std::size_t at = 0;
    while (at < input.size() && input[at] == ' ') {
        ++at;
    }
    if (at >= input.size() || input[at] != '"') {
        error = "a text in double quotes was expected";
        return std::nullopt;
    }
    ++at;
    std::string bytes;
    std::string plain; // UTF-8 run waiting to be converted
    auto flush = [&]() -> bool {
        if (plain.empty()) {
            return true;
        }
        auto converted = cp1251::fromUtf8(plain);
        plain.clear();
        if (!converted) {
            error = "the text holds a character that code page 1251 cannot store";
            return false;
        }
        bytes += *converted;
        return true;
    };
    while (at < input.size()) {
        const char c = input[at];
        if (c == '"') {
            if (!flush()) {
                return std::nullopt;
            }
            rest = input.substr(at + 1);
            return bytes;
        }
        if (c != '\\') {
            plain += c;
            ++at;
            continue;
        }
        if (!flush()) {
            return std::nullopt;
        }
        if (at + 1 >= input.size()) {
            break;
        }
        const char code = input[at + 1];
        at += 2;
        switch (code) {
        case '\\':
            bytes += '\\';
            break;
        case '"':
            bytes += '"';
            break;
        case 'r':
            bytes += '\r';
            break;
        case 'n':
            bytes += '\n';
            break;
        case 't':
            bytes += '\t';
            break;
        case '0':
            bytes += '\0';
            break;
        case 'x': {
            const int high = at < input.size() ? hexValue(input[at]) : -1;
            const int low = at + 1 < input.size() ? hexValue(input[at + 1]) : -1;
            if (high < 0 || low < 0) {
                error = "\\x needs two hex digits";
                return std::nullopt;
            }
            bytes += static_cast<char>(high * 16 + low);
            at += 2;
            break;
        }
        default:
            error = std::string("unknown escape \\") + code;
            return std::nullopt;
        }
    }
    error = "the text has no closing quote";
    return std::nullopt;
}

} // namespace norvik
