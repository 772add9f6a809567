// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Color.h"

#include <array>

namespace norvik {

namespace {
// A calm light scheme, close to what desktops show by default.
constexpr std::array<Color, 31> systemColors = {
    0xC8C8C8, // scroll bar
    0x6E4A2E, // background
    0xD1B499, // active caption
    0xDBCDBF, // inactive caption
    0xF0F0F0, // menu
    0xFFFFFF, // window
    0x646464, // window frame
    0x000000, // menu text
    0x000000, // window text
    0x000000, // caption text
    0xB4B4B4, // active border
    0xFCF7F4, // inactive border
    0xABABAB, // application workspace
    0xD77800, // highlight
    0xFFFFFF, // highlight text
    0xF0F0F0, // button face
    0xA0A0A0, // button shadow
    0x6D6D6D, // grey text
    0x000000, // button text
    0x000000, // inactive caption text
    0xFFFFFF, // button highlight
    0x696969, // 3D dark shadow
    0xE3E3E3, // 3D light
    0x000000, // info text
    0xE1FFFF, // info background
    0x000000, // unused index 25
    0xCC6600, // hot light
    0xEAD1B9, // gradient active caption
    0xF2E4D7, // gradient inactive caption
    0xFF9933, // menu highlight
    0xF0F0F0, // menu bar
};
} // namespace

Color resolveSystemColor(Color color) {
    if (color >= clSystemBase) {
        const Color index = color - clSystemBase;
        return index < systemColors.size() ? systemColors[index] : 0;
    }
    if (color == clNone || color == clDefault) {
        return clWhite;
    }
    return color & 0xFFFFFF;
}

} // namespace norvik
