// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Color.h"
#include "kit/Font.h"

namespace norvik {

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The information boxes are laid out with fonts given by their character
// height in pixels; the kit keeps points at 96 dots per inch. The point size
// is rounded so that the kit's pixel height comes back as the one designed.
Font pixelFont(const char* face, int pixels, FontStyle style = {}, Color color = clWindowText);

} // namespace norvik
