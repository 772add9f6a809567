// SPDX-License-Identifier: GPL-3.0-or-later
// What the user does in the notes editor with the mouse: clicks and drags
// that select, dragging the selection away, dropped text, the wheel and the
// context menu.
#include "frontends/qt/NotesEdit.h"

#include "frontends/qt/QtText.h"
#include "frontends/qt/SelectionOffer.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>

namespace norvik::qt {

namespace {

// How often a drag selection held past an edge scrolls on.
constexpr int autoScrollInterval = 50;

} // namespace

void NotesEdit::mousePressEvent(QMouseEvent* event) {
    const std::size_t at = positionAt(event->position());
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection() &&
        !readOnly_) {
        // The desktop's selection goes in where the middle button is pressed.
        moveCaret(at, false);
        insertForeign(QApplication::clipboard()->text(QClipboard::Selection), caret_, caret_);
        return;
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    goalX_ = -1;
    const bool nearDoubleClick = (event->position() - doubleClickPoint_).manhattanLength() <
                                 QApplication::startDragDistance();
    if (tripleClick_.isActive() && nearDoubleClick) {
        // A third click selects the whole line with its break, also a line
        // so long that the buffer keeps it cut in several.
        tripleClick_.stop();
        std::size_t first = buffer_.lineOf(at);
        while (first > 0 && !buffer_.endsWithBreak(first - 1)) {
            --first;
        }
        std::size_t last = buffer_.lineOf(at);
        while (!buffer_.endsWithBreak(last) && last + 1 < buffer_.lineCount()) {
            ++last;
        }
        anchor_ = buffer_.lineStart(first);
        moveCaret(nextCharacter(buffer_.lineEnd(last)), true);
        offerSelection();
        return;
    }
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    if (!extend && at >= selectionStart() && at < selectionEnd()) {
        // A press on the selection may start dragging it; a click places the caret.
        dragFrom_ = event->position();
        draggable_ = true;
        return;
    }
    selecting_ = true;
    moveCaret(at, extend);
    viewport()->update();
}

void NotesEdit::mouseMoveEvent(QMouseEvent* event) {
    if (draggable_) {
        if ((event->position() - dragFrom_).manhattanLength() >=
            QApplication::startDragDistance()) {
            draggable_ = false;
            dragSelection();
        }
        return;
    }
    if (!selecting_) {
        return;
    }
    // Dragging past the top or the bottom edge scrolls the text along, and
    // goes on scrolling while the mouse is held there.
    selectingAt_ = event->position();
    const bool past = selectingAt_.y() < 0 || selectingAt_.y() > viewport()->height();
    if (past) {
        if (!autoScroll_.isActive()) {
            autoScroll_.start(autoScrollInterval, this);
            scrollTowards(selectingAt_);
        }
        return;
    }
    autoScroll_.stop();
    moveCaret(positionAt(selectingAt_), true);
    viewport()->update();
}

void NotesEdit::scrollTowards(QPointF point) {
    if (!selecting_) {
        autoScroll_.stop();
        return;
    }
    // Further past the edge, faster: a row for each row's height beyond it.
    const qreal beyond = point.y() < 0 ? -point.y() : point.y() - viewport()->height();
    const int rows =
        std::max(1, static_cast<int>(beyond / std::max(1, fontMetrics().lineSpacing())));
    if (point.y() < 0) {
        scrollRows(-rows);
    } else if (point.y() > viewport()->height()) {
        scrollRows(rows);
    }
    // The caret follows to the row at the edge the mouse is past.
    const QPointF inside(point.x(), std::clamp<qreal>(point.y(), 0, viewport()->height() - 1));
    moveCaret(positionAt(inside), true);
    viewport()->update();
}

void NotesEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (draggable_) {
        draggable_ = false;
        moveCaret(positionAt(event->position()), false);
        return;
    }
    if (selecting_) {
        selecting_ = false;
        autoScroll_.stop();
        offerSelection();
    }
}

void NotesEdit::offerSelection() {
    QClipboard& clipboard = *QApplication::clipboard();
    if (anchor_ == caret_ || !clipboard.supportsSelection()) {
        return;
    }
    auto* offer = new SelectionOffer(*this, selectionStart(), selectionEnd());
    clipboard.setMimeData(offer, QClipboard::Selection);
    offered_ = offer;
}

void NotesEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    draggable_ = false;
    const std::size_t at = positionAt(event->position());
    std::size_t start = at;
    std::size_t end = at;
    while (start > 0 && isWordByte(start - 1)) {
        --start;
    }
    while (end < buffer_.size() && isWordByte(end)) {
        ++end;
    }
    if (start == end) {
        end = nextCharacter(at);
    }
    anchor_ = start;
    moveCaret(end, true);
    offerSelection();
    doubleClickPoint_ = event->position();
    tripleClick_.start(QApplication::doubleClickInterval(), this);
    viewport()->update();
}

void NotesEdit::dragSelection() {
    const std::size_t start = selectionStart();
    const std::size_t end = selectionEnd();
    auto* data = new QMimeData;
    data->setText(selectedText());
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    const Qt::DropActions allowed =
        readOnly_ ? Qt::DropActions(Qt::CopyAction) : (Qt::CopyAction | Qt::MoveAction);
    // A move into another window takes the text away from here; a move
    // within the notes is done by the drop itself, which reports a copy.
    if (drag->exec(allowed, Qt::MoveAction) == Qt::MoveAction) {
        edit(start, end, {}, EditHistory::Kind::Other);
    }
}

void NotesEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (!readOnly_ && event->mimeData()->hasText()) {
        event->acceptProposedAction();
    }
}

void NotesEdit::dragMoveEvent(QDragMoveEvent* event) {
    if (!readOnly_ && event->mimeData()->hasText()) {
        event->acceptProposedAction();
    }
}

void NotesEdit::dropEvent(QDropEvent* event) {
    if (readOnly_ || !event->mimeData()->hasText()) {
        return;
    }
    const std::size_t at = positionAt(event->position());
    if (event->source() != this || event->dropAction() != Qt::MoveAction) {
        moveCaret(at, false);
        insertForeign(event->mimeData()->text(), at, at);
        event->acceptProposedAction();
        return;
    }
    moveSelectionTo(at);
    // The move is done here: the drag's source must not take the text away.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void NotesEdit::moveSelectionTo(std::size_t at) {
    const std::size_t start = selectionStart();
    const std::size_t end = selectionEnd();
    if (at >= start && at <= end) {
        return;
    }
    // One change from the earlier place to the later one, with the moved
    // text and what it passed over in their new order: one step to undo,
    // and never the text in both places.
    const Text moved = buffer_.slice(start, end - start);
    if (at < start) {
        edit(at, end, moved + buffer_.slice(at, start - at), EditHistory::Kind::Other);
        select(at, at + moved.size());
    } else {
        edit(start, at, buffer_.slice(end, at - end) + moved, EditHistory::Kind::Other);
        select(at - moved.size(), at);
    }
}

void NotesEdit::wheelEvent(QWheelEvent* event) {
    wheelRest_ += event->angleDelta().y();
    const int notches = wheelRest_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRest_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0) {
        scrollRows(-notches * QApplication::wheelScrollLines());
    }
    event->accept();
}

void NotesEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    // The texts and their translations are the ones of Qt's own text editors.
    const auto add = [this, &menu](const char* text, QKeySequence::StandardKey key, bool enabled,
                                   const std::function<void()>& run) {
        QString caption = QCoreApplication::translate("QWidgetTextControl", text);
        const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
        if (!shortcut.isEmpty()) {
            caption += u'\t' + shortcut;
        }
        QAction* action = menu.addAction(caption);
        action->setEnabled(enabled);
        QObject::connect(action, &QAction::triggered, this, run);
    };
    const bool editable = !readOnly_;
    const bool selection = anchor_ != caret_;
    add("&Undo", QKeySequence::Undo, editable && history_.canUndo(), [this] { undo(); });
    add("&Redo", QKeySequence::Redo, editable && history_.canRedo(), [this] { redo(); });
    menu.addSeparator();
    add("Cu&t", QKeySequence::Cut, editable && selection, [this] { cut(); });
    add("&Copy", QKeySequence::Copy, selection, [this] { copy(); });
    add("&Paste", QKeySequence::Paste, editable && !QApplication::clipboard()->text().isEmpty(),
        [this] { paste(); });
    add("Delete", QKeySequence::UnknownKey, editable && selection, [this] { deleteSelection(); });
    menu.addSeparator();
    add("Select All", QKeySequence::SelectAll, !buffer_.empty(), [this] { selectAll(); });
    menu.exec(event->globalPos());
}

} // namespace norvik::qt
