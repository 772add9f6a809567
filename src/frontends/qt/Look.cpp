// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/Look.h"

#include "frontends/qt/QtText.h"

#include <QPalette>
#include <QRawFont>
#include <QWidget>

namespace norvik::qt {

namespace {

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
    const QColor highlight = toQColor(clSystemBase + 13);
    const QColor highlightText = toQColor(clSystemBase + 14);
    palette.setColor(QPalette::Active, QPalette::Highlight, highlight);
    palette.setColor(QPalette::Active, QPalette::HighlightedText, highlightText);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, keepSelection ? highlight : back);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     keepSelection ? highlightText : fore);
    widget.setPalette(palette);
}

} // namespace norvik::qt
