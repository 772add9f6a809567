// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/CurrentLineMarker.h"

#include <QAbstractItemView>
#include <QPainter>

namespace norvik::qt {

CurrentLineMarker::CurrentLineMarker(QAbstractItemView& view)
    : QStyledItemDelegate(&view), view_(view) {}

void CurrentLineMarker::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    // The style's own focus rectangle comes and goes with the focus; the frame
    // below replaces it.
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    if (index != view_.currentIndex()) {
        return;
    }
    const bool marked = (option.state & QStyle::State_Selected) != 0;
    painter->save();
    QPen pen(option.palette.color(QPalette::Active,
                                  marked ? QPalette::HighlightedText : QPalette::Text));
    // Two pixels wide, solid: it must catch the eye when a reminder comes.
    pen.setWidth(2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

} // namespace norvik::qt
