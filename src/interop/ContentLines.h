// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Failure.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace norvik {

// The line layer shared by iCalendar and vCard files: content lines of at
// most 75 octets ended by CR LF, longer ones folded onto continuation lines
// that start with a blank.

// Appends one content line (UTF-8) with its CR LF, folded where needed. A fold
// never splits a UTF-8 sequence, so every physical line is valid UTF-8.
void appendContentLine(std::string& out, std::string_view line);

// TEXT values: backslash, semicolon, comma and line breaks escaped.
std::string escapeText(std::string_view text);
// The reverse; "\n" and "\N" give a line feed, an unknown escape keeps its character.
std::string unescapeText(std::string_view text);
// Splits a structured value (N, ADR) at its unescaped semicolons, unescaping each part.
std::vector<std::string> splitStructured(std::string_view value);

struct ContentLine {
    std::string text;       // unfolded, without the line break
    std::size_t lineNumber; // the physical line it starts on, from 1
};

// Unfolds a whole file: CR LF or a lone LF ends a physical line, and a line
// starting with a blank or a tab continues the one before it. Empty lines are
// dropped.
std::vector<ContentLine> unfoldContentLines(std::string_view bytes);

// One content line taken apart: NAME;PARAM=V,V;PARAM="V":VALUE. The name and
// parameter names come upper-cased; a group prefix (item1.TEL) is dropped.
struct ContentFields {
    std::string name;
    std::vector<std::pair<std::string, std::string>> params; // one entry per value
    std::string value;
};
// False when the line has no name or no colon outside quotes.
bool splitContentLine(std::string_view line, ContentFields& fields);

// A UTF-8 value as one line of code page 1251: line breaks become blanks and
// a character the code page cannot hold becomes "?", counted in `replaced`.
std::string oneStorableLine(std::string_view utf8, std::size_t& replaced);

// The failure for a malformed file, naming the file and the line.
Failure badFile(const std::string& fileName, std::size_t line, const std::string& what);

} // namespace norvik
