// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace norvik {

// What neither a data file nor a terminal gets from outside: the control
// characters below the blank but the tab, and DEL. A planted escape sequence
// could otherwise drive the terminal that shows it.
bool isControlByte(unsigned char byte);

// The text (code page 1251 or UTF-8) without them.
std::string withoutControls(std::string_view text);

// The text with each of them shown as \xNN, for a terminal.
std::string controlsShown(std::string_view text);

// UTF-8 text without them, and without the C1 controls (U+0080 to U+009F).
std::string utf8WithoutControls(std::string_view utf8);

} // namespace norvik
