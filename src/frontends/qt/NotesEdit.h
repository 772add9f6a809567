// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/EditHistory.h"
#include "kit/TextBuffer.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QPointer>
#include <QTextLayout>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>

namespace norvik::qt {

class LeftOutNotice;
class SelectionOffer;

// The notes editor. It keeps the notes as the code page's bytes with CR LF
// breaks, so positions are the program's own and loading or saving copies
// nothing it need not; only the lines in view are laid out and drawn, so a
// diary of many megabytes opens as fast as a short one. The vertical scroll
// bar measures the text without laying it out (see measureOf); the wheel and
// the keys scroll by rows. What cannot be written in the code page is
// refused on the way in, with a beep, and a paste says how much it left out.
class NotesEdit : public QAbstractScrollArea {
public:
    explicit NotesEdit(QWidget* parent = nullptr);
    ~NotesEdit() override;

    const TextBuffer& buffer() const { return buffer_; }
    Text text() const { return buffer_.text(); }
    std::string_view view() { return buffer_.view(); }
    QString selectedText() const;
    std::size_t anchor() const { return anchor_; }
    std::size_t caret() const { return caret_; }

    // The program's changes: the caret ends after the text they put in. A
    // new text also forgets what could be undone.
    void setText(Text text);
    void replaceSelection(const Text& text);
    void append(const Text& text);
    // Selects from `anchor` to `caret` (the caret alone when both are equal)
    // and brings the caret into view.
    void select(std::size_t anchor, std::size_t caret);
    // The text as it is now is the saved one; undoing or redoing back to it
    // makes atSaved true again.
    void markSaved() { history_.markSaved(); }
    bool atSaved() const { return history_.atSaved(); }

    // A change from outside the keyboard and mouse (an assistive tool) that
    // counts as the user's: it can be undone and is reported.
    void replaceAsUser(std::size_t from, std::size_t to, const Text& text);
    // Where a character is drawn, in the viewport; null when out of view.
    QRectF placeOf(std::size_t position) const;
    // The position nearest to a point of the viewport.
    std::size_t positionAt(QPointF point) const;

    void setWordWrap(bool wrap);
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly_; }

    // What the user can do from the keyboard and the context menu.
    void undo();
    void redo();
    void cut();
    void copy() const;
    void paste();
    void selectAll();
    void deleteSelection();
    // Moves the selection to `at` in one change, as a drag within the notes
    // drops it; nothing when `at` is inside the selection.
    void moveSelectionTo(std::size_t at);

    // Hears typed characters before the key handlers of the program drop
    // those the code page cannot hold, so that the user hears of it. Called
    // once those handlers are installed: the filter installed last sees
    // events first.
    void watchRefusedKeys();

    // Called after every change the user makes (typing, pasting, undoing).
    std::function<void()> onUserChange;
    // Tells the user that input was refused; the desktop's beep.
    std::function<void()> beep;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // A place on screen: a line and one of its rows.
    struct Row {
        std::size_t line = 0;
        int row = 0;
        auto operator<=>(const Row&) const = default;
    };

    QTextLayout& layoutOf(std::size_t line) const;
    int rowCount(std::size_t line) const { return layoutOf(line).lineCount(); }
    qreal rowHeight(Row row) const;
    // The row `rows` rows further down (up when negative), kept inside the text.
    Row stepped(Row from, int rows) const;
    // The highest top that still shows a row whole; the lowest top that
    // still fills the view; the view's height for text.
    Row topShowing(Row bottom) const;
    Row lastTop() const;
    qreal textHeight() const;
    // The rows a page moves by.
    int pageRows() const;
    void forgetLayouts();
    // Keeps the layouts of the lines an edit left as they were.
    void keepLayoutsThrough(const TextBuffer::LineChange& change);
    int textWidth() const;
    // The row holding a position, and where it lies across that row.
    Row rowOf(std::size_t position) const;
    qreal xOf(std::size_t position) const;
    // The position in a row nearest to a place across it.
    std::size_t positionInRow(Row row, qreal x) const;
    // Whether the text goes on after the row without a line break: a
    // wrapped row, or the last row of a line cut for its length.
    bool runsOn(Row row) const;
    // The caret's rectangle in viewport coordinates, if it is in view.
    QRectF caretRect() const;
    // Moves the top of the view by rows (negative: up); false at either end.
    bool scrollRows(int rows);
    void keepTopInText();
    void ensureCaretVisible();
    void syncScrollBar();
    // The scroll bar's measure of the text before a row: its bytes plus a
    // row's worth of bytes for each line before it. That follows the rows
    // the text fills without laying it out, for short lines and long ones
    // alike. Unwrapped, a line is a row and the measure counts lines.
    std::int64_t measureOf(Row row) const;
    std::int64_t measureOfEnd() const;
    Row rowAtMeasure(std::int64_t measure) const;
    std::int64_t bytesPerRow() const;
    void scrollBarAction(int action);

    // Every change of the bytes goes through here; returns the bytes put in.
    std::size_t replaceBytes(std::size_t from, std::size_t length, const Text& text);
    // Editing as the user does it: recorded for undo, reported as a change.
    void edit(std::size_t from, std::size_t to, const Text& text, EditHistory::Kind kind);
    void typeText(const QString& text);
    // Puts in text from elsewhere (the clipboard, a drop) at the selection or
    // at `at`, telling the user what the code page could not hold.
    void insertForeign(const QString& text, std::size_t from, std::size_t to);
    void erase(bool forward, bool word);
    void applyChange(std::size_t from, std::size_t length, const Text& text,
                     EditHistory::Kind kind);
    void userChanged();
    void refuse(qsizetype leftOut, bool tell);

    // Caret movement; `extend` keeps the anchor where it is.
    void moveCaret(std::size_t position, bool extend);
    bool moveByKey(const QKeyEvent& event);
    // A key that changes the text; false for one the editor leaves alone.
    bool editByKey(const QKeyEvent& event);
    std::size_t nextCharacter(std::size_t position) const;
    std::size_t previousCharacter(std::size_t position) const;
    std::size_t wordEdge(std::size_t position, bool forward) const;
    // The position `rows` rows from the caret's, nearest to `x` in its row.
    std::size_t verticalMove(int rows, qreal x) const;
    std::size_t rowEdge(bool end) const;

    bool isWordByte(std::size_t position) const;
    void dragSelection();
    // The selection becomes the desktop's primary selection, for a middle
    // click elsewhere.
    void offerSelection();
    // While a drag selection is held past the top or bottom edge.
    void scrollTowards(QPointF point);
    void restartBlink();
    void tellAssistiveTools();
    std::size_t selectionStart() const { return std::min(anchor_, caret_); }
    std::size_t selectionEnd() const { return std::max(anchor_, caret_); }

    TextBuffer buffer_;
    EditHistory history_;
    std::size_t anchor_ = 0;
    std::size_t caret_ = 0;
    // The caret's horizontal place kept through moves up and down.
    qreal goalX_ = -1;
    Row top_;
    int horizontalOffset_ = 0;
    bool wrap_ = true;
    bool readOnly_ = false;
    int wheelRest_ = 0;
    bool caretShown_ = false;
    bool selecting_ = false;
    // A press on the selection that may become a drag of it.
    bool draggable_ = false;
    QPointF dragFrom_;
    // A third click soon after a double click selects the line.
    QBasicTimer tripleClick_;
    QPointF doubleClickPoint_;
    // Scrolls on while the mouse selecting text stays past an edge.
    QBasicTimer autoScroll_;
    QPointF selectingAt_;
    bool settingScrollBar_ = false;
    // The scroll bar's value is the measure divided by this, to fit an int.
    std::int64_t scrollUnit_ = 1;
    QBasicTimer blink_;
    mutable std::unordered_map<std::size_t, std::unique_ptr<QTextLayout>> layouts_;
    mutable std::size_t laidOutBytes_ = 0;
    QPointer<SelectionOffer> offered_;
    LeftOutNotice* notice_ = nullptr;
};

} // namespace norvik::qt
