// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/PixelFont.h"

namespace norvik {

Font pixelFont(const char* face, int pixels, FontStyle style, Color color) {
    Font font;
    font.name = face;
    font.size = (pixels * 72 + 48) / 96;
    font.color = color;
    font.bold = style.bold;
    font.italic = style.italic;
    font.underline = style.underline;
    return font;
}

} // namespace norvik
