#pragma once

#include "kit/LineBreaks.h"
#include "kit/Text.h"

#include <string_view>

namespace norvik {

// Splits file bytes into lines: CR LF, a lone CR or a lone LF ends a line;
// a final break adds no empty line. NUL bytes stay inside their line. The
// bytes become the list's own buffer, so a loaded file is not copied.
Lines splitLines(std::string bytes);
// Every line followed by CR LF; an empty list gives no bytes.
std::string joinLines(const Lines& lines);

} // namespace norvik
