// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Color.h"
#include "kit/Text.h"

namespace norvik {

struct Font {
    Text name = "MS Sans Serif";
    int size = 8; // points at 96 dots per inch
    Color color = clWindowText;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    // Pixel height the front ends use, so that text does not depend on the screen's DPI.
    int pixelSize() const { return (size * 96 + 36) / 72; }
    Text style() const;
};

} // namespace norvik
