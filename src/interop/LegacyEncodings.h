// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace norvik {

// What vCard 2.1 writers (phones, older mail programs) put in values.

// ENCODING=QUOTED-PRINTABLE: "=XX" is the byte XX; an "=" not followed by two
// hexadecimal digits stays as it is. Soft line breaks are joined already.
std::string quotedPrintableDecoded(std::string_view value);

// A value in the CHARSET a property names, as UTF-8: UTF-8 as it is, code page
// 1251 through the program's own codec, the rest (ISO-8859-x, KOI8-R ...)
// through the C library. A byte that is no character there comes out as an
// invalid UTF-8 byte, which the code page conversion later counts as
// replaced; an unknown character set leaves the bytes as they are.
std::string utf8FromCharset(std::string_view bytes, std::string_view charset);

} // namespace norvik
