#pragma once

#include "kit/Text.h"

#include <string_view>

namespace norvik {

// Splits file bytes into lines: CR LF, a lone CR or a lone LF ends a line;
// a final break adds no empty line. NUL bytes stay inside their line. The
// bytes become the list's own buffer, so a loaded file is not copied.
Lines splitLines(std::string bytes);
// Every line followed by CR LF; an empty list gives no bytes.
std::string joinLines(const Lines& lines);
// The notes' form: every lone CR and lone LF becomes CR LF.
// A text that needs no change is handed back as it came, without a copy.
std::string normalizeLineBreaks(std::string bytes);

} // namespace norvik
