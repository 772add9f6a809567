// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace norvik::headless {

// One word of an input line: a plain word, or a TEXT in double quotes.
struct Token {
    std::string spelled; // exactly as the line wrote it, repeated in the output
    bool quoted = false;
    Text value; // the word itself, or the TEXT's code page 1251 bytes
};

// Splits a line into its words, separated by one blank each. A TEXT that does
// not unquote, or a missing or doubled blank, is a ProtocolError.
std::vector<Token> splitLine(std::string_view line);

// The 1251 bytes a word or a TEXT stands for (a plain word is UTF-8).
Text bytesOf(const Token& token);

// Whole numbers and decimals as the protocol writes them; anything else is a
// ProtocolError naming `what`.
int parseIndex(std::string_view word, std::string_view what);
// Seconds with an optional decimal fraction, as milliseconds (rounded).
std::int64_t parseSeconds(std::string_view word);

} // namespace norvik::headless
