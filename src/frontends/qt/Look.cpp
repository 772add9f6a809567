// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/Look.h"

#include "frontends/qt/QtText.h"

#include <QPalette>
#include <QRawFont>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace norvik::qt {

namespace {

// The desktop scheme's selection colours.
constexpr Color clHighlight = clSystemBase + 13;
constexpr Color clHighlightText = clSystemBase + 14;

struct Substitution {
    const char* face;
    const char* replacement;
    // For characters the replacement lacks (Comic Neue has no Cyrillic).
    const char* fallback;
};

constexpr Substitution substitutions[] = {
    {"Arial", "Liberation Sans", nullptr},
    {"Times New Roman", "Liberation Serif", nullptr},
    {"Courier New", "Liberation Mono", nullptr},
    {"Monotype Corsiva", "Z003", "Liberation Serif"},
    {"Comic Sans MS", "Comic Neue", "Liberation Sans"},
    {"Impact", "DejaVu Sans Condensed", nullptr},
    {"MS Sans Serif", "DejaVu Sans", nullptr},
    {"Fixedsys", "DejaVu Sans Mono", nullptr},
    {"Small Fonts", "DejaVu Sans", nullptr},
};

// The old bitmap faces are narrower than DejaVu Sans: its condensed width
// keeps their captions within the widths the forms were laid out for.
bool narrowFace(const QString& family) {
    for (const char* face : {"MS Sans Serif", "Small Fonts"}) {
        if (family.compare(QString::fromLatin1(face), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

bool showsAll(const QFont& font, const QString& text) {
    const QRawFont face = QRawFont::fromFont(font);
    if (!face.isValid()) {
        return true;
    }
    for (const char32_t c : text.toUcs4()) {
        if (c > 0x7F && !QChar::isSpace(c) && !face.supportsCharacter(c)) {
            return false;
        }
    }
    return true;
}

double relativeLuminance(const QColor& color) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

} // namespace

QFont fontForText(const QFont& font, const QString& text) {
    if (text.isEmpty() || showsAll(font, text)) {
        return font;
    }
    for (const QString& face : QFont::substitutes(font.family())) {
        QFont candidate(font);
        candidate.setFamily(face);
        if (showsAll(candidate, text)) {
            return candidate;
        }
    }
    return font;
}

void installFontSubstitutions() {
    for (const auto& [face, replacement, fallback] : substitutions) {
        QStringList faces{QString::fromLatin1(replacement)};
        if (fallback != nullptr) {
            faces << QString::fromLatin1(fallback);
        }
        QFont::insertSubstitutions(QString::fromLatin1(face), faces);
    }
}

QFont toQt(const Font& font) {
    const QString family = toQt(font.name);
    QFont result(family);
    result.setPixelSize(std::max(1, font.pixelSize()));
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    if (narrowFace(family)) {
        result.setStretch(QFont::SemiCondensed);
    }
    // The condensed face stands in for a heavy narrow one: keep it heavy and narrow.
    if (family.compare(QStringLiteral("Impact"), Qt::CaseInsensitive) == 0) {
        result.setBold(true);
        result.setStretch(QFont::Condensed);
    }
    return result;
}

QColor toQColor(Color color) {
    const Color rgb = resolveSystemColor(color);
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

void paintSurface(QWidget& widget, Color background, Color text, bool fillBackground) {
    QPalette palette = widget.palette();
    const QColor back = toQColor(background);
    const QColor fore = toQColor(text);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, back);
        palette.setColor(group, QPalette::Button, back);
        if (group != QPalette::Disabled) {
            palette.setColor(group, QPalette::WindowText, fore);
            palette.setColor(group, QPalette::ButtonText, fore);
        }
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(fillBackground);
}

void paintField(QWidget& widget, Color background, Color text, bool keepSelection) {
    QPalette palette = widget.palette();
    const QColor back = toQColor(background);
    const QColor fore = toQColor(text);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, back);
        palette.setColor(group, QPalette::Window, back);
        if (group != QPalette::Disabled) {
            palette.setColor(group, QPalette::Text, fore);
            palette.setColor(group, QPalette::WindowText, fore);
            palette.setColor(group, QPalette::ButtonText, fore);
        }
    }
    const QColor highlight = toQColor(clHighlight);
    const QColor highlightText = toQColor(clHighlightText);
    palette.setColor(QPalette::Active, QPalette::Highlight, highlight);
    palette.setColor(QPalette::Active, QPalette::HighlightedText, highlightText);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, keepSelection ? highlight : back);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     keepSelection ? highlightText : fore);
    widget.setPalette(palette);
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor standOutColor(const QColor& background) {
    // Three to one is the least contrast guidelines ask of a mark that is not text.
    constexpr double enough = 3.0;
    const QColor highlight = toQColor(clHighlight);
    if (contrastRatio(highlight, background) >= enough) {
        return highlight;
    }
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    return contrastRatio(white, background) >= contrastRatio(black, background) ? white : black;
}

} // namespace norvik::qt
