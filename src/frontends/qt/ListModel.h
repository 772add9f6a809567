// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/ListBox.h"

#include <QAbstractListModel>
#include <QListView>
#include <cstdint>
#include <functional>

namespace norvik::qt {

// A kit list's lines for a list view. Nothing is copied: each shown row is
// converted when the view paints it. The row count is the one last announced,
// so that a view never asks for a line the program has removed since.
class ListModel : public QAbstractListModel {
public:
    explicit ListModel(const ListBox& list, QObject* parent);

    int rowCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The lines changed: the view starts over (cheap: no rows are copied).
    void reload();

private:
    const ListBox& list_;
    int rows_ = 0;
};

// A list view that can lay out its rows at once (so that a scroll position
// set right after a reload holds) and tells when the keyboard moved the
// current row.
class ListView : public QListView {
public:
    using QListView::QListView;
    void layoutNow();
    std::function<void()> onKeyboardMove;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace norvik::qt
