// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Color.h"
#include "kit/Font.h"

#include <QColor>
#include <QFont>

class QWidget;

namespace norvik::qt {

// Faces the program's forms name that a Linux desktop does not have, mapped
// to the free faces the start script installs. Called once at start.
void installFontSubstitutions();

// A kit font in pixels, so that text does not depend on the screen's DPI.
QFont toQt(const Font& font);
// The font for a caption: where the face lacks some of its characters (Comic
// Neue has no Cyrillic), the whole caption takes the first substitute that has
// them all, rather than mixing two faces letter by letter.
QFont fontForText(const QFont& font, const QString& text);
// A kit colour (red in the low byte; desktop scheme colours resolved).
QColor toQColor(Color color);

// A surface (window, frame, label, button, check box): its own colour
// behind, the font colour for its text.
void paintSurface(QWidget& widget, Color background, Color text, bool fillBackground);
// An input field (edit, notes, list, drop-down, date): the field's colour
// behind the typed text in the font colour. keepSelection shows the
// selection in full colour also while the field has no focus.
void paintField(QWidget& widget, Color background, Color text, bool keepSelection);

// How far two colours stand apart in brightness, from 1 (the same) to 21
// (black on white), as accessibility guidelines measure it.
double contrastRatio(const QColor& a, const QColor& b);
// A colour that stands out on the background: the desktop scheme's highlight
// where it does, else white or black.
QColor standOutColor(const QColor& background);

} // namespace norvik::qt
