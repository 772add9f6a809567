// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/LineBreaks.h"
#include "kit/Text.h"

#include <string_view>
#include <vector>

namespace norvik {

// Splits file bytes into lines: CR LF, a lone CR or a lone LF ends a line;
// a final break adds no empty line. NUL bytes stay inside their line. The
// bytes become the list's own buffer, so a loaded file is not copied.
Lines splitLines(std::string bytes);
// Every line followed by CR LF; an empty list gives no bytes.
std::string joinLines(const Lines& lines);
// The same bytes as pieces to be written one after another: runs of the
// list's own buffer where its lines lie in order with CR LF between them, and
// the CR LF after each run. A loaded file that gained a line is a handful of
// pieces, and nothing is copied. The pieces stay valid until the list changes.
std::vector<std::string_view> linePieces(const Lines& lines);

} // namespace norvik
