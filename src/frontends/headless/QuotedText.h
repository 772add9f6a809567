// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace norvik {

// The quoted text form of 1251 bytes used by the line protocol, the scenario
// files and the module sources: UTF-8 between double quotes, with \\ \" \r \n
// \t \0 and \xNN for the control bytes and 0x98.
std::string quoteText(std::string_view bytes);
// The same form for a text that is already UTF-8 (a message of the program's
// own): its characters pass through as they are, control bytes are escaped.
std::string quoteUtf8(std::string_view utf8);

// Reads a quoted text at the start of `input` (after optional blanks); on
// success returns the 1251 bytes and sets `rest` to what follows it. Any
// \xNN is accepted; another backslash sequence, a character 1251 cannot hold
// or a missing closing quote gives nothing, with `error` saying why.
std::optional<std::string> unquoteText(std::string_view input, std::string_view& rest,
                                       std::string& error);

} // namespace norvik
