#pragma once

#include "kit/Text.h"

#include <string_view>

namespace norvik {

// Splits file bytes into lines: CR LF, a lone CR or a lone LF ends a line;
// a final break adds no empty line. NUL bytes stay inside their line.
Lines splitLines(std::string_view bytes);
// Every line followed by CR LF; an empty list gives no bytes.
std::string joinLines(const Lines& lines);
// The notes' form: every lone CR and lone LF becomes CR LF.
std::string normalizeLineBreaks(std::string_view bytes);

} // namespace norvik
