// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/CurrentLineMarker.h"

#include "kit/ListBox.h"

#include <QAbstractItemView>
#include <QPainter>

namespace norvik::qt {

namespace {

// A marked line beside the due one: the highlight mixed into the list's colour.
constexpr double tintShare = 0.3;

QColor mixed(const QColor& base, const QColor& over, double share) {
    return QColor::fromRgbF(static_cast<float>(base.redF() * (1 - share) + over.redF() * share),
                            static_cast<float>(base.greenF() * (1 - share) + over.greenF() * share),
                            static_cast<float>(base.blueF() * (1 - share) + over.blueF() * share));
}

// Sets a colour role alike in every state of the window, active or not.
void setEverywhere(QPalette& palette, QPalette::ColorRole role, const QColor& color) {
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
}

} // namespace

CurrentLineMarker::CurrentLineMarker(QAbstractItemView& view, const ListBox& list)
    : QStyledItemDelegate(&view), view_(view), list_(list) {}

void CurrentLineMarker::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    // The style's own focus rectangle comes and goes with the focus; the frame
    // below replaces it.
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    const bool current = index == view_.currentIndex();
    const QPalette& colors = option.palette;
    const QColor highlight = colors.color(QPalette::Active, QPalette::Highlight);
    if (list_.currentIsDue) {
        if (current) {
            // Filled as the selection of an active window, whether it is active or not.
            plain.state |= QStyle::State_Selected;
            setEverywhere(plain.palette, QPalette::Highlight, highlight);
            setEverywhere(plain.palette, QPalette::HighlightedText,
                          colors.color(QPalette::Active, QPalette::HighlightedText));
        } else if ((plain.state & QStyle::State_Selected) != 0) {
            setEverywhere(
                plain.palette, QPalette::Highlight,
                mixed(colors.color(QPalette::Active, QPalette::Base), highlight, tintShare));
            setEverywhere(plain.palette, QPalette::HighlightedText,
                          colors.color(QPalette::Active, QPalette::Text));
        }
    }
    QStyledItemDelegate::paint(painter, plain, index);
    if (!current) {
        return;
    }
    // The due line's frame is in the text colour on the list's colour, around
    // the filled band; the current line's inside a marked line in the
    // selection's text colour.
    const bool marked = !list_.currentIsDue && (option.state & QStyle::State_Selected) != 0;
    painter->save();
    QPen pen(colors.color(QPalette::Active, marked ? QPalette::HighlightedText : QPalette::Text));
    // Two pixels wide, solid: it must catch the eye when a reminder comes.
    pen.setWidth(2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

} // namespace norvik::qt
