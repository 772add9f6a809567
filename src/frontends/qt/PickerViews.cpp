// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/ControlViews.h"
#include "frontends/qt/KeyInput.h"
#include "frontends/qt/Look.h"
#include "frontends/qt/QtPlatform.h"
#include "frontends/qt/QtText.h"
#include "kit/UserActions.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace norvik::qt {

ComboBoxView::ComboBoxView(QtPlatform& platform, ComboBox& combo, QWidget& parent)
    : ControlView(combo, *new QComboBox(&parent)), platform_(platform), combo_(combo),
      widget_(static_cast<QComboBox&>(widget())) {
    widget_.setInsertPolicy(QComboBox::NoInsert);
    widget_.setMaxVisibleItems(12);
    new KeyInput(platform, combo, widget_);
    QObject::connect(&widget_, &QComboBox::activated, &widget_, [this](int index) {
        if (applying_ || index < 0 || index >= static_cast<int>(combo_.items.size())) {
            return;
        }
        platform_.run([this, index] { chooseEntry(combo_, index); });
    });
    QObject::connect(&widget_, &QComboBox::editTextChanged, &widget_, [this](const QString& text) {
        if (applying_ || !combo_.editable) {
            return;
        }
        const Text typed = fromQt(text);
        if (typed == combo_.text) {
            return;
        }
        platform_.run([this, typed] {
            combo_.text = typed;
            if (combo_.onChange) {
                combo_.onChange();
            }
        });
    });
}

void ComboBoxView::syncOwn() {
    applying_ = true;
    if (first_ || combo_.editable != editable_) {
        editable_ = combo_.editable;
        widget_.setEditable(editable_);
        if (QLineEdit* line = widget_.lineEdit()) {
            ComboBox* control = &combo_;
            auto* validator = new EditValidator([this] { return applying_; },
                                                [control] { return control->maxLength; }, line);
            line->setValidator(validator);
            QObject::connect(line, &QLineEdit::textChanged, validator,
                             [validator](const QString& text) { validator->remember(text); });
        }
    }
    if (first_ || combo_.items != items_) {
        items_ = combo_.items;
        widget_.clear();
        QStringList entries;
        entries.reserve(static_cast<qsizetype>(items_.size()));
        for (const std::string_view item : items_) {
            entries << toQt(item);
        }
        widget_.addItems(entries);
        fitPopupWidth();
        text_.clear();
        first_ = true;
    }
    if (first_ || combo_.text != text_) {
        text_ = combo_.text;
        const int index = combo_.itemIndex();
        widget_.setCurrentIndex(index);
        if (editable_) {
            widget_.setEditText(toQt(combo_.text));
            // A text longer than the field shows from its start.
            widget_.lineEdit()->setCursorPosition(0);
        }
    }
    applying_ = false;
    first_ = false;
}

void ComboBoxView::fitPopupWidth() {
    // The open list shows every entry whole; the closed box keeps its design
    // width. An editable box's list is otherwise no wider than the box.
    QAbstractItemView* list = widget_.view();
    int width = list->sizeHintForColumn(0) + 2 * list->frameWidth() + 4;
    if (widget_.count() > widget_.maxVisibleItems()) {
        width += list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    }
    list->setMinimumWidth(width);
}

void ComboBoxView::applyColors() {
    paintField(widget_, combo_.color, combo_.font.color, true);
}

UpDownView::UpDownView(QtPlatform& platform, UpDown& upDown, QWidget& parent)
    : ControlView(upDown, *new QWidget(&parent)), upDown_(upDown) {
    auto makeArrow = [this, &platform](Qt::ArrowType arrow, void (UpDown::*step)()) {
        auto* button = new QToolButton(&widget());
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        UpDown* control = &upDown_;
        QObject::connect(button, &QToolButton::clicked, button, [&platform, control, step] {
            platform.run([control, step] { (control->*step)(); });
        });
        return button;
    };
    up_ = makeArrow(Qt::UpArrow, &UpDown::up);
    down_ = makeArrow(Qt::DownArrow, &UpDown::down);
}

void UpDownView::applyGeometry() {
    ControlView::applyGeometry();
    const int upper = upDown_.height / 2;
    up_->setGeometry(0, 0, upDown_.width, upper);
    down_->setGeometry(0, upper, upDown_.width, upDown_.height - upper);
}

DatePickerView::DatePickerView(QtPlatform& platform, DatePicker& picker, QWidget& parent)
    : ControlView(picker, *new QDateEdit(&parent)), picker_(picker),
      widget_(static_cast<QDateEdit&>(widget())) {
    widget_.setCalendarPopup(true);
    widget_.setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    widget_.setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    DatePicker* control = &picker;
    QObject::connect(&widget_, &QDateEdit::dateChanged, &widget_,
                     [this, &platform, control](const QDate& date) {
                         if (applying_ || !date.isValid()) {
                             return;
                         }
                         const DateTime chosen{date.year(), date.month(), date.day()};
                         platform.run([control, chosen] {
                             control->setDate(chosen);
                             if (control->onChange) {
                                 control->onChange();
                             }
                         });
                     });
}

void DatePickerView::syncOwn() {
    const DateTime& date = picker_.date();
    if (!first_ && date == shown_) {
        return;
    }
    shown_ = date;
    first_ = false;
    applying_ = true;
    widget_.setDate(QDate(date.year, date.month, date.day));
    applying_ = false;
}

void DatePickerView::applyColors() {
    paintField(widget_, picker_.color, picker_.font.color, true);
}

} // namespace norvik::qt
