// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/Pictures.h"

#include <QDate>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace norvik::qt {

namespace {

const QColor ink(0x24, 0x2c, 0x3a);
const QColor navy(0x14, 0x24, 0x5c);
const QColor sky(0xa6, 0xca, 0xf0);
const QColor paper(0xfb, 0xf8, 0xef);
const QColor accent(0xc8, 0x3c, 0x32);
const QColor leaf(0x2e, 0x9a, 0x48);

// Draws at 16 units square into a pixmap of the given side.
QPixmap glyphPixmap(int side, const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 16.0, side / 16.0);
    draw(painter);
    return pixmap;
}

void drawSave(QPainter& p) {
    p.setPen(QPen(navy, 1));
    p.setBrush(QColor(0x3d, 0x5f, 0xb8));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setBrush(paper);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(QColor(0xdc, 0xe3, 0xf2));
    p.drawRect(QRectF(4, 9, 8, 5.5));
    p.setPen(Qt::NoPen);
    p.setBrush(navy);
    p.drawRect(QRectF(9.5, 2.5, 1.5, 3));
}

void drawClear(QPainter& p) {
    // A sheet with a sweeping eraser across it.
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawRect(QRectF(2.5, 1.5, 9, 12));
    p.setPen(QPen(QColor(0x9a, 0xa6, 0xb8), 1));
    for (double y = 4.5; y < 12; y += 2.5) {
        p.drawLine(QPointF(4.5, y), QPointF(9.5, y));
    }
    p.save();
    p.translate(10.5, 10.5);
    p.rotate(-40);
    p.setPen(QPen(ink, 0.8));
    p.setBrush(QColor(0xf0, 0x8c, 0xa8));
    p.drawRoundedRect(QRectF(-5, -2.2, 6, 4.4), 1, 1);
    p.setBrush(QColor(0x5a, 0x86, 0xd8));
    p.drawRoundedRect(QRectF(1, -2.2, 4, 4.4), 1, 1);
    p.restore();
}

void drawSearch(QPainter& p) {
    p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.8, 9.8), QPointF(14.2, 14.2));
    QRadialGradient glass(QPointF(5.5, 5.5), 5.5);
    glass.setColorAt(0, Qt::white);
    glass.setColorAt(1, sky);
    p.setBrush(glass);
    p.setPen(QPen(ink, 1.4));
    p.drawEllipse(QPointF(6.5, 6.5), 4.6, 4.6);
}

void drawAdd(QPainter& p) {
    p.setPen(QPen(leaf.darker(140), 1));
    p.setBrush(leaf);
    QPainterPath plus;
    plus.addRect(QRectF(6, 2, 4, 12));
    plus.addRect(QRectF(2, 6, 12, 4));
    p.drawPath(plus.simplified());
}

void drawEdit(QPainter& p) {
    p.save();
    p.translate(8, 8);
    p.rotate(45);
    p.setPen(QPen(ink, 0.8));
    p.setBrush(QColor(0xf2, 0xc2, 0x3a));
    p.drawRect(QRectF(-2, -7, 4, 10));
    p.setBrush(QColor(0xf0, 0x8c, 0xa8));
    p.drawRect(QRectF(-2, -8.5, 4, 1.5));
    p.setBrush(QColor(0xf1, 0xd9, 0xb0));
    QPolygonF tip;
    tip << QPointF(-2, 3) << QPointF(2, 3) << QPointF(0, 7);
    p.drawPolygon(tip);
    p.restore();
    p.setPen(QPen(navy, 1));
    p.drawLine(QPointF(9, 14.5), QPointF(15, 14.5));
}

void drawDelete(QPainter& p) {
    p.setPen(QPen(accent, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

// A desk calendar page: rings, a red head, a grid of days with one circled.
void drawCalendar(QPainter& p, const QRectF& area, bool withGrid) {
    const double unit = area.width() / 16.0;
    const QRectF page = area.adjusted(unit, unit * 2, -unit, -unit * 0.5);
    p.setPen(QPen(ink, std::max(1.0, unit * 0.5)));
    p.setBrush(paper);
    p.drawRoundedRect(page, unit, unit);
    const QRectF head(page.left(), page.top(), page.width(), page.height() * 0.28);
    QLinearGradient red(head.topLeft(), head.bottomLeft());
    red.setColorAt(0, accent.lighter(120));
    red.setColorAt(1, accent);
    p.setBrush(red);
    QPainterPath headPath;
    headPath.addRoundedRect(head, unit, unit);
    headPath.addRect(head.adjusted(0, head.height() / 2, 0, 0));
    p.drawPath(headPath.simplified());
    p.setBrush(QColor(0xd0, 0xd4, 0xdc));
    for (double x : {page.left() + page.width() * 0.28, page.right() - page.width() * 0.28}) {
        p.drawRoundedRect(QRectF(x - unit * 0.8, area.top() + unit * 0.5, unit * 1.6, unit * 3),
                          unit * 0.6, unit * 0.6);
    }
    if (!withGrid) {
        p.setPen(QPen(navy, unit * 1.2, Qt::SolidLine, Qt::RoundCap));
        const double y0 = head.bottom() + unit * 2.2;
        for (int row = 0; row < 3; ++row) {
            const double y = y0 + row * unit * 2.6;
            p.drawLine(QPointF(page.left() + unit * 2, y), QPointF(page.right() - unit * 2, y));
        }
        return;
    }
    const QRectF grid = page.adjusted(unit * 1.2, head.height() + unit, -unit * 1.2, -unit);
    const double cellW = grid.width() / 7;
    const double cellH = grid.height() / 5;
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 7; ++col) {
            const QPointF centre(grid.left() + (col + 0.5) * cellW,
                                 grid.top() + (row + 0.5) * cellH);
            p.setBrush(col >= 5 ? accent.lighter(150) : QColor(0x8c, 0x98, 0xb0));
            p.drawEllipse(centre, cellW * 0.18, cellH * 0.18);
        }
    }
    p.setPen(QPen(accent, unit * 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(grid.left() + 3.5 * cellW, grid.top() + 2.5 * cellH), cellW * 0.45,
                  cellH * 0.45);
}

QPixmap blank(QSize size) {
    QPixmap pixmap(size.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap banner(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = pixmap.rect();
    QLinearGradient sea(r.topLeft(), r.topRight());
    sea.setColorAt(0, QColor(0x0b, 0x17, 0x45));
    sea.setColorAt(0.55, QColor(0x1d, 0x4f, 0x91));
    sea.setColorAt(1, QColor(0x6f, 0xa8, 0xdc));
    p.fillRect(r, sea);
    // Soft waves along the bottom.
    for (int band = 0; band < 3; ++band) {
        QPainterPath wave;
        const double base = r.height() * (0.62 + band * 0.14);
        wave.moveTo(0, base);
        for (double x = 0; x <= r.width(); x += 8) {
            wave.lineTo(x, base + std::sin(x / (60.0 + band * 20) + band) * 3);
        }
        wave.lineTo(r.width(), r.height());
        wave.lineTo(0, r.height());
        wave.closeSubpath();
        p.fillPath(wave, QColor(255, 255, 255, 18 + band * 10));
    }
    // A row of faint day squares on the right, like a calendar strip.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const double x = r.width() - 24 - i * 22;
        p.setBrush(QColor(255, 255, 255, 30 + (i % 7 == 0 ? 50 : 0)));
        p.drawRoundedRect(QRectF(x, r.height() * 0.2, 16, 16), 3, 3);
    }
    drawCalendar(p, QRectF(16, (r.height() - 44) / 2, 44, 44), true);
    QFont title(QStringLiteral("Liberation Serif"));
    title.setPixelSize(std::max(10, static_cast<int>(r.height() * 0.55)));
    title.setItalic(true);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 90));
    const QRectF text = r.adjusted(76, 0, 0, 0);
    p.drawText(text.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Norvik"));
    p.setPen(QColor(0xf6, 0xf1, 0xde));
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Norvik"));
    return pixmap;
}

QPixmap emblem(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(size.width(), size.height()) * 0.92;
    const QRectF area((size.width() - side) / 2, (size.height() - side) / 2, side, side);
    // A soft halo behind the page.
    QRadialGradient halo(area.center(), side * 0.6);
    halo.setColorAt(0, QColor(0xa6, 0xca, 0xf0, 150));
    halo.setColorAt(1, QColor(0xa6, 0xca, 0xf0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(area.center(), side * 0.6, side * 0.5);
    drawCalendar(p, area, true);
    return pixmap;
}

QPixmap reminder(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = std::min(size.width(), size.height()) / 16.0;
    p.scale(s, s);
    QPainterPath bell;
    bell.moveTo(8, 1.8);
    bell.cubicTo(4.2, 1.8, 3.6, 5, 3.6, 8);
    bell.lineTo(2, 11.5);
    bell.lineTo(14, 11.5);
    bell.lineTo(12.4, 8);
    bell.cubicTo(12.4, 5, 11.8, 1.8, 8, 1.8);
    QLinearGradient gold(0, 2, 0, 12);
    gold.setColorAt(0, QColor(0xff, 0xe0, 0x7a));
    gold.setColorAt(1, QColor(0xe0, 0x9a, 0x1c));
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x10), 0.8));
    p.setBrush(gold);
    p.drawPath(bell);
    p.drawEllipse(QPointF(8, 13), 1.6, 1.6);
    return pixmap;
}

QPixmap screen(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(pixmap.rect()).adjusted(2, 2, -2, -2);
    const QRectF display(r.left(), r.top(), r.width(), r.height() * 0.8);
    p.setPen(QPen(ink, 2));
    p.setBrush(QColor(0x14, 0x24, 0x5c));
    p.drawRoundedRect(display, 4, 4);
    const QRectF inner = display.adjusted(6, 6, -6, -6);
    p.fillRect(inner, QColor(0x00, 0x00, 0x80));
    const QRectF band(inner.left(), inner.top() + inner.height() * 0.55, inner.width(),
                      inner.height() * 0.12);
    p.fillRect(band, QColor(0x6f, 0xa8, 0xdc));
    p.fillRect(QRectF(inner.left() + 4, inner.top() + 4, inner.width() * 0.38 - 4,
                      inner.height() * 0.5 - 6),
               sky);
    p.fillRect(QRectF(inner.right() - inner.width() * 0.38, inner.top() + 4,
                      inner.width() * 0.38 - 4, inner.height() * 0.5 - 6),
               sky);
    p.fillRect(QRectF(inner.left() + 4, band.bottom() + 4, inner.width() - 8,
                      inner.bottom() - band.bottom() - 8),
               sky);
    p.setBrush(QColor(0x9a, 0xa6, 0xb8));
    p.drawRect(QRectF(r.center().x() - r.width() * 0.08, display.bottom(), r.width() * 0.16,
                      r.height() * 0.12));
    p.drawRoundedRect(QRectF(r.center().x() - r.width() * 0.22, r.bottom() - r.height() * 0.08,
                             r.width() * 0.44, r.height() * 0.08),
                      2, 2);
    return pixmap;
}

// A neutral head-and-shoulders outline: the program shows no one's likeness.
QPixmap author(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = pixmap.rect();
    QLinearGradient back(r.topLeft(), r.bottomLeft());
    back.setColorAt(0, QColor(0xdc, 0xe6, 0xf4));
    back.setColorAt(1, QColor(0x9c, 0xb4, 0xd8));
    p.fillRect(r, back);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x5a, 0x7a));
    const double w = r.width();
    const double h = r.height();
    p.drawEllipse(QPointF(w / 2, h * 0.38), w * 0.18, w * 0.18);
    p.drawRoundedRect(QRectF(w * 0.2, h * 0.62, w * 0.6, h * 0.5), w * 0.25, w * 0.25);
    return pixmap;
}

} // namespace

QIcon buttonGlyph(const std::string& name) {
    std::function<void(QPainter&)> draw;
    if (name == "save") {
        draw = drawSave;
    } else if (name == "clear") {
        draw = drawClear;
    } else if (name == "search") {
        draw = drawSearch;
    } else if (name == "add") {
        draw = drawAdd;
    } else if (name == "edit") {
        draw = drawEdit;
    } else if (name == "delete") {
        draw = drawDelete;
    } else {
        return {};
    }
    QIcon icon;
    icon.addPixmap(glyphPixmap(16, draw));
    icon.addPixmap(glyphPixmap(32, draw));
    return icon;
}

QPixmap picture(const std::string& name, QSize size) {
    if (name == "banner") {
        return banner(size);
    }
    if (name == "emblem") {
        return emblem(size);
    }
    if (name == "reminder") {
        return reminder(size);
    }
    if (name == "screen") {
        return screen(size);
    }
    if (name == "author") {
        return author(size);
    }
    const int side = std::max(1, std::min(size.width(), size.height()));
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.drawPixmap((size.width() - side) / 2, (size.height() - side) / 2,
                 programIcon().pixmap(side, side));
    return pixmap;
}

QIcon programIcon() {
    // The menu entry's icon, drawn from its SVG at each size when building.
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/norvik-%1.png").arg(side), QSize(side, side));
    }
    return icon;
}

} // namespace norvik::qt
