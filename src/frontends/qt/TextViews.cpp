// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/ControlViews.h"
#include "frontends/qt/KeyInput.h"
#include "frontends/qt/Look.h"
#include "frontends/qt/QtPlatform.h"
#include "frontends/qt/QtText.h"

#include <QLineEdit>
#include <QScrollBar>

namespace norvik::qt {

namespace {

// Hands the live text back to the control as a plain string, so that the
// program can still read a field after its dialog has closed.
void unplug(TextControl& control) {
    control.plugStorage(std::make_unique<StringTextStorage>());
}

} // namespace

EditView::EditView(QtPlatform& platform, Edit& edit, QWidget& parent)
    : ControlView(edit, *new QLineEdit(&parent)), edit_(edit),
      widget_(static_cast<QLineEdit&>(widget())) {
    auto storage = std::make_unique<LineEditStorage>(widget_);
    storage_ = storage.get();
    Edit* control = &edit;
    LineEditStorage* live = storage_;
    auto* validator = new EditValidator([live] { return live->programChanging(); },
                                        [control] { return control->maxLength; }, &widget_);
    widget_.setValidator(validator);
    edit.plugStorage(std::move(storage));
    validator->remember(widget_.text());
    new KeyInput(platform, edit, widget_);
    QObject::connect(&widget_, &QLineEdit::textChanged, &widget_,
                     [&platform, control, live, validator](const QString& text) {
                         validator->remember(text);
                         if (!live->programChanging()) {
                             platform.run([control] { control->changed(); });
                         }
                     });
}

EditView::~EditView() {
    unplug(edit_);
}

void EditView::syncOwn() {
    if (widget_.isReadOnly() != edit_.readOnly) {
        widget_.setReadOnly(edit_.readOnly);
    }
}

void EditView::applyColors() {
    paintField(widget_, edit_.color, edit_.font.color, false);
}

MemoView::MemoView(QtPlatform& platform, Memo& memo, QWidget& parent)
    : ControlView(memo, *new NotesEdit(&parent)), memo_(memo),
      widget_(static_cast<NotesEdit&>(widget())) {
    memo.plugStorage(std::make_unique<NotesStorage>(widget_));
    new KeyInput(platform, memo, widget_);
    widget_.watchRefusedKeys();
    Memo* control = &memo;
    widget_.onUserChange = [&platform, control] {
        platform.run([control] { control->changed(); });
    };
}

MemoView::~MemoView() {
    unplug(memo_);
}

void MemoView::syncOwn() {
    if (first_ || memo_.wordWrap != wordWrap_) {
        wordWrap_ = memo_.wordWrap;
        widget_.setWordWrap(wordWrap_);
    }
    if (first_ || memo_.verticalScrollBar != scrollBar_) {
        scrollBar_ = memo_.verticalScrollBar;
        widget_.setVerticalScrollBarPolicy(scrollBar_ ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
    }
    if (first_ || memo_.readOnly != readOnly_) {
        readOnly_ = memo_.readOnly;
        widget_.setReadOnly(readOnly_);
    }
    first_ = false;
}

void MemoView::applyColors() {
    paintField(widget_, memo_.color, memo_.font.color, !memo_.hideSelection);
}

} // namespace norvik::qt
