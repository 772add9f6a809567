// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace norvik::qt {

// Draws a list's current line with a frame in the text colour, whether or not
// the list has the keyboard focus: the line an edit command works on, a due
// event or a found line is always visible, and stays distinct from the marked
// lines (a filled background) that a delete command removes.
class CurrentLineMarker : public QStyledItemDelegate {
public:
    explicit CurrentLineMarker(QAbstractItemView& view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QAbstractItemView& view_;
};

} // namespace norvik::qt
