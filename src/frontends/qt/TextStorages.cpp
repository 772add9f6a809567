// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/TextStorages.h"

#include "frontends/qt/QtText.h"
#include "kit/RaisedFlag.h"
#include "kit/UserActions.h"

#include <QLineEdit>

#include <algorithm>

namespace norvik::qt {

std::size_t NotesStorage::selStart() const {
    return std::min(editor_.anchor(), editor_.caret());
}

std::size_t NotesStorage::selLength() const {
    return std::max(editor_.anchor(), editor_.caret()) - selStart();
}

void NotesStorage::setSelection(std::size_t start, std::size_t length) {
    const std::size_t total = this->length();
    start = std::min(start, total);
    editor_.select(start, start + std::min(length, total - start));
}

LineEditStorage::LineEditStorage(QLineEdit& edit) : edit_(edit) {
    userMoves_ = QObject::connect(&edit_, &QLineEdit::cursorPositionChanged, &edit_, [this] {
        if (!changing_) {
            caretAtEnd_ = false;
        }
    });
}

LineEditStorage::~LineEditStorage() {
    QObject::disconnect(userMoves_);
}

void LineEditStorage::showFromStart() {
    // In the field the user is in, the caret shows where typing goes.
    if (edit_.hasFocus()) {
        edit_.end(false);
        caretAtEnd_ = false;
        return;
    }
    edit_.setCursorPosition(0);
    caretAtEnd_ = true;
}

Text LineEditStorage::text() const {
    return fromQt(edit_.text());
}

std::string_view LineEditStorage::view() {
    // A field's text is short: it is converted into a copy kept for the caller.
    viewed_ = text();
    return viewed_;
}

void LineEditStorage::setText(Text text) {
    const RaisedFlag changing(changing_);
    edit_.setText(toQt(text));
    showFromStart();
}

std::size_t LineEditStorage::length() const {
    return static_cast<std::size_t>(edit_.text().size());
}

std::size_t LineEditStorage::selStart() const {
    if (caretAtEnd_) {
        return length();
    }
    return static_cast<std::size_t>(edit_.hasSelectedText() ? edit_.selectionStart()
                                                            : edit_.cursorPosition());
}

std::size_t LineEditStorage::selLength() const {
    return caretAtEnd_ ? 0 : static_cast<std::size_t>(edit_.selectionLength());
}

void LineEditStorage::setSelection(std::size_t start, std::size_t length) {
    const RaisedFlag changing(changing_);
    caretAtEnd_ = false;
    const std::size_t total = this->length();
    start = std::min(start, total);
    length = std::min(length, total - start);
    if (length == 0 && start == total) {
        // The caret after a text the program set (a field filled before its
        // window shows): the text shows from its start.
        showFromStart();
    } else if (length == 0) {
        edit_.setCursorPosition(static_cast<int>(start));
    } else {
        edit_.setSelection(static_cast<int>(start), static_cast<int>(length));
    }
}

void LineEditStorage::replaceSelection(const Text& text) {
    const RaisedFlag changing(changing_);
    if (caretAtEnd_) {
        edit_.end(false);
        caretAtEnd_ = false;
    }
    edit_.insert(toQt(text));
}

void LineEditStorage::append(const Text& text) {
    const RaisedFlag changing(changing_);
    edit_.setText(edit_.text() + toQt(text));
    showFromStart();
}

bool LineEditStorage::endsWith(const Text& tail) const {
    return edit_.text().endsWith(toQt(tail));
}

QValidator::State EditValidator::validate(QString& input, int& position) const {
    if (programChanging_ && programChanging_()) {
        return Acceptable;
    }
    QString cleaned;
    cleaned.reserve(input.size());
    int cursor = position;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (storable(input[i])) {
            cleaned += input[i];
        } else if (i < position) {
            --cursor;
        }
    }
    input = cleaned;
    position = cursor;
    // What the change added sits just before the cursor. Every character left
    // is one byte of the code page, so the kit's paste rule applies to its
    // bytes position for position.
    const qsizetype added = input.size() - previous_.size();
    if (added > 0) {
        const qsizetype start = std::max<qsizetype>(0, position - added);
        const Text inserted = fromQt(input.mid(start, position - start));
        const Text kept =
            pastable(inserted, true,
                     roomBeside(limit_ ? limit_() : 0, static_cast<std::size_t>(previous_.size())));
        if (kept.size() < inserted.size()) {
            const auto end = start + static_cast<qsizetype>(kept.size());
            input.remove(end, position - end);
            position = static_cast<int>(end);
        }
    }
    return Acceptable;
}

} // namespace norvik::qt
