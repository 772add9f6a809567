// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"

#include <QString>

namespace norvik::qt {

// Code page 1251 bytes as the text Qt shows, and back. Every byte has a
// character (0x98 a private-use one), so toQt never loses anything.
QString toQt(std::string_view bytes);
// Characters the code page cannot hold are dropped; the front end refuses
// them at input, so they never reach this point from the user.
Text fromQt(const QString& text);
// Whether the code page holds this character.
bool storable(QChar character);
// The text without the characters the code page cannot hold.
QString storableOnly(const QString& text);

} // namespace norvik::qt
