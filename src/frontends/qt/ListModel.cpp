// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/ListModel.h"

#include "frontends/qt/QtText.h"

#include <QKeyEvent>
#include <QSize>

#include <algorithm>

namespace norvik::qt {

ListModel::ListModel(const ListBox& list, QObject* parent)
    : QAbstractListModel(parent), list_(list), rows_(list.count()) {}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    if (!index.isValid() || row < 0 || row >= list_.count()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return toQt(list_.item(row));
    }
    if (role == Qt::SizeHintRole) {
        // Every row has the list's item height; the width is the list's
        // horizontal extent, which gives the horizontal scroll range.
        return QSize(std::max(1, list_.horizontalExtent), std::max(1, list_.itemHeight));
    }
    return {};
}

void ListModel::reload() {
    beginResetModel();
    rows_ = list_.count();
    endResetModel();
}

void ListView::layoutNow() {
    executeDelayedItemsLayout();
    updateGeometries();
}

void ListView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    if (currentIndex() != before && onKeyboardMove) {
        onKeyboardMove();
    }
}

} // namespace norvik::qt
