// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/ControlViews.h"
#include "frontends/qt/Look.h"
#include "frontends/qt/Pictures.h"
#include "frontends/qt/QtPlatform.h"
#include "frontends/qt/QtText.h"
#include "kit/Controls.h"
#include "kit/Form.h"
#include "kit/UserActions.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace norvik::qt {

namespace {

// Sets the caption when the control's text differs from what was shown last.
bool captionChanged(const Control& control, Text& shown, bool& first) {
    if (!first && control.caption == shown) {
        return false;
    }
    shown = control.caption;
    first = false;
    return true;
}

// The stand-in faces can be wider than the ones a form was laid out for: a
// check box or option whose caption no longer fits grows to the right, as far
// as its parent reaches and no neighbour in its row is in the way. A caption
// that still does not fit is drawn a little narrower, rather than cut or run
// under the neighbour.
void placeFitting(QWidget& widget, const Control& control) {
    QRect rect(control.left, control.top, control.width, control.height);
    QFont font = fontForText(toQt(control.font), toQt(control.caption));
    widget.setFont(font);
    const QWidget* parent = widget.parentWidget();
    if (parent == nullptr) {
        widget.setGeometry(rect);
        return;
    }
    int room = parent->width() - rect.left() - 2;
    for (const QObject* child : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling == nullptr || sibling == &widget || sibling->isWindow() ||
            !sibling->isVisibleTo(parent)) {
            continue;
        }
        const QRect other = sibling->geometry();
        const bool sameRow = other.top() <= rect.bottom() && other.bottom() >= rect.top();
        if (sameRow && other.left() > rect.left()) {
            room = std::min(room, other.left() - 2 - rect.left());
        }
    }
    const int wanted = widget.sizeHint().width();
    if (wanted > rect.width() && room > rect.width()) {
        rect.setWidth(std::min(wanted, room));
    }
    const int fit = std::min(rect.width(), room);
    const int normal = font.stretch() > 0 ? font.stretch() : 100;
    for (int stretch = normal - 2; widget.sizeHint().width() > fit && stretch >= normal * 85 / 100;
         stretch -= 2) {
        font.setStretch(stretch);
        widget.setFont(font);
    }
    widget.setGeometry(rect);
}

// The next option of the group (the options sharing a parent) in creation
// order, going round, that the user can choose: shown and enabled.
RadioButton* neighbourOption(const RadioButton& option, bool forward) {
    std::vector<RadioButton*> group;
    for (const auto& control : option.form().controls()) {
        if (control->kind() == ControlKind::RadioButton && control->parent() == option.parent()) {
            group.push_back(static_cast<RadioButton*>(control.get()));
        }
    }
    const auto at = std::find(group.begin(), group.end(), &option);
    if (at == group.end()) {
        return nullptr;
    }
    const auto size = static_cast<std::ptrdiff_t>(group.size());
    const std::ptrdiff_t start = at - group.begin();
    for (std::ptrdiff_t step = 1; step < size; ++step) {
        const std::ptrdiff_t index = ((forward ? start + step : start - step) % size + size) % size;
        RadioButton* candidate = group[static_cast<std::size_t>(index)];
        if (candidate->showing() && candidate->usable()) {
            return candidate;
        }
    }
    return nullptr;
}

// Arrow keys move the choice within an option group, as on every desktop:
// the widgets are not exclusive themselves (the kit unchecks the siblings),
// so Qt would only move the focus to the next widget.
class OptionArrows : public QObject {
public:
    OptionArrows(QtPlatform& platform, RadioButton& option, QWidget& widget)
        : QObject(&widget), platform_(platform), option_(option) {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier) {
            return false;
        }
        bool forward = true;
        switch (key->key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            break;
        case Qt::Key_Up:
        case Qt::Key_Left:
            forward = false;
            break;
        default:
            return false;
        }
        if (RadioButton* next = neighbourOption(option_, forward)) {
            platform_.run([next] {
                next->setFocus();
                next->setChecked(true);
            });
        }
        return true;
    }

private:
    QtPlatform& platform_;
    RadioButton& option_;
};

QAbstractButton& makeButton(const Button& button, QWidget& parent) {
    if (!button.glyph.empty()) {
        auto* tool = new QToolButton(&parent);
        tool->setIcon(buttonGlyph(button.glyph));
        tool->setIconSize(QSize(16, 16));
        tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
        return *tool;
    }
    auto* push = new QPushButton(&parent);
    push->setAutoDefault(false);
    push->setDefault(false);
    return *push;
}

} // namespace

LabelView::LabelView(Label& label, QWidget& parent)
    : ControlView(label, *new QLabel(&parent)), label_(label),
      widget_(static_cast<QLabel&>(widget())) {
    widget_.setTextFormat(Qt::PlainText);
    widget_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void LabelView::syncOwn() {
    const bool wrapChanged = widget_.wordWrap() != label_.wordWrap;
    if (captionChanged(label_, caption_, first_) || wrapChanged) {
        widget_.setWordWrap(label_.wordWrap);
        widget_.setText(withoutAccelerators(toQt(label_.caption)));
        applyGeometry();
    }
}

void LabelView::applyGeometry() {
    if (label_.autoSize && !label_.wordWrap) {
        widget_.setGeometry(QRect(QPoint(label_.left, label_.top), widget_.sizeHint()));
    } else if (label_.autoSize) {
        // A wrapping label keeps its width and grows downwards.
        const int height = widget_.heightForWidth(label_.width);
        widget_.setGeometry(label_.left, label_.top, label_.width, std::max(label_.height, height));
    } else {
        ControlView::applyGeometry();
    }
}

void LabelView::applyColors() {
    paintSurface(widget_, label_.color, label_.font.color, !label_.transparent);
}

ButtonView::ButtonView(QtPlatform& platform, Button& button, QWidget& parent)
    : ControlView(button, makeButton(button, parent)), button_(button),
      widget_(static_cast<QAbstractButton&>(widget())) {
    widget_.setFocusPolicy(Qt::StrongFocus);
    QObject::connect(&widget_, &QAbstractButton::clicked, &widget_,
                     [&platform, &button] { platform.run([&button] { pressButton(button); }); });
}

void ButtonView::syncOwn() {
    if (captionChanged(button_, caption_, first_) && button_.glyph.empty()) {
        widget_.setText(toQt(button_.caption));
    }
}

ChoiceView::ChoiceView(Control& control, QAbstractButton& widget)
    : ControlView(control, widget), widget_(widget) {}

void ChoiceView::applyGeometry() {
    placeFitting(widget_, control());
}

void ChoiceView::syncOwn() {
    if (captionChanged(control(), caption_, first_)) {
        widget_.setText(toQt(control().caption));
        applyGeometry();
    }
    if (widget_.isChecked() != checked()) {
        widget_.setChecked(checked());
    }
}

void ChoiceView::applyColors() {
    paintSurface(widget_, control().color, control().font.color, true);
}

CheckBoxView::CheckBoxView(QtPlatform& platform, CheckBox& box, QWidget& parent)
    : ChoiceView(box, *new QCheckBox(&parent)), box_(box) {
    auto& check = static_cast<QCheckBox&>(widget());
    QObject::connect(&check, &QCheckBox::clicked, &check, [&platform, &box] {
        platform.run([&box] { box.setChecked(!box.checked()); });
    });
}

RadioButtonView::RadioButtonView(QtPlatform& platform, RadioButton& button, QWidget& parent)
    : ChoiceView(button, *new QRadioButton(&parent)), button_(button) {
    auto& radio = static_cast<QRadioButton&>(widget());
    // The kit unchecks the siblings; the widgets only show it.
    radio.setAutoExclusive(false);
    QObject::connect(&radio, &QRadioButton::clicked, &radio, [&platform, &button] {
        platform.run([&button] { button.setChecked(true); });
    });
    new OptionArrows(platform, button, radio);
}

void FrameBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette& colors = palette();
    painter.fillRect(rect(), colors.color(QPalette::Window));
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect frame = rect().adjusted(0, top, -1, -1);
    // The etched line: a dark rectangle with a light one just inside it.
    const QColor back = colors.color(QPalette::Window);
    const bool darkBack = back.lightness() < 128;
    const QColor shadow = darkBack ? back.lighter(260) : back.darker(150);
    const QColor light = darkBack ? back.darker(200) : QColor(Qt::white);
    painter.setPen(shadow);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(light);
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    const QString caption = title();
    if (caption.isEmpty()) {
        return;
    }
    const QRect text(8, 0, metrics.horizontalAdvance(caption), metrics.height());
    painter.fillRect(text, back);
    painter.setFont(font());
    painter.setPen(
        colors.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, caption);
}

GroupBoxView::GroupBoxView(GroupBox& box, QWidget& parent)
    : ControlView(box, *new FrameBox(&parent)), box_(box),
      widget_(static_cast<FrameBox&>(widget())) {}

void GroupBoxView::syncOwn() {
    if (captionChanged(box_, caption_, first_)) {
        widget_.setTitle(toQt(box_.caption));
    }
}

void GroupBoxView::applyColors() {
    paintSurface(widget_, box_.color, box_.font.color, true);
}

ImageView::ImageView(Image& image, QWidget& parent)
    : ControlView(image, *new QLabel(&parent)), image_(image),
      widget_(static_cast<QLabel&>(widget())) {
    widget_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageView::syncOwn() {
    const QSize size(image_.width, image_.height);
    if (image_.picture == picture_ && size == size_) {
        return;
    }
    picture_ = image_.picture;
    size_ = size;
    widget_.setScaledContents(image_.stretch);
    widget_.setPixmap(picture(image_.picture, size));
}

std::unique_ptr<ControlView> makeControlView(QtPlatform& platform, Control& control,
                                             QWidget& parent) {
    switch (control.kind()) {
    case ControlKind::Label:
        return std::make_unique<LabelView>(static_cast<Label&>(control), parent);
    case ControlKind::Button:
        return std::make_unique<ButtonView>(platform, static_cast<Button&>(control), parent);
    case ControlKind::Edit:
        return std::make_unique<EditView>(platform, static_cast<Edit&>(control), parent);
    case ControlKind::Memo:
        return std::make_unique<MemoView>(platform, static_cast<Memo&>(control), parent);
    case ControlKind::ListBox:
        return std::make_unique<ListBoxView>(platform, static_cast<ListBox&>(control), parent);
    case ControlKind::CheckBox:
        return std::make_unique<CheckBoxView>(platform, static_cast<CheckBox&>(control), parent);
    case ControlKind::RadioButton:
        return std::make_unique<RadioButtonView>(platform, static_cast<RadioButton&>(control),
                                                 parent);
    case ControlKind::GroupBox:
        return std::make_unique<GroupBoxView>(static_cast<GroupBox&>(control), parent);
    case ControlKind::ComboBox:
        return std::make_unique<ComboBoxView>(platform, static_cast<ComboBox&>(control), parent);
    case ControlKind::UpDown:
        return std::make_unique<UpDownView>(platform, static_cast<UpDown&>(control), parent);
    case ControlKind::DatePicker:
        return std::make_unique<DatePickerView>(platform, static_cast<DatePicker&>(control),
                                                parent);
    case ControlKind::Image:
        return std::make_unique<ImageView>(static_cast<Image&>(control), parent);
    case ControlKind::MenuItem:
    case ControlKind::Timer:
    case ControlKind::TrayIcon:
        return nullptr;
    }
    return nullptr;
}

} // namespace norvik::qt
