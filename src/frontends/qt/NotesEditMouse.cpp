// What the user does in the notes editor with the mouse: clicks and drags
// that select, dragging the selection away, dropped text, the wheel and the
// context menu.
#include "frontends/qt/NotesEdit.h"

#include "frontends/qt/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace norvik::qt {

void NotesEdit::mousePressEvent(QMouseEvent* event) {
    const std::size_t at = positionAt(event->position());
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection() &&
        !readOnly_) {
        // The desktop's selection goes in where the middle button is pressed.
        moveCaret(at, false);
        edit(caret_, caret_, fromQt(QApplication::clipboard()->text(QClipboard::Selection)),
             EditHistory::Kind::Other);
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
    // Dragging past the top or the bottom edge scrolls the text along.
    if (event->position().y() < 0) {
        scrollRows(-1);
    } else if (event->position().y() > viewport()->height()) {
        scrollRows(1);
    }
    moveCaret(positionAt(event->position()), true);
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
        if (anchor_ != caret_ && QApplication::clipboard()->supportsSelection()) {
            QApplication::clipboard()->setText(selectedText(), QClipboard::Selection);
        }
    }
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
    const Text text = fromQt(event->mimeData()->text());
    if (event->source() != this || event->dropAction() != Qt::MoveAction) {
        moveCaret(at, false);
        edit(at, at, text, EditHistory::Kind::Other);
        event->acceptProposedAction();
        return;
    }
    // The selection moved within the notes: taken out and put in again, the
    // later place first so that the earlier one stays where it is.
    const std::size_t start = selectionStart();
    const std::size_t end = selectionEnd();
    if (at < start || at > end) {
        std::size_t from = at;
        std::size_t length = 0;
        if (at < start) {
            edit(start, end, {}, EditHistory::Kind::Other);
            length = buffer_.size();
            edit(at, at, text, EditHistory::Kind::Other);
            length = buffer_.size() - length;
        } else {
            length = buffer_.size();
            edit(at, at, text, EditHistory::Kind::Other);
            length = buffer_.size() - length;
            edit(start, end, {}, EditHistory::Kind::Other);
            from = at - (end - start);
        }
        select(from, from + length);
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
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
