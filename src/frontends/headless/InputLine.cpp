// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/InputLine.h"

#include "frontends/headless/ProtocolError.h"
#include "frontends/headless/QuotedText.h"
#include "store/Codec1251.h"

namespace norvik::headless {

namespace {

// The UTF-8 of the private code point the codec gives byte 0x98.
constexpr std::string_view byte98StandIn = "\xEF\xA2\x98";

// The stand-in for byte 0x98 written as itself is no character of the code
// page: on input that byte is written \x98. (Hex digits of \x may be written
// in either case; the program itself prints them in upper case.)
// `text` is a TEXT that already unquoted, quotes included.
void checkProtocolText(std::string_view text) {
    if (text.find(byte98StandIn) != std::string_view::npos) {
        throw ProtocolError{"byte 0x98 has no character; write it as \\x98"};
    }
}

} // namespace

std::vector<Token> splitLine(std::string_view line) {
    std::vector<Token> tokens;
    std::size_t at = 0;
    while (at < line.size()) {
        if (!tokens.empty()) {
            if (line[at] != ' ') {
                throw ProtocolError{"words must be separated by a blank"};
            }
            ++at;
        }
        if (at >= line.size() || line[at] == ' ') {
            throw ProtocolError{"an empty word (a doubled or trailing blank)"};
        }
        Token token;
        if (line[at] == '"') {
            std::string_view rest;
            std::string error;
            auto bytes = unquoteText(line.substr(at), rest, error);
            if (!bytes) {
                throw ProtocolError{error};
            }
            const std::size_t end = line.size() - rest.size();
            checkProtocolText(line.substr(at, end - at));
            token.spelled = std::string(line.substr(at, end - at));
            token.quoted = true;
            token.value = std::move(*bytes);
            at = end;
        } else {
            std::size_t end = line.find(' ', at);
            if (end == std::string_view::npos) {
                end = line.size();
            }
            token.spelled = std::string(line.substr(at, end - at));
            token.value = token.spelled;
            at = end;
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

Text bytesOf(const Token& token) {
    if (token.quoted) {
        return token.value;
    }
    auto bytes = cp1251::fromUtf8(token.value);
    if (!bytes || token.value.find(byte98StandIn) != std::string::npos) {
        throw ProtocolError{"'" + token.spelled +
                            "' holds a character code page 1251 cannot store"};
    }
    return *bytes;
}

int parseIndex(std::string_view word, std::string_view what) {
    if (word.empty() || word.size() > 9) {
        throw ProtocolError{std::string(what) + " must be a whole number: '" + std::string(word) +
                            "'"};
    }
    int value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9') {
            throw ProtocolError{std::string(what) + " must be a whole number: '" +
                                std::string(word) + "'"};
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::int64_t parseSeconds(std::string_view word) {
    const auto dot = word.find('.');
    const std::string_view whole = word.substr(0, dot);
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view() : word.substr(dot + 1);
    auto digitsOnly = [](std::string_view part) {
        for (const char c : part) {
            if (c < '0' || c > '9') {
                return false;
            }
        }
        return true;
    };
    // "0.5", ".5", "5." and "5" all read; a number needs a digit somewhere.
    if (whole.size() > 9 || !digitsOnly(whole) || !digitsOnly(fraction) ||
        (whole.empty() && fraction.empty())) {
        throw ProtocolError{"wait needs a decimal number of seconds: '" + std::string(word) + "'"};
    }
    std::int64_t millis = 0;
    for (const char c : whole) {
        millis = millis * 10 + (c - '0');
    }
    millis *= 1000;
    // Milliseconds from the first three decimals, rounded by the fourth.
    std::int64_t part = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        part = part * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    }
    if (fraction.size() > 3 && fraction[3] >= '5') {
        ++part;
    }
    return millis + part;
}

} // namespace norvik::headless
