// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace norvik {
class ListBox;
}

namespace norvik::qt {

// Draws a list's current line with a frame in the text colour, whether or not
// the list has the keyboard focus: the line an edit command works on, a due
// event or a found line is always visible, and stays distinct from the marked
// lines (a filled background) that a delete command removes. While a reminder
// is open for the current line, that line is filled with the active highlight
// colour, also in an inactive window, and the marks on other lines turn to a
// lighter tint of it, so the due event is the line that stands out.
class CurrentLineMarker : public QStyledItemDelegate {
public:
    CurrentLineMarker(QAbstractItemView& view, const ListBox& list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QAbstractItemView& view_;
    const ListBox& list_;
};

} // namespace norvik::qt
