// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace norvik {

// A colour value with red in the low byte; values from 0x80000000 name a
// colour of the desktop scheme.
using Color = std::uint32_t;

inline constexpr Color clBlack = 0x000000;
inline constexpr Color clMaroon = 0x000080;
inline constexpr Color clGreen = 0x008000;
inline constexpr Color clOlive = 0x008080;
inline constexpr Color clNavy = 0x800000;
inline constexpr Color clPurple = 0x800080;
inline constexpr Color clTeal = 0x808000;
inline constexpr Color clGray = 0x808080;
inline constexpr Color clSilver = 0xC0C0C0;
inline constexpr Color clRed = 0x0000FF;
inline constexpr Color clLime = 0x00FF00;
inline constexpr Color clYellow = 0x00FFFF;
inline constexpr Color clBlue = 0xFF0000;
inline constexpr Color clFuchsia = 0xFF00FF;
inline constexpr Color clAqua = 0xFFFF00;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clMoneyGreen = 0xC0DCC0;
inline constexpr Color clSkyBlue = 0xF0CAA6;
inline constexpr Color clCream = 0xF0FBFF;
inline constexpr Color clMedGray = 0xA4A0A0;

inline constexpr Color clSystemBase = 0x80000000;
inline constexpr Color clWindow = clSystemBase + 5;
inline constexpr Color clWindowText = clSystemBase + 8;
inline constexpr Color clBtnFace = clSystemBase + 15;
inline constexpr Color clNone = 0x1FFFFFFF;
inline constexpr Color clDefault = 0x20000000;

// The fixed values this program gives the desktop scheme's colours.
Color resolveSystemColor(Color color);

} // namespace norvik
