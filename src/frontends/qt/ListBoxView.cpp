// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/ControlViews.h"
#include "frontends/qt/CurrentLineMarker.h"
#include "frontends/qt/KeyInput.h"
#include "frontends/qt/Look.h"
#include "frontends/qt/QtPlatform.h"
#include "kit/UserActions.h"

#include <QItemSelection>
#include <QScrollBar>

namespace norvik::qt {

ListBoxView::ListBoxView(QtPlatform& platform, ListBox& list, QWidget& parent)
    : ControlView(list, *new ListView(&parent)), platform_(platform), list_(list),
      widget_(static_cast<ListView&>(widget())), model_(new ListModel(list, &widget_)) {
    widget_.setModel(model_);
    widget_.setItemDelegate(new CurrentLineMarker(widget_, list_));
    // Uniform rows: a list of hundreds of thousands of lines lays out at once.
    widget_.setUniformItemSizes(true);
    widget_.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    widget_.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    widget_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget_.setTextElideMode(Qt::ElideNone);
    widget_.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    new KeyInput(platform, list, widget_);

    QObject::connect(widget_.selectionModel(), &QItemSelectionModel::selectionChanged, &widget_,
                     [this](const QItemSelection& selected, const QItemSelection& deselected) {
                         if (applying_) {
                             return;
                         }
                         for (const QItemSelectionRange& range : deselected) {
                             for (int row = range.top(); row <= range.bottom(); ++row) {
                                 if (row < list_.count()) {
                                     list_.setSelected(row, false);
                                 }
                             }
                         }
                         for (const QItemSelectionRange& range : selected) {
                             for (int row = range.top(); row <= range.bottom(); ++row) {
                                 if (row < list_.count()) {
                                     list_.setSelected(row, true);
                                 }
                             }
                         }
                         noteOwnChange();
                     });
    QObject::connect(widget_.selectionModel(), &QItemSelectionModel::currentChanged, &widget_,
                     [this](const QModelIndex& current) {
                         if (applying_ || !current.isValid() || current.row() >= list_.count()) {
                             return;
                         }
                         list_.setCurrent(current.row());
                         noteOwnChange();
                     });
    QObject::connect(widget_.verticalScrollBar(), &QScrollBar::valueChanged, &widget_,
                     [this](int value) {
                         if (applying_) {
                             return;
                         }
                         list_.setTopIndex(value);
                         noteOwnChange();
                     });
    // The widget has already moved the marks and the current line.
    auto click = [this] {
        if (list_.onClick) {
            platform_.run([this] { linesChosen(list_); });
        }
    };
    QObject::connect(&widget_, &QAbstractItemView::clicked, &widget_, click);
    widget_.onKeyboardMove = click;
}

void ListBoxView::noteOwnChange() {
    state_ = list_.stateRevision();
}

void ListBoxView::syncOwn() {
    bool stateDue = first_ || list_.stateRevision() != state_;
    if (first_ || list_.multiSelect != multiSelect_) {
        multiSelect_ = list_.multiSelect;
        widget_.setSelectionMode(multiSelect_ ? QAbstractItemView::ExtendedSelection
                                              : QAbstractItemView::SingleSelection);
    }
    if (first_ || list_.itemsRevision() != items_) {
        items_ = list_.itemsRevision();
        applying_ = true;
        model_->reload();
        applying_ = false;
        stateDue = true;
    }
    if (stateDue) {
        applyState();
    }
    if (list_.currentIsDue != due_) {
        due_ = list_.currentIsDue;
        widget_.viewport()->update();
    }
    first_ = false;
}

void ListBoxView::applyState() {
    applying_ = true;
    // The marks as ranges: one range for a run of marked lines, however long.
    QItemSelection selection;
    if (list_.selectedCount() > 0) {
        const int count = list_.count();
        int runStart = -1;
        for (int row = 0; row <= count; ++row) {
            const bool marked = row < count && list_.selected(row);
            if (marked && runStart < 0) {
                runStart = row;
            } else if (!marked && runStart >= 0) {
                selection.select(model_->index(runStart), model_->index(row - 1));
                runStart = -1;
            }
        }
    }
    QItemSelectionModel& model = *widget_.selectionModel();
    model.select(selection, QItemSelectionModel::ClearAndSelect);
    const int current = list_.current();
    model.setCurrentIndex(current >= 0 ? model_->index(current) : QModelIndex(),
                          QItemSelectionModel::NoUpdate);
    widget_.layoutNow();
    widget_.verticalScrollBar()->setValue(list_.topIndex());
    applying_ = false;
    state_ = list_.stateRevision();
}

void ListBoxView::applyColors() {
    paintField(widget_, list_.color, list_.font.color, true);
}

} // namespace norvik::qt
