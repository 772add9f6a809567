#include "frontends/qt/TextStorages.h"

#include "frontends/qt/QtText.h"
#include "kit/RaisedFlag.h"
#include "kit/UserActions.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace norvik::qt {

namespace {

// Program text for the document: each CR LF, lone CR or lone LF is one block break.
QString toDocumentText(const Text& bytes) {
    return toQtParagraphs(bytes);
}

} // namespace

Text DocumentStorage::text() const {
    // Slice by slice into one string of the final size: no copy of the whole
    // document is made on the way, and each slice is read in one sweep (a
    // block at a time would look every block up from the top).
    constexpr int slice = 1 << 20;
    const int characters = editor_.document()->characterCount() - 1;
    Text out;
    out.reserve(length());
    QTextCursor cursor(editor_.document());
    for (int start = 0; start < characters; start += slice) {
        cursor.setPosition(start);
        cursor.setPosition(std::min(characters, start + slice), QTextCursor::KeepAnchor);
        appendFromQtParagraphs(out, cursor.selectedText());
    }
    return out;
}

void DocumentStorage::setText(Text text) {
    const RaisedFlag changing(changing_);
    editor_.setPlainText(toDocumentText(text));
    QTextCursor cursor = editor_.textCursor();
    cursor.movePosition(QTextCursor::End);
    editor_.setTextCursor(cursor);
}

std::size_t DocumentStorage::length() const {
    const QTextDocument& document = *editor_.document();
    // Every block but the last ends with a break that the program counts twice.
    return static_cast<std::size_t>(document.characterCount() - 1) +
           static_cast<std::size_t>(document.blockCount() - 1);
}

std::size_t DocumentStorage::toProgram(int position) const {
    const QTextBlock block = editor_.document()->findBlock(position);
    return static_cast<std::size_t>(position) +
           static_cast<std::size_t>(std::max(0, block.blockNumber()));
}

int DocumentStorage::toDocument(std::size_t position) const {
    const QTextDocument& document = *editor_.document();
    // The last block whose start, counted the program's way, is not past the position.
    int low = 0;
    int high = document.blockCount() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        const auto start = static_cast<std::size_t>(document.findBlockByNumber(middle).position()) +
                           static_cast<std::size_t>(middle);
        if (start <= position) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    const QTextBlock block = document.findBlockByNumber(low);
    const std::size_t start =
        static_cast<std::size_t>(block.position()) + static_cast<std::size_t>(low);
    const std::size_t offset = std::min(position - std::min(position, start),
                                        static_cast<std::size_t>(block.length() - 1));
    return block.position() + static_cast<int>(offset);
}

std::size_t DocumentStorage::selStart() const {
    return toProgram(editor_.textCursor().selectionStart());
}

std::size_t DocumentStorage::selLength() const {
    const QTextCursor cursor = editor_.textCursor();
    return toProgram(cursor.selectionEnd()) - toProgram(cursor.selectionStart());
}

void DocumentStorage::setSelection(std::size_t start, std::size_t length) {
    const std::size_t total = this->length();
    start = std::min(start, total);
    length = std::min(length, total - start);
    QTextCursor cursor = editor_.textCursor();
    cursor.setPosition(toDocument(start));
    cursor.setPosition(toDocument(start + length), QTextCursor::KeepAnchor);
    editor_.setTextCursor(cursor);
    editor_.ensureCursorVisible();
}

void DocumentStorage::replaceSelection(const Text& text) {
    const RaisedFlag changing(changing_);
    QTextCursor cursor = editor_.textCursor();
    cursor.insertText(toDocumentText(text));
    editor_.setTextCursor(cursor);
    editor_.ensureCursorVisible();
}

void DocumentStorage::append(const Text& text) {
    const RaisedFlag changing(changing_);
    QTextCursor cursor(editor_.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(toDocumentText(text));
    editor_.setTextCursor(cursor);
    editor_.ensureCursorVisible();
}

bool DocumentStorage::endsWith(const Text& tail) const {
    const QTextDocument& document = *editor_.document();
    // Only the last few characters are read, however long the notes are.
    Text last;
    int position = document.characterCount() - 1;
    while (last.size() < tail.size() && position > 0) {
        --position;
        const QChar character = document.characterAt(position);
        last.insert(0, character == QChar::ParagraphSeparator ? Text("\r\n")
                                                              : fromQt(QString(character)));
    }
    return last.size() >= tail.size() &&
           last.compare(last.size() - tail.size(), tail.size(), tail) == 0;
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
