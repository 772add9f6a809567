// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <string>

namespace norvik::qt {

// The program's own pictures, drawn rather than shipped as files; the
// program's icon alone comes from the SVG of its menu entry.

// The small glyph of an image button: "save", "clear", "search", "add",
// "edit", "delete"; an unknown name gives an empty icon.
QIcon buttonGlyph(const std::string& name);
// A named picture at the given size: "banner", "emblem", "reminder", "norvik",
// "screen", "author"; any other name shows the program's icon.
QPixmap picture(const std::string& name, QSize size);
// The program's icon (window, task bar, tray), the menu entry's picture.
QIcon programIcon();

} // namespace norvik::qt
