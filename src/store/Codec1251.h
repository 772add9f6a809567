// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace norvik::cp1251 {

// The one codec between code page 1251 bytes and Unicode. It is lossless for
// all 256 byte values: 0x98, which has no character, maps to U+F898 and back.
char32_t toUnicode(unsigned char byte);
std::optional<unsigned char> fromUnicode(char32_t code);
bool canStore(char32_t code);

std::string toUtf8(std::string_view bytes);
// Nothing when the text is not valid UTF-8 or holds a character 1251 cannot store.
std::optional<std::string> fromUtf8(std::string_view utf8);
// For text from other programs: every character 1251 cannot store, and every
// byte that does not belong to a UTF-8 sequence, becomes `replacement`, and
// `replaced` counts them.
std::string fromUtf8Replacing(std::string_view utf8, char replacement, std::size_t& replaced);
// A message of the system (UTF-8), such as a failure's reason, as the
// program shows it: "?" for what the code page cannot hold.
std::string fromSystemText(std::string_view utf8);

// A text written in this program's UTF-8 sources, as 1251 bytes. Every such
// text is the program's own, so a character 1251 cannot hold is a programming
// error and ends in std::logic_error.
std::string literal(std::string_view utf8);

// The locale's lower-casing used by searches that ignore letter case: Latin
// A-Z and every Cyrillic capital of the code page; other bytes unchanged.
unsigned char toLower(unsigned char byte);
std::string toLower(std::string_view bytes);

} // namespace norvik::cp1251
