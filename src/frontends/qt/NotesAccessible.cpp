// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/NotesAccessible.h"

#include "frontends/qt/NotesEdit.h"
#include "frontends/qt/QtText.h"

#include <algorithm>

namespace norvik::qt {

namespace {

std::size_t position(int offset) {
    return static_cast<std::size_t>(std::max(0, offset));
}

} // namespace

NotesAccessible::NotesAccessible(NotesEdit& editor)
    : QAccessibleWidget(&editor, QAccessible::EditableText) {}

NotesEdit& NotesAccessible::editor() const {
    return static_cast<NotesEdit&>(*widget());
}

void* NotesAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString NotesAccessible::text(QAccessible::Text which) const {
    if (which == QAccessible::Value) {
        return text(0, characterCount());
    }
    return QAccessibleWidget::text(which);
}

QAccessible::State NotesAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !editor().isReadOnly();
    state.readOnly = editor().isReadOnly();
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

void NotesAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    const NotesEdit& notes = editor();
    const bool any = selectionIndex == 0 && notes.anchor() != notes.caret();
    *startOffset = any ? static_cast<int>(std::min(notes.anchor(), notes.caret())) : 0;
    *endOffset = any ? static_cast<int>(std::max(notes.anchor(), notes.caret())) : 0;
}

int NotesAccessible::selectionCount() const {
    return editor().anchor() != editor().caret() ? 1 : 0;
}

void NotesAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void NotesAccessible::removeSelection(int /*selectionIndex*/) {
    editor().select(editor().caret(), editor().caret());
}

void NotesAccessible::setSelection(int /*selectionIndex*/, int startOffset, int endOffset) {
    editor().select(position(startOffset), position(endOffset));
}

int NotesAccessible::cursorPosition() const {
    return static_cast<int>(editor().caret());
}

void NotesAccessible::setCursorPosition(int offset) {
    editor().select(position(offset), position(offset));
}

QString NotesAccessible::text(int startOffset, int endOffset) const {
    const std::size_t start = position(startOffset);
    return toQt(
        editor().buffer().slice(start, position(endOffset) - std::min(start, position(endOffset))));
}

QString NotesAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                      int* startOffset, int* endOffset) const {
    const TextBuffer& buffer = editor().buffer();
    if (boundaryType != QAccessible::LineBoundary || position(offset) > buffer.size()) {
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    }
    const std::size_t line = buffer.lineOf(position(offset));
    *startOffset = static_cast<int>(buffer.lineStart(line));
    *endOffset = static_cast<int>(line + 1 < buffer.lineCount() ? buffer.lineStart(line + 1)
                                                                : buffer.size());
    return text(*startOffset, *endOffset);
}

int NotesAccessible::characterCount() const {
    return static_cast<int>(editor().buffer().size());
}

QRect NotesAccessible::characterRect(int offset) const {
    const QRectF place = editor().placeOf(position(offset));
    if (place.isNull()) {
        return {};
    }
    const QWidget& view = *editor().viewport();
    return QRect(view.mapToGlobal(place.topLeft().toPoint()), place.size().toSize());
}

int NotesAccessible::offsetAtPoint(const QPoint& point) const {
    const QWidget& view = *editor().viewport();
    const QPoint local = view.mapFromGlobal(point);
    if (!view.rect().contains(local)) {
        return -1;
    }
    return static_cast<int>(editor().positionAt(local));
}

void NotesAccessible::scrollToSubstring(int startIndex, int /*endIndex*/) {
    editor().select(position(startIndex), position(startIndex));
}

QString NotesAccessible::attributes(int /*offset*/, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void NotesAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, {});
}

void NotesAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void NotesAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    editor().replaceAsUser(position(startOffset), position(endOffset), fromQt(text));
}

QAccessibleInterface* notesAccessibleFactory(const QString& /*className*/, QObject* object) {
    auto* notes = dynamic_cast<NotesEdit*>(object);
    return notes == nullptr ? nullptr : new NotesAccessible(*notes);
}

} // namespace norvik::qt
