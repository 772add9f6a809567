// SPDX-License-Identifier: GPL-3.0-or-later
// The notes editor's text, layout, drawing and scrolling. What the user does
// is in NotesEditInput.cpp (keys and the editing they come down to) and
// NotesEditMouse.cpp (mouse, drops and the context menu).
#include "frontends/qt/NotesEdit.h"

#include "frontends/qt/LeftOutNotice.h"
#include "frontends/qt/QtText.h"
#include "frontends/qt/SelectionOffer.h"
#include "kit/LineBreaks.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTextLine>

#include <algorithm>
#include <climits>
#include <utility>

namespace norvik::qt {

namespace {

// Space around the text inside the frame.
constexpr int margin = 2;
// Laid-out lines kept for drawing, and the bytes of text they may hold
// (laid out, a byte takes some tens of bytes); a view shows far fewer.
constexpr std::size_t keptLayouts = 1000;
constexpr std::size_t keptLayoutBytes = 1 << 20;

} // namespace

NotesEdit::NotesEdit(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAcceptDrops(true);
    setAcceptDrops(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(1);
    // The bar's arrows and the track beside its handle scroll by rows.
    QObject::connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
                     [this](int action) { scrollBarAction(action); });
    beep = [] { QApplication::beep(); };
    notice_ = new LeftOutNotice(*this);
}

NotesEdit::~NotesEdit() = default;

QString NotesEdit::selectedText() const {
    // A selected line break is one LF on the clipboard, as everywhere on the desktop.
    QString text = toQt(buffer_.slice(selectionStart(), selectionEnd() - selectionStart()));
    text.remove(u'\r');
    return text;
}

void NotesEdit::setText(Text text) {
    if (offered_) {
        offered_->textChanging(0, buffer_.size(), 0);
    }
    buffer_.assign(std::move(text));
    history_.clear();
    forgetLayouts();
    top_ = {};
    horizontalOffset_ = 0;
    select(buffer_.size(), buffer_.size());
}

void NotesEdit::replaceSelection(const Text& text) {
    applyChange(selectionStart(), selectionEnd() - selectionStart(), text,
                EditHistory::Kind::Other);
}

void NotesEdit::append(const Text& text) {
    anchor_ = caret_ = buffer_.size();
    applyChange(buffer_.size(), 0, text, EditHistory::Kind::Other);
}

void NotesEdit::select(std::size_t anchor, std::size_t caret) {
    anchor_ = buffer_.snap(anchor);
    caret_ = buffer_.snap(caret);
    goalX_ = -1;
    ensureCaretVisible();
    viewport()->update();
    tellAssistiveTools();
}

void NotesEdit::tellAssistiveTools() {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleTextCursorEvent moved(this, static_cast<int>(caret_));
    QAccessible::updateAccessibility(&moved);
    QAccessibleTextSelectionEvent selected(this, static_cast<int>(selectionStart()),
                                           static_cast<int>(selectionEnd()));
    QAccessible::updateAccessibility(&selected);
}

void NotesEdit::setWordWrap(bool wrap) {
    wrap_ = wrap;
    horizontalOffset_ = 0;
    forgetLayouts();
    syncScrollBar();
    viewport()->update();
}

void NotesEdit::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    setAttribute(Qt::WA_InputMethodEnabled, !readOnly);
    restartBlink();
}

void NotesEdit::applyChange(std::size_t from, std::size_t length, const Text& text,
                            EditHistory::Kind kind) {
    TextChange change{.position = from,
                      .removed = buffer_.slice(from, length),
                      .inserted = {},
                      .anchorBefore = anchor_,
                      .caretBefore = caret_};
    const std::size_t inserted = replaceBytes(from, length, text);
    change.inserted = buffer_.slice(from, inserted);
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent changed(this, static_cast<int>(from), toQt(change.removed),
                                           toQt(change.inserted));
        QAccessible::updateAccessibility(&changed);
    }
    history_.record(std::move(change), kind);
    select(from + inserted, from + inserted);
}

std::size_t NotesEdit::replaceBytes(std::size_t from, std::size_t length, const Text& text) {
    Text inserted = normalizeLineBreaks(text);
    if (offered_) {
        // The offered selection is taken before the edit changes it.
        const std::size_t start = buffer_.snap(from);
        offered_->textChanging(start, buffer_.snap(start + length) - start, inserted.size());
    }
    const std::size_t put = buffer_.replace(from, length, std::move(inserted));
    keepLayoutsThrough(buffer_.lastLineChange());
    return put;
}

QTextLayout& NotesEdit::layoutOf(std::size_t line) const {
    auto& kept = layouts_[line];
    if (kept) {
        return *kept;
    }
    kept = std::make_unique<QTextLayout>(toQt(buffer_.lineText(line)), font(), viewport());
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(wrap_ ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    kept->setTextOption(option);
    kept->setCacheEnabled(true);
    kept->beginLayout();
    qreal y = 0;
    while (true) {
        QTextLine row = kept->createLine();
        if (!row.isValid()) {
            break;
        }
        row.setLeadingIncluded(true);
        row.setLineWidth(textWidth());
        row.setPosition(QPointF(0, y));
        y += row.height();
    }
    kept->endLayout();
    QTextLayout& layout = *kept;
    laidOutBytes_ += static_cast<std::size_t>(layout.text().size());
    if (layouts_.size() > keptLayouts || laidOutBytes_ > keptLayoutBytes) {
        // Keep the one asked for: the caller holds it.
        auto asked = std::move(kept);
        layouts_.clear();
        layouts_[line] = std::move(asked);
        laidOutBytes_ = static_cast<std::size_t>(layout.text().size());
    }
    return layout;
}

void NotesEdit::forgetLayouts() {
    layouts_.clear();
    laidOutBytes_ = 0;
}

void NotesEdit::keepLayoutsThrough(const TextBuffer::LineChange& change) {
    // The lines before the edit and after it are as they were; those after
    // it only moved. A long line cut in pieces keeps the rows of every piece
    // the edit did not touch.
    const std::size_t end = change.first + change.removed;
    const auto moved = [&change](std::size_t line) { return line - change.removed + change.added; };
    std::unordered_map<std::size_t, std::unique_ptr<QTextLayout>> kept;
    laidOutBytes_ = 0;
    for (auto& [line, layout] : layouts_) {
        if (line >= change.first && line < end) {
            continue;
        }
        laidOutBytes_ += static_cast<std::size_t>(layout->text().size());
        kept.emplace(line < change.first ? line : moved(line), std::move(layout));
    }
    layouts_ = std::move(kept);
    if (top_.line >= end) {
        top_.line = moved(top_.line);
    }
}

int NotesEdit::textWidth() const {
    return std::max(1, viewport()->width() - 2 * margin);
}

qreal NotesEdit::textHeight() const {
    return std::max(1, viewport()->height() - 2 * margin);
}

int NotesEdit::pageRows() const {
    return std::max(1, static_cast<int>(textHeight() / std::max(1, fontMetrics().lineSpacing())));
}

qreal NotesEdit::rowHeight(Row row) const {
    return layoutOf(row.line).lineAt(row.row).height();
}

NotesEdit::Row NotesEdit::stepped(Row from, int rows) const {
    for (; rows > 0; --rows) {
        if (from.row + 1 < rowCount(from.line)) {
            ++from.row;
        } else if (from.line + 1 < buffer_.lineCount()) {
            from = {from.line + 1, 0};
        } else {
            break;
        }
    }
    for (; rows < 0; ++rows) {
        if (from.row > 0) {
            --from.row;
        } else if (from.line > 0) {
            from = {from.line - 1, rowCount(from.line - 1) - 1};
        } else {
            break;
        }
    }
    return from;
}

NotesEdit::Row NotesEdit::topShowing(Row bottom) const {
    Row top = bottom;
    qreal filled = rowHeight(bottom);
    while (true) {
        const Row above = stepped(top, -1);
        if (above == top || filled + rowHeight(above) > textHeight()) {
            return top;
        }
        filled += rowHeight(above);
        top = above;
    }
}

NotesEdit::Row NotesEdit::lastTop() const {
    const std::size_t lastLine = buffer_.lineCount() - 1;
    return topShowing({lastLine, rowCount(lastLine) - 1});
}

NotesEdit::Row NotesEdit::rowOf(std::size_t position) const {
    const std::size_t line = buffer_.lineOf(position);
    const auto column = static_cast<int>(position - buffer_.lineStart(line));
    return {line, std::max(0, layoutOf(line).lineForTextPosition(column).lineNumber())};
}

std::size_t NotesEdit::positionAt(QPointF point) const {
    Row row = top_;
    qreal y = margin;
    // Down row by row from the top of the view to the row under the point.
    while (y + rowHeight(row) <= point.y()) {
        const Row below = stepped(row, 1);
        if (below == row) {
            break;
        }
        y += rowHeight(row);
        row = below;
    }
    return positionInRow(row, point.x() - margin + horizontalOffset_);
}

std::size_t NotesEdit::positionInRow(Row row, qreal x) const {
    const QTextLine line = layoutOf(row.line).lineAt(row.row);
    int column = line.xToCursor(x);
    // A place after the end of a wrapped row puts the caret before the wrap.
    const int rowEnd = line.textStart() + line.textLength();
    if (column >= rowEnd && runsOn(row) && rowEnd > line.textStart()) {
        column = rowEnd - 1;
    }
    return std::min(buffer_.lineStart(row.line) + static_cast<std::size_t>(column),
                    buffer_.lineEnd(row.line));
}

bool NotesEdit::runsOn(Row row) const {
    return row.row + 1 < rowCount(row.line) ||
           (row.line + 1 < buffer_.lineCount() && !buffer_.endsWithBreak(row.line));
}

qreal NotesEdit::xOf(std::size_t position) const {
    const Row row = rowOf(position);
    return layoutOf(row.line).lineAt(row.row).cursorToX(
        static_cast<int>(position - buffer_.lineStart(row.line)));
}

QRectF NotesEdit::placeOf(std::size_t position) const {
    position = buffer_.snap(position);
    const Row at = rowOf(position);
    if (at < top_) {
        return {};
    }
    qreal y = margin;
    for (Row row = top_; row < at; row = stepped(row, 1)) {
        y += rowHeight(row);
        if (y > viewport()->height()) {
            return {};
        }
    }
    const QTextLine line = layoutOf(at.line).lineAt(at.row);
    const auto column = static_cast<int>(position - buffer_.lineStart(at.line));
    const qreal x = line.cursorToX(column);
    const qreal width = column < line.textStart() + line.textLength()
                            ? std::max<qreal>(1, line.cursorToX(column + 1) - x)
                            : 1;
    return {margin - horizontalOffset_ + x, y, width, line.height()};
}

QRectF NotesEdit::caretRect() const {
    const QRectF place = placeOf(caret_);
    return place.isNull() ? place : QRectF(place.x(), place.y(), 1, place.height());
}

void NotesEdit::replaceAsUser(std::size_t from, std::size_t to, const Text& text) {
    from = buffer_.snap(from);
    to = buffer_.snap(to);
    edit(std::min(from, to), std::max(from, to), text, EditHistory::Kind::Other);
}

bool NotesEdit::scrollRows(int rows) {
    const Row before = top_;
    top_ = std::min(stepped(top_, rows), lastTop());
    if (top_ == before) {
        return false;
    }
    syncScrollBar();
    viewport()->update();
    return true;
}

void NotesEdit::keepTopInText() {
    // An edit, a new width or wrapping may leave fewer lines or rows than
    // the top of the view pointed at.
    if (top_.line >= buffer_.lineCount()) {
        top_ = {buffer_.lineCount() - 1, 0};
    }
    top_.row = std::min(top_.row, rowCount(top_.line) - 1);
}

void NotesEdit::ensureCaretVisible() {
    keepTopInText();
    const Row caret = rowOf(caret_);
    if (caret < top_) {
        top_ = caret;
    } else {
        top_ = std::max(top_, topShowing(caret));
    }
    if (!wrap_) {
        const auto x = static_cast<int>(xOf(caret_));
        if (x < horizontalOffset_) {
            horizontalOffset_ = std::max(0, x - textWidth() / 4);
        } else if (x >= horizontalOffset_ + textWidth()) {
            horizontalOffset_ = x - textWidth() * 3 / 4;
        }
    }
    syncScrollBar();
}

std::int64_t NotesEdit::bytesPerRow() const {
    return std::max(1, textWidth() / std::max(1, fontMetrics().averageCharWidth()));
}

std::int64_t NotesEdit::measureOf(Row row) const {
    const auto line = static_cast<std::int64_t>(row.line);
    if (!wrap_) {
        return line;
    }
    return line * bytesPerRow() + static_cast<std::int64_t>(buffer_.lineStart(row.line)) +
           layoutOf(row.line).lineAt(row.row).textStart();
}

std::int64_t NotesEdit::measureOfEnd() const {
    const auto lines = static_cast<std::int64_t>(buffer_.lineCount());
    return wrap_ ? lines * bytesPerRow() + static_cast<std::int64_t>(buffer_.size()) : lines;
}

NotesEdit::Row NotesEdit::rowAtMeasure(std::int64_t measure) const {
    const std::size_t lines = buffer_.lineCount();
    if (!wrap_) {
        return {static_cast<std::size_t>(
                    std::clamp<std::int64_t>(measure, 0, static_cast<std::int64_t>(lines) - 1)),
                0};
    }
    const std::int64_t perRow = bytesPerRow();
    const auto startOf = [this, perRow](std::size_t line) {
        return static_cast<std::int64_t>(line) * perRow +
               static_cast<std::int64_t>(buffer_.lineStart(line));
    };
    // The last line that starts at or before the measure.
    std::size_t low = 0;
    std::size_t high = lines;
    while (low + 1 < high) {
        const std::size_t middle = low + (high - low) / 2;
        (startOf(middle) <= measure ? low : high) = middle;
    }
    const auto length = static_cast<std::int64_t>(buffer_.lineEnd(low) - buffer_.lineStart(low));
    const auto column =
        static_cast<int>(std::clamp<std::int64_t>(measure - startOf(low), 0, length));
    return {low, std::max(0, layoutOf(low).lineForTextPosition(column).lineNumber())};
}

void NotesEdit::syncScrollBar() {
    keepTopInText();
    const Row last = lastTop();
    top_ = std::min(top_, last);
    scrollUnit_ = measureOfEnd() / (INT_MAX / 2) + 1;
    const std::int64_t perRow = wrap_ ? bytesPerRow() : 1;
    settingScrollBar_ = true;
    QScrollBar& bar = *verticalScrollBar();
    bar.setRange(0, static_cast<int>(measureOf(last) / scrollUnit_));
    bar.setPageStep(static_cast<int>(std::max<std::int64_t>(1, pageRows() * perRow / scrollUnit_)));
    bar.setSingleStep(static_cast<int>(std::max<std::int64_t>(1, perRow / scrollUnit_)));
    bar.setValue(static_cast<int>(measureOf(top_) / scrollUnit_));
    settingScrollBar_ = false;
}

void NotesEdit::scrollBarAction(int action) {
    int rows = 0;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        rows = 1;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        rows = -1;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        rows = pageRows();
        break;
    case QAbstractSlider::SliderPageStepSub:
        rows = -pageRows();
        break;
    default:
        return;
    }
    scrollRows(rows);
    // The bar then takes the place of the row scrolled to, not its own step.
    verticalScrollBar()->setSliderPosition(static_cast<int>(measureOf(top_) / scrollUnit_));
}

void NotesEdit::scrollContentsBy(int /*dx*/, int /*dy*/) {
    if (settingScrollBar_) {
        return;
    }
    top_ =
        std::min(rowAtMeasure(std::int64_t{verticalScrollBar()->value()} * scrollUnit_), lastTop());
    viewport()->update();
}

void NotesEdit::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    forgetLayouts();
    top_.row = 0;
    syncScrollBar();
}

void NotesEdit::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        forgetLayouts();
        top_.row = 0;
        syncScrollBar();
    }
    viewport()->update();
}

void NotesEdit::paintEvent(QPaintEvent* /*event*/) {
    keepTopInText();
    QPainter painter(viewport());
    const QPalette::ColorGroup group = !isEnabled() ? QPalette::Disabled
                                       : hasFocus() ? QPalette::Active
                                                    : QPalette::Inactive;
    const QPalette& colors = palette();
    painter.fillRect(viewport()->rect(), colors.brush(group, QPalette::Base));
    // The rows above the top one stay hidden, also in the margin.
    painter.setClipRect(QRectF(0, margin, viewport()->width(), viewport()->height() - margin));
    painter.setPen(colors.color(group, QPalette::Text));
    QTextCharFormat selected;
    selected.setBackground(colors.brush(group, QPalette::Highlight));
    selected.setForeground(colors.brush(group, QPalette::HighlightedText));

    qreal y = margin - layoutOf(top_.line).lineAt(top_.row).y();
    for (std::size_t line = top_.line; line < buffer_.lineCount() && y < viewport()->height();
         ++line) {
        const QTextLayout& layout = layoutOf(line);
        const std::size_t start = buffer_.lineStart(line);
        const std::size_t end = buffer_.lineEnd(line);
        const QPointF origin(margin - horizontalOffset_, y);
        QList<QTextLayout::FormatRange> selections;
        if (selectionStart() < selectionEnd() && selectionStart() <= end &&
            selectionEnd() > start) {
            const std::size_t from = std::max(selectionStart(), start);
            const std::size_t to = std::min(selectionEnd(), end);
            selections.append(
                {static_cast<int>(from - start), static_cast<int>(to - from), selected});
            if (selectionEnd() > end && buffer_.endsWithBreak(line)) {
                // A selected line break shows as a space's width after the line.
                const QTextLine last = layout.lineAt(layout.lineCount() - 1);
                painter.fillRect(QRectF(origin.x() + last.naturalTextWidth(), y + last.y(),
                                        fontMetrics().horizontalAdvance(u' '), last.height()),
                                 selected.background());
            }
        }
        layout.draw(&painter, origin, selections, viewport()->rect());
        // The end of a line cut for its length is where the next piece starts.
        const bool cut = line + 1 < buffer_.lineCount() && !buffer_.endsWithBreak(line);
        if (caretShown_ && caret_ >= start && (caret_ < end || (caret_ == end && !cut))) {
            layout.drawCursor(&painter, origin, static_cast<int>(caret_ - start));
        }
        const QTextLine last = layout.lineAt(layout.lineCount() - 1);
        y += last.y() + last.height();
    }
}

void NotesEdit::restartBlink() {
    const bool showCaret = hasFocus() && !readOnly_;
    caretShown_ = showCaret;
    const int flash = QApplication::cursorFlashTime();
    if (showCaret && flash > 0) {
        blink_.start(flash / 2, this);
    } else {
        blink_.stop();
    }
    viewport()->update();
}

void NotesEdit::timerEvent(QTimerEvent* event) {
    if (event->timerId() == tripleClick_.timerId()) {
        tripleClick_.stop();
        return;
    }
    if (event->timerId() == autoScroll_.timerId()) {
        scrollTowards(selectingAt_);
        return;
    }
    if (event->timerId() != blink_.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    caretShown_ = !caretShown_;
    viewport()->update(caretRect().toAlignedRect().adjusted(-1, 0, 1, 0));
}

void NotesEdit::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
}

void NotesEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    restartBlink();
}

} // namespace norvik::qt
