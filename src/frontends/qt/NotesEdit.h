#pragma once

#include "kit/EditHistory.h"
#include "kit/TextBuffer.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QTextLayout>
#include <functional>
#include <memory>
#include <unordered_map>

namespace norvik::qt {

// The notes editor. It keeps the notes as the code page's bytes with CR LF
// breaks, so positions are the program's own and loading or saving copies
// nothing it need not; only the lines in view are laid out and drawn, so a
// diary of many megabytes opens as fast as a short one. The vertical scroll
// bar counts lines; a wrapped line scrolls by its rows under the wheel and
// the keys. What cannot be written in the code page is dropped on the way in.
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

    // Called after every change the user makes (typing, pasting, undoing).
    std::function<void()> onUserChange;

protected:
    bool event(QEvent* event) override;
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
    void forgetLayouts();
    int textWidth() const;
    // The row holding a position, and where it lies across that row.
    Row rowOf(std::size_t position) const;
    qreal xOf(std::size_t position) const;
    // The position in a row nearest to a place across it.
    std::size_t positionInRow(Row row, qreal x) const;
    // The caret's rectangle in viewport coordinates, if it is in view.
    QRectF caretRect() const;
    // Moves the top of the view by rows (negative: up); false at either end.
    bool scrollRows(int rows);
    void keepTopInText();
    void ensureCaretVisible();
    void syncScrollBar();

    // Editing as the user does it: recorded for undo, reported as a change.
    void edit(std::size_t from, std::size_t to, const Text& text, EditHistory::Kind kind);
    void typeText(const QString& text);
    void erase(bool forward, bool word);
    void applyChange(std::size_t from, std::size_t length, const Text& text,
                     EditHistory::Kind kind);
    void userChanged();

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
    bool settingScrollBar_ = false;
    QBasicTimer blink_;
    mutable std::unordered_map<std::size_t, std::unique_ptr<QTextLayout>> layouts_;
};

} // namespace norvik::qt
