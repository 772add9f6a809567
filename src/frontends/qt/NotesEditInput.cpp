// SPDX-License-Identifier: GPL-3.0-or-later
// What the user does in the notes editor from the keyboard and input
// methods, and the editing all input comes down to.
#include "frontends/qt/NotesEdit.h"

#include "frontends/qt/LeftOutNotice.h"
#include "frontends/qt/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextLine>

#include <algorithm>

namespace norvik::qt {

namespace {

// The keys that edit text, which the window's shortcuts must leave to the editor.
constexpr QKeySequence::StandardKey editingKeys[] = {QKeySequence::Undo,
                                                     QKeySequence::Redo,
                                                     QKeySequence::Cut,
                                                     QKeySequence::Copy,
                                                     QKeySequence::Paste,
                                                     QKeySequence::SelectAll,
                                                     QKeySequence::Delete,
                                                     QKeySequence::DeleteStartOfWord,
                                                     QKeySequence::DeleteEndOfWord};

bool typedText(const QKeyEvent& event) {
    const QString text = event.text();
    return !text.isEmpty() && text.front() >= u' ' && text.front() != QChar(0x7F);
}

// Ctrl+Y redoes too, as in most editors, beside the desktop's own Redo keys.
bool isRedo(const QKeyEvent& event) {
    return event.matches(QKeySequence::Redo) ||
           (event.key() == Qt::Key_Y &&
            (event.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier);
}

} // namespace

bool NotesEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto& key = static_cast<QKeyEvent&>(*event);
        const bool editing =
            isRedo(key) || std::any_of(std::begin(editingKeys), std::end(editingKeys),
                                       [&key](auto standard) { return key.matches(standard); });
        const Qt::KeyboardModifiers plain = key.modifiers() & ~Qt::ShiftModifier;
        if (editing ||
            (typedText(key) && (plain == Qt::NoModifier || plain == Qt::KeypadModifier))) {
            key.accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void NotesEdit::watchRefusedKeys() {
    installEventFilter(this);
}

bool NotesEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this && !readOnly_) {
        // Only hears: the key handlers after this filter drop the characters.
        if (event->type() == QEvent::KeyPress) {
            refuse(unstorableCount(static_cast<QKeyEvent*>(event)->text()), false);
        } else if (event->type() == QEvent::InputMethod) {
            refuse(unstorableCount(static_cast<QInputMethodEvent*>(event)->commitString()), false);
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void NotesEdit::refuse(qsizetype leftOut, bool tell) {
    if (leftOut == 0) {
        return;
    }
    if (beep) {
        beep();
    }
    if (tell) {
        notice_->tell(leftOut);
    }
}

void NotesEdit::userChanged() {
    if (onUserChange) {
        onUserChange();
    }
}

void NotesEdit::edit(std::size_t from, std::size_t to, const Text& text, EditHistory::Kind kind) {
    if (readOnly_ || (from == to && text.empty())) {
        return;
    }
    applyChange(from, to - from, text, kind);
    restartBlink();
    userChanged();
}

void NotesEdit::typeText(const QString& text) {
    refuse(unstorableCount(text), false);
    const Text bytes = fromQt(text);
    if (!bytes.empty()) {
        edit(selectionStart(), selectionEnd(), bytes, EditHistory::Kind::Typing);
    }
}

void NotesEdit::erase(bool forward, bool word) {
    if (anchor_ != caret_) {
        edit(selectionStart(), selectionEnd(), {}, EditHistory::Kind::Other);
    } else if (forward) {
        edit(caret_, word ? wordEdge(caret_, true) : nextCharacter(caret_), {},
             EditHistory::Kind::Erasing);
    } else {
        edit(word ? wordEdge(caret_, false) : previousCharacter(caret_), caret_, {},
             EditHistory::Kind::Erasing);
    }
}

void NotesEdit::undo() {
    if (readOnly_) {
        return;
    }
    if (const TextChange* change = history_.undo()) {
        replaceBytes(change->position, change->inserted.size(), change->removed);
        select(change->anchorBefore, change->caretBefore);
    }
    // The program hears of every undo and redo, also one with nothing left
    // to take back, so that it can tell the text is still the saved one.
    userChanged();
}

void NotesEdit::redo() {
    if (readOnly_) {
        return;
    }
    if (const TextChange* change = history_.redo()) {
        replaceBytes(change->position, change->removed.size(), change->inserted);
        const std::size_t end = change->position + change->inserted.size();
        select(end, end);
    }
    userChanged();
}

void NotesEdit::cut() {
    if (!readOnly_ && anchor_ != caret_) {
        copy();
        edit(selectionStart(), selectionEnd(), {}, EditHistory::Kind::Other);
    }
}

void NotesEdit::copy() const {
    if (anchor_ != caret_) {
        QApplication::clipboard()->setText(selectedText());
    }
}

void NotesEdit::paste() {
    if (!readOnly_) {
        insertForeign(QApplication::clipboard()->text(), selectionStart(), selectionEnd());
    }
}

void NotesEdit::insertForeign(const QString& text, std::size_t from, std::size_t to) {
    refuse(unstorableCount(text), true);
    edit(from, to, fromQt(text), EditHistory::Kind::Other);
}

void NotesEdit::selectAll() {
    anchor_ = 0;
    caret_ = buffer_.size();
    goalX_ = -1;
    viewport()->update();
    tellAssistiveTools();
    offerSelection();
}

std::size_t NotesEdit::nextCharacter(std::size_t position) const {
    if (position >= buffer_.size()) {
        return buffer_.size();
    }
    return position + (buffer_.at(position) == '\r' ? 2 : 1);
}

std::size_t NotesEdit::previousCharacter(std::size_t position) const {
    if (position == 0) {
        return 0;
    }
    return position - (buffer_.at(position - 1) == '\n' ? 2 : 1);
}

bool NotesEdit::isWordByte(std::size_t position) const {
    const char byte = buffer_.at(position);
    return toQt(std::string_view(&byte, 1)).front().isLetterOrNumber();
}

std::size_t NotesEdit::wordEdge(std::size_t position, bool forward) const {
    std::size_t at = position;
    if (forward) {
        while (at < buffer_.size() && isWordByte(at)) {
            ++at;
        }
        while (at < buffer_.size() && !isWordByte(at) && buffer_.at(at) != '\r') {
            ++at;
        }
        return at == position ? nextCharacter(position) : at;
    }
    while (at > 0 && !isWordByte(at - 1) && buffer_.at(at - 1) != '\n') {
        --at;
    }
    while (at > 0 && isWordByte(at - 1)) {
        --at;
    }
    return at == position ? previousCharacter(position) : at;
}

std::size_t NotesEdit::verticalMove(int rows, qreal x) const {
    const Row from = rowOf(caret_);
    const Row to = stepped(from, rows);
    if (to == from) {
        return rows < 0 ? buffer_.lineStart(to.line) : buffer_.lineEnd(to.line);
    }
    return positionInRow(to, x);
}

std::size_t NotesEdit::rowEdge(bool end) const {
    const Row row = rowOf(caret_);
    const QTextLine line = layoutOf(row.line).lineAt(row.row);
    int column = line.textStart();
    if (end) {
        column += line.textLength();
        // Before the wrap: the end of a wrapped row is the next row's start.
        if (runsOn(row) && line.textLength() > 0) {
            --column;
        }
    }
    return buffer_.lineStart(row.line) + static_cast<std::size_t>(column);
}

void NotesEdit::moveCaret(std::size_t position, bool extend) {
    caret_ = buffer_.snap(position);
    if (!extend) {
        anchor_ = caret_;
    }
    ensureCaretVisible();
    restartBlink();
    tellAssistiveTools();
}

bool NotesEdit::moveByKey(const QKeyEvent& event) {
    using K = QKeySequence;
    struct Move {
        K::StandardKey move;
        K::StandardKey select;
    };
    static constexpr Move moves[] = {
        {K::MoveToNextChar, K::SelectNextChar},
        {K::MoveToPreviousChar, K::SelectPreviousChar},
        {K::MoveToNextWord, K::SelectNextWord},
        {K::MoveToPreviousWord, K::SelectPreviousWord},
        {K::MoveToNextLine, K::SelectNextLine},
        {K::MoveToPreviousLine, K::SelectPreviousLine},
        {K::MoveToNextPage, K::SelectNextPage},
        {K::MoveToPreviousPage, K::SelectPreviousPage},
        {K::MoveToStartOfLine, K::SelectStartOfLine},
        {K::MoveToEndOfLine, K::SelectEndOfLine},
        {K::MoveToStartOfDocument, K::SelectStartOfDocument},
        {K::MoveToEndOfDocument, K::SelectEndOfDocument},
    };
    const auto found = std::find_if(std::begin(moves), std::end(moves), [&event](Move m) {
        return event.matches(m.move) || event.matches(m.select);
    });
    if (found == std::end(moves)) {
        return false;
    }
    const bool extend = event.matches(found->select);
    const bool selection = anchor_ != caret_;
    const int page = pageRows();
    qreal goal = -1;
    std::size_t to = caret_;
    switch (found->move) {
    case K::MoveToNextChar:
        to = selection && !extend ? selectionEnd() : nextCharacter(caret_);
        break;
    case K::MoveToPreviousChar:
        to = selection && !extend ? selectionStart() : previousCharacter(caret_);
        break;
    case K::MoveToNextWord:
        to = wordEdge(caret_, true);
        break;
    case K::MoveToPreviousWord:
        to = wordEdge(caret_, false);
        break;
    case K::MoveToNextLine:
    case K::MoveToPreviousLine:
    case K::MoveToNextPage:
    case K::MoveToPreviousPage: {
        const bool down = found->move == K::MoveToNextLine || found->move == K::MoveToNextPage;
        const bool byPage =
            found->move == K::MoveToNextPage || found->move == K::MoveToPreviousPage;
        goal = goalX_ >= 0 ? goalX_ : xOf(caret_);
        const int rows = (byPage ? page : 1) * (down ? 1 : -1);
        to = verticalMove(rows, goal);
        if (byPage) {
            scrollRows(rows);
        }
        break;
    }
    case K::MoveToStartOfLine:
        to = rowEdge(false);
        break;
    case K::MoveToEndOfLine:
        to = rowEdge(true);
        break;
    case K::MoveToStartOfDocument:
        to = 0;
        break;
    default:
        to = buffer_.size();
        break;
    }
    moveCaret(to, extend);
    goalX_ = goal;
    viewport()->update();
    if (extend) {
        offerSelection();
    }
    return true;
}

void NotesEdit::keyPressEvent(QKeyEvent* event) {
    if (moveByKey(*event)) {
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (readOnly_ || !editByKey(*event)) {
        event->ignore();
    }
}

bool NotesEdit::editByKey(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Undo)) {
        undo();
    } else if (isRedo(event)) {
        redo();
    } else if (event.matches(QKeySequence::Cut)) {
        cut();
    } else if (event.matches(QKeySequence::Paste)) {
        paste();
    } else if (event.matches(QKeySequence::DeleteStartOfWord)) {
        erase(false, true);
    } else if (event.matches(QKeySequence::DeleteEndOfWord)) {
        erase(true, true);
    } else if (event.matches(QKeySequence::Delete)) {
        erase(true, false);
    } else if (event.key() == Qt::Key_Backspace) {
        erase(false, false);
    } else if (event.matches(QKeySequence::InsertParagraphSeparator) ||
               event.matches(QKeySequence::InsertLineSeparator)) {
        edit(selectionStart(), selectionEnd(), "\r\n", EditHistory::Kind::Other);
    } else if (typedText(event)) {
        typeText(event.text());
    } else {
        return false;
    }
    return true;
}

void NotesEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!readOnly_ && !event->commitString().isEmpty()) {
        typeText(event->commitString());
    }
    event->accept();
}

QVariant NotesEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    const std::size_t line = buffer_.lineOf(caret_);
    const std::size_t start = buffer_.lineStart(line);
    switch (query) {
    case Qt::ImEnabled:
        return !readOnly_;
    case Qt::ImCursorRectangle:
        return caretRect().translated(viewport()->pos()).toRect();
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return static_cast<int>(caret_ - start);
    case Qt::ImAnchorPosition:
        return static_cast<int>(std::clamp(anchor_, start, buffer_.lineEnd(line)) - start);
    case Qt::ImSurroundingText:
        return toQt(buffer_.lineText(line));
    case Qt::ImCurrentSelection:
        return selectedText();
    case Qt::ImHints:
        return static_cast<int>(Qt::ImhMultiLine);
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

void NotesEdit::deleteSelection() {
    edit(selectionStart(), selectionEnd(), {}, EditHistory::Kind::Other);
}

} // namespace norvik::qt
