// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Failure.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
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
// Reads backslash escapes of any kind: a backslash and the character after it
// become what `decode` makes of that character; one at the very end stays.
std::string unescapeBackslashes(std::string_view text, char (*decode)(char));
// Splits a structured value (N, ADR) at its unescaped semicolons, unescaping each part.
std::vector<std::string> splitStructured(std::string_view value);

struct ContentLine {
    std::string text;           // unfolded, without the line break
    std::size_t lineNumber = 0; // the physical line it starts on, from 1
};

// Reads a file's content lines one at a time, so that neither a long line
// nor many short ones cost more than reading the bytes. A UTF-8 byte-order
// mark at the start is skipped. A line feed ends a physical line, together
// with the CRs before it (some phones write CR CR LF); a physical line that
// starts with a blank or a tab continues the line before it; empty lines are
// skipped.
class ContentLineReader {
public:
    explicit ContentLineReader(std::string_view bytes);

    // The next content line; false at the end of the file.
    bool next(ContentLine& line);
    // The next physical line as it is, empty or not, as a quoted-printable
    // value goes on after a soft line break; false at the end of the file.
    bool nextPhysical(ContentLine& line);

private:
    // The physical line at `at_`, without its line break; moves past it.
    std::string_view physical();
    // Whether the next non-empty physical line continues the current one.
    bool continues();

    std::string_view bytes_;
    std::size_t at_ = 0;
    std::size_t number_ = 0;
};

// One content line taken apart: NAME;PARAM=V,V;PARAM="V":VALUE. The name and
// parameter names come upper-cased; a group prefix (item1.TEL) is dropped;
// blanks after a name are passed over.
struct ContentFields {
    std::string name;
    std::vector<std::pair<std::string, std::string>> params; // one entry per value
    std::string value;
};
// False when the line has no name or no colon outside quotes.
bool splitContentLine(std::string_view line, ContentFields& fields);
// The first value of the parameter `name` (upper-cased), empty when there is none.
std::string paramValue(const ContentFields& fields, std::string_view name);

// Calls `each` with every part of `text` between the separators, empty parts
// too: the values of a list (RDATE, TYPE), the numbers of a field.
template <typename Each>
void forEachPart(std::string_view text, std::string_view separator, Each each) {
    while (true) {
        const auto at = text.find(separator);
        each(text.substr(0, at));
        if (at == std::string_view::npos) {
            return;
        }
        text.remove_prefix(at + separator.size());
    }
}

// The component a BEGIN or END line names, upper-cased without the blanks around it.
std::string componentName(std::string_view value);

// ASCII letters upper-cased; other bytes kept.
std::string upperCased(std::string_view text);

// A UTF-8 value as one line of code page 1251: line breaks become blanks,
// other control characters but the tab are dropped, and a character the code
// page cannot hold becomes "?", counted in `replaced`.
std::string oneStorableLine(std::string_view utf8, std::size_t& replaced);

// The failure for a malformed file, naming the file and the line.
Failure badFile(const std::string& fileName, std::size_t line, const std::string& what);

} // namespace norvik
